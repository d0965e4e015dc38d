// SPDX-License-Identifier: MIT
#pragma once

#include "systemdate.h"

#include <QStringList>

#include <functional>
#include <vector>

// Tries the ways of setting the date in order (the kernel, the clock service, the window's own
// clock) and keeps to the first that works. When a way refuses, the next is tried at once; the
// person is told about it once per run, with the reason and, if the computer's date has already
// been changed, what it is now. A way that does not answer may have changed the date, so the
// preview stays with it. The last way, the window's own clock, never refuses a valid date.
class FallbackSystemDate final : public SystemDate
{
public:
    struct Notice
    {
        QString reasons;
        // The computer's date text while this program has changed it (or may have); else empty.
        QString computerDate;
        // The last change was not answered, so the computer's date may or may not have changed.
        bool unanswered = false;
    };
    using Tell = std::function<void(const Notice& notice)>;

    explicit FallbackSystemDate(std::vector<SystemDate*> ways, Tell tell = {});

    void setTell(Tell tell) { m_tell = std::move(tell); }

    QString currentDateText() override;
    void setDate(const QString& dateText, Finished finished) override;
    // Puts back, one after the other, whatever any of the ways has changed.
    void restore(Finished finished) override;
    void finishPending() override;
    DateChange restoreNow() override;
    bool isChanged() const override;

private:
    void setWith(const QString& dateText, QStringList reasons, Finished finished);
    void restoreFrom(std::size_t way, DateChange outcome, Finished finished);
    QString changedComputerDate() const;

    std::vector<SystemDate*> m_ways;
    std::size_t m_current = 0;
    Tell m_tell;
    bool m_toldRefusal = false;
    bool m_toldUnanswered = false;
};
