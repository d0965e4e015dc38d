// SPDX-License-Identifier: MIT
#include "fakesystemdate.h"

#include "datevalue.h"
#include "eventlog.h"

using namespace std::chrono;

FakeSystemDate::FakeSystemDate(EventLog* log, year_month_day current)
    : m_log(log)
    , m_current(current)
    , m_original(current)
{ }

void FakeSystemDate::setDate(year_month_day date, Finished finished)
{
    Q_ASSERT(m_waiting.empty()); // one change at a time
    if (m_log)
        m_log->add(QStringLiteral("set ") + dateText(date));
    m_waiting.push_back({date, std::move(finished)});
    if (!m_holding)
        answer();
}

void FakeSystemDate::restore(Finished finished)
{
    Q_ASSERT(m_waiting.empty());
    if (!m_changed) {
        finished(DateChange::success());
        return;
    }
    if (m_log)
        m_log->add(QStringLiteral("restore"));
    ++m_restores;
    m_waiting.push_back({std::nullopt, std::move(finished)});
    if (!m_holding)
        answer();
}

DateChange FakeSystemDate::outcomeOf(const Change& change) const
{
    return change.date ? DateChange::success() : m_restoreOutcome;
}

void FakeSystemDate::apply(const Change& change)
{
    const DateChange outcome = outcomeOf(change);
    if (change.date && outcome.mayHaveChanged()) {
        m_datesSet << dateText(*change.date);
        m_current = *change.date;
        m_changed = true;
    } else if (!change.date && outcome) {
        m_current = m_original;
        m_changed = false;
    }
}

void FakeSystemDate::answer()
{
    Q_ASSERT(!m_waiting.empty());
    const Change change = std::move(m_waiting.front());
    m_waiting.pop_front();
    apply(change);
    change.finished(outcomeOf(change));
}

DateChange FakeSystemDate::restoreBlocking(milliseconds)
{
    const bool restoring = !m_waiting.empty() && !m_waiting.front().date;
    while (!m_waiting.empty())
        answer();
    if (restoring)
        return m_restoreOutcome;
    if (!m_changed)
        return DateChange::success();
    if (m_log)
        m_log->add(QStringLiteral("restore now"));
    ++m_restores;
    const Change change{std::nullopt, {}};
    apply(change);
    return outcomeOf(change);
}
