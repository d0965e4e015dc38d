// SPDX-License-Identifier: MIT
#pragma once

#include "datetexts.h"
#include "systemdate.h"

#include <QStringList>

#include <functional>
#include <vector>

// Tries the ways of setting the date in order (the kernel, the clock service, the window's own
// clock) and keeps to the first that works. When a way refuses, the next is tried at once; the
// person is told about it once per run, with the reason and, if the computer's date has already
// been changed, what it is now. A way that does not answer may have changed the date, so the
// preview stays with it. The last way, the window's own clock, never refuses.
class FallbackSystemDate final : public SystemDate
{
public:
    using Tell = std::function<void(const DateNotice& notice)>;

    explicit FallbackSystemDate(std::vector<SystemDate*> ways, Tell tell = {});

    void setTell(Tell tell) { m_tell = std::move(tell); }

    std::chrono::year_month_day currentDate() override;
    void setDate(std::chrono::year_month_day date, Finished finished) override;
    // Puts back, one after the other, whatever any of the ways has changed; the first failure is
    // the answer.
    void restore(Finished finished) override;
    DateChange restoreBlocking(std::chrono::milliseconds timeout) override;
    bool isChanged() const override;

private:
    void setWith(std::chrono::year_month_day date, QStringList reasons, Finished finished);
    void restoreFrom(std::size_t way, DateChange outcome, Finished finished);
    std::optional<std::chrono::year_month_day> changedComputerDate() const;

    std::vector<SystemDate*> m_ways;
    std::size_t m_current = 0;
    Tell m_tell;
    bool m_toldRefusal = false;
    bool m_toldUnanswered = false;
};
