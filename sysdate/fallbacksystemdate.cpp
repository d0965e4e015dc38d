// SPDX-License-Identifier: MIT
#include "fallbacksystemdate.h"

#include <QStringList>

#include <algorithm>

FallbackSystemDate::FallbackSystemDate(std::vector<SystemDate*> ways, Tell tellRefusal)
    : m_ways(std::move(ways))
    , m_tellRefusal(std::move(tellRefusal))
{
    Q_ASSERT(!m_ways.empty());
}

QString FallbackSystemDate::currentDateText()
{
    return m_ways[m_current]->currentDateText();
}

DateChange FallbackSystemDate::setDate(const QString& dateText)
{
    QStringList reasons;
    for (;;) {
        const DateChange change = m_ways[m_current]->setDate(dateText);
        if (change || m_current + 1 == m_ways.size()) {
            if (!reasons.isEmpty() && !m_told && m_tellRefusal) {
                m_told = true;
                m_tellRefusal(reasons.join(QLatin1Char(' ')));
            }
            return change;
        }
        reasons << change.reason;
        ++m_current;
    }
}

DateChange FallbackSystemDate::restore()
{
    DateChange outcome = DateChange::success();
    for (SystemDate* way : m_ways) {
        const DateChange change = way->restore();
        if (!change && outcome)
            outcome = change;
    }
    return outcome;
}

bool FallbackSystemDate::isChanged() const
{
    return std::any_of(m_ways.begin(), m_ways.end(),
                       [](const SystemDate* way) { return way->isChanged(); });
}
