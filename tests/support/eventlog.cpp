// SPDX-License-Identifier: MIT
#include "eventlog.h"

QStringList EventLog::matching(const QString& prefix) const
{
    QStringList found;
    for (const QString& entry : m_entries) {
        if (entry.startsWith(prefix))
            found << entry;
    }
    return found;
}
