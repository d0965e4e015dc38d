// SPDX-License-Identifier: MIT
#pragma once

#include "systemdate.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <utility>

class EventLog;

// A system date that only records: "set 12-01-1992", "restore" and "restore now" (a restore is
// recorded only when something was changed, as a real one would act only then). It answers at
// once, or, while answers are held, only when the test says so, as a service waiting for a
// password would. Each change can be refused or left unanswered.
class FakeSystemDate final : public SystemDate
{
public:
    explicit FakeSystemDate(EventLog* log = nullptr,
        std::chrono::year_month_day current = std::chrono::year{2026} / 12 / 9);

    void refuseRestoring()
    {
        m_restoreOutcome = DateChange::refused(DateChange::Cause::NotAuthorized);
    }

    void holdAnswers(bool hold) { m_holding = hold; }
    // Answers the change that waits, with its outcome.
    void answer();

    std::chrono::year_month_day currentDate() override { return m_current; }
    void setDate(std::chrono::year_month_day date, Finished finished) override;
    void restore(Finished finished) override;
    DateChange restoreBlocking(std::chrono::milliseconds timeout) override;
    bool isChanged() const override { return m_changed; }

    const QStringList& datesSet() const { return m_datesSet; }
    int restores() const { return m_restores; }

private:
    struct Change
    {
        std::optional<std::chrono::year_month_day> date; // nothing: a restore
        Finished finished;
    };
    void apply(const Change& change);
    DateChange outcomeOf(const Change& change) const;

    EventLog* m_log;
    std::chrono::year_month_day m_current;
    std::chrono::year_month_day m_original;
    DateChange m_restoreOutcome;
    bool m_holding = false;
    std::deque<Change> m_waiting;
    QStringList m_datesSet;
    int m_restores = 0;
    bool m_changed = false;
};
