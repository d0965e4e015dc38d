// SPDX-License-Identifier: MIT
#include "fallbacksystemdate.h"

#include <algorithm>

using namespace std::chrono;

namespace {

// Two ways put back one after the other: the first failure is the answer, else the first remark.
DateChange combined(const DateChange& first, const DateChange& next)
{
    if (!first)
        return first;
    if (!next)
        return next;
    return first.cause != DateChange::Cause::None ? first : next;
}

} // namespace

FallbackSystemDate::FallbackSystemDate(std::vector<SystemDate*> ways, Tell tell)
    : m_ways(std::move(ways))
    , m_tell(std::move(tell))
{
    Q_ASSERT(!m_ways.empty());
}

year_month_day FallbackSystemDate::currentDate()
{
    return m_ways[m_current]->currentDate();
}

void FallbackSystemDate::setDate(year_month_day date, Finished finished)
{
    setWith(date, {}, std::move(finished));
}

void FallbackSystemDate::setWith(year_month_day date, QStringList reasons, Finished finished)
{
    m_ways[m_current]->setDate(date,
        [this, date, reasons = std::move(reasons), finished = std::move(finished)](
            const DateChange& change) mutable {
            if (change.isRefused() && m_current + 1 < m_ways.size()) {
                reasons << DateTexts::reason(change);
                ++m_current;
                setWith(date, std::move(reasons), std::move(finished));
                return;
            }
            if (m_tell) {
                if (!reasons.isEmpty() && !m_toldRefusal) {
                    m_toldRefusal = true;
                    m_tell(DateTexts::previewInWindow(
                        reasons.join(QLatin1Char(' ')), changedComputerDate()));
                } else if (change.outcome == DateChange::Outcome::Unanswered && !m_toldUnanswered) {
                    m_toldUnanswered = true;
                    m_tell(DateTexts::changeUnanswered(
                        DateTexts::reason(change), m_ways[m_current]->currentDate()));
                }
            }
            finished(change);
        });
}

std::optional<year_month_day> FallbackSystemDate::changedComputerDate() const
{
    // The ways before the current one act on the computer's own clock.
    for (std::size_t i = 0; i < m_current; ++i) {
        if (m_ways[i]->isChanged())
            return m_ways[i]->currentDate();
    }
    return std::nullopt;
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
    m_ways[way]->restore([this, way, outcome = std::move(outcome), finished = std::move(finished)](
                             const DateChange& change) {
        restoreFrom(way + 1, combined(outcome, change), finished);
    });
}

DateChange FallbackSystemDate::restoreBlocking(milliseconds timeout)
{
    // Every way, changed or not: one may still be waiting for the answer to its first change.
    DateChange outcome = DateChange::success();
    for (SystemDate* way : m_ways)
        outcome = combined(outcome, way->restoreBlocking(timeout));
    return outcome;
}

bool FallbackSystemDate::isChanged() const
{
    return std::any_of(
        m_ways.begin(), m_ways.end(), [](const SystemDate* way) { return way->isChanged(); });
}
