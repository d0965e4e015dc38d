// SPDX-License-Identifier: MIT
#include "fakesystemdate.h"

#include "eventlog.h"

FakeSystemDate::FakeSystemDate(EventLog* log, QString current)
    : m_log(log)
    , m_current(current)
    , m_original(std::move(current))
{ }

void FakeSystemDate::setDate(const QString& dateText, Finished finished)
{
    Q_ASSERT(m_waiting.empty()); // one change at a time
    if (m_log)
        m_log->add(QStringLiteral("set ") + dateText);
    m_waiting.push_back({dateText, std::move(finished)});
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
    return change.dateText ? m_setOutcome : m_restoreOutcome;
}

void FakeSystemDate::apply(const Change& change)
{
    const DateChange outcome = outcomeOf(change);
    if (change.dateText && outcome.mayHaveChanged()) {
        m_datesSet << *change.dateText;
        m_current = *change.dateText;
        m_changed = true;
    } else if (!change.dateText && outcome) {
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

void FakeSystemDate::finishPending()
{
    while (!m_waiting.empty())
        answer();
}

DateChange FakeSystemDate::restoreNow()
{
    Q_ASSERT(m_waiting.empty());
    if (!m_changed)
        return DateChange::success();
    if (m_log)
        m_log->add(QStringLiteral("restore now"));
    ++m_restores;
    const Change change{std::nullopt, {}};
    apply(change);
    return outcomeOf(change);
}
