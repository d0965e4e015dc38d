// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// One ordered record of what a test's fakes saw: clock readings, writes to the form, dates set.
// Sharing one log between fakes shows how readings and writes interleave.
class EventLog
{
public:
    void add(const QString& entry) { m_entries << entry; }
    const QStringList& entries() const { return m_entries; }
    QStringList matching(const QString& prefix) const;
    void clear() { m_entries.clear(); }

private:
    QStringList m_entries;
};
