// SPDX-License-Identifier: MIT
#include "fakesystemdate.h"

#include "eventlog.h"

FakeSystemDate::FakeSystemDate(EventLog* log, QString current)
    : m_log(log)
    , m_current(current)
    , m_original(std::move(current))
{
}

DateChange FakeSystemDate::setDate(const QString& dateText)
{
    if (m_log)
        m_log->add(QStringLiteral("set ") + dateText);
    if (!m_refuseSet.isEmpty())
        return DateChange::refused(m_refuseSet);
    m_datesSet << dateText;
    m_current = dateText;
    m_changed = true;
    return DateChange::success();
}

DateChange FakeSystemDate::restore()
{
    if (!m_changed)
        return DateChange::success();
    if (m_log)
        m_log->add(QStringLiteral("restore"));
    ++m_restores;
    if (!m_refuseRestore.isEmpty())
        return DateChange::refused(m_refuseRestore);
    m_current = m_original;
    m_changed = false;
    return DateChange::success();
}
