// SPDX-License-Identifier: MIT
#pragma once

#include "systemdate.h"

#include <QStringList>

#include <deque>
#include <utility>

class EventLog;

// A system date that only records: "set 12-01-1992", "restore" and "restore now" (a restore is
// recorded only when something was changed, as a real one would act only then). It answers at
// once, or, while answers are held, only when the test says so, as a service waiting for a
// password would. Each change can be refused or left unanswered.
class FakeSystemDate final : public SystemDate
{
public:
    explicit FakeSystemDate(
        EventLog* log = nullptr, QString current = QStringLiteral("12-09-2026"));

    void refuseSetting(const QString& reason) { m_setOutcome = DateChange::refused(reason); }
    void leaveSettingUnanswered(const QString& reason)
    {
        m_setOutcome = DateChange::unanswered(reason);
    }
    void refuseRestoring(const QString& reason) { m_restoreOutcome = DateChange::refused(reason); }

    void holdAnswers(bool hold) { m_holding = hold; }
    bool isWaiting() const { return !m_waiting.empty(); }
    // Answers the change that waits, with its outcome.
    void answer();

    QString currentDateText() override { return m_current; }
    void setDate(const QString& dateText, Finished finished) override;
    void restore(Finished finished) override;
    void finishPending() override;
    DateChange restoreNow() override;
    bool isChanged() const override { return m_changed; }

    const QStringList& datesSet() const { return m_datesSet; }
    int restores() const { return m_restores; }

private:
    struct Change
    {
        std::optional<QString> dateText; // nothing: a restore
        Finished finished;
    };
    void apply(const Change& change);
    DateChange outcomeOf(const Change& change) const;

    EventLog* m_log;
    QString m_current;
    QString m_original;
    DateChange m_setOutcome;
    DateChange m_restoreOutcome;
    bool m_holding = false;
    std::deque<Change> m_waiting;
    QStringList m_datesSet;
    int m_restores = 0;
    bool m_changed = false;
};
