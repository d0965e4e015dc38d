// SPDX-License-Identifier: MIT
#include "fallbacksystemdate.h"

#include <algorithm>

FallbackSystemDate::FallbackSystemDate(std::vector<SystemDate*> ways, Tell tell)
    : m_ways(std::move(ways))
    , m_tell(std::move(tell))
{
    Q_ASSERT(!m_ways.empty());
}

QString FallbackSystemDate::currentDateText()
{
    return m_ways[m_current]->currentDateText();
}

void FallbackSystemDate::setDate(const QString& dateText, Finished finished)
{
    setWith(dateText, {}, std::move(finished));
}

void FallbackSystemDate::setWith(const QString& dateText, QStringList reasons, Finished finished)
{
    m_ways[m_current]->setDate(
        dateText, [this, dateText, reasons, finished](const DateChange& change) mutable {
            if (change.isRefused() && m_current + 1 < m_ways.size()) {
                reasons << change.reason;
                ++m_current;
                setWith(dateText, reasons, finished);
                return;
            }
            if (m_tell) {
                if (!reasons.isEmpty() && !m_toldRefusal) {
                    m_toldRefusal = true;
                    m_tell({reasons.join(QLatin1Char(' ')), changedComputerDate(), false});
                } else if (change.outcome == DateChange::Outcome::Unanswered && !m_toldUnanswered) {
                    m_toldUnanswered = true;
                    m_tell({change.reason, m_ways[m_current]->currentDateText(), true});
                }
            }
            finished(change);
        });
}

QString FallbackSystemDate::changedComputerDate() const
{
    // The ways before the current one act on the computer's own clock.
    for (std::size_t i = 0; i < m_current; ++i) {
        if (m_ways[i]->isChanged())
            return m_ways[i]->currentDateText();
    }
    return {};
}

void FallbackSystemDate::restore(Finished finished)
{
    restoreFrom(0, DateChange::success(), std::move(finished));
}

void FallbackSystemDate::restoreFrom(std::size_t way, DateChange outcome, Finished finished)
{
    while (way < m_ways.size() && !m_ways[way]->isChanged())
        ++way;
    if (way == m_ways.size()) {
        finished(outcome);
        return;
    }
    m_ways[way]->restore([this, way, outcome, finished](const DateChange& change) {
        restoreFrom(way + 1, outcome ? change : outcome, finished);
    });
}

void FallbackSystemDate::finishPending()
{
    for (SystemDate* way : m_ways)
        way->finishPending();
}

DateChange FallbackSystemDate::restoreNow()
{
    DateChange outcome = DateChange::success();
    for (SystemDate* way : m_ways) {
        const DateChange change = way->restoreNow();
        if (!change && outcome)
            outcome = change;
    }
    return outcome;
}

bool FallbackSystemDate::isChanged() const
{
    return std::any_of(
        m_ways.begin(), m_ways.end(), [](const SystemDate* way) { return way->isChanged(); });
}
