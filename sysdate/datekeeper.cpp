// SPDX-License-Identifier: MIT
#include "datekeeper.h"

#include "datevalue.h"

#include <memory>
#include <utility>

DateKeeper::DateKeeper(SystemDate& systemDate)
    : m_systemDate(systemDate)
{ }

void DateKeeper::setDate(const QString& dateText)
{
    if (m_phase != Phase::Running)
        return;
    // Read once, here; the ways below deal in calendar dates.
    const auto date = parseDateText(dateText);
    Q_ASSERT(date);
    if (!date)
        return;
    if (!m_queue.empty() && m_queue.back().date)
        m_queue.back().date = *date;
    else
        m_queue.push_back({*date, {}});
    next();
}

void DateKeeper::restore(Finished finished)
{
    queueRestore(std::move(finished));
}

void DateKeeper::queueRestore(Finished finished)
{
    // A day that never started needs no undoing.
    if (!m_queue.empty() && m_queue.back().date)
        m_queue.pop_back();
    if (!m_queue.empty())
        m_queue.back().finished.push_back(std::move(finished));
    else
        m_queue.push_back({std::nullopt, {std::move(finished)}});
    next();
}

void DateKeeper::endRun(Finished finished)
{
    if (m_phase == Phase::Ended) {
        finished(*m_endOutcome);
        return;
    }
    m_endWaiting.push_back(std::move(finished));
    if (m_phase == Phase::Ending)
        return;
    m_phase = Phase::Ending;
    queueRestore([this](const DateChange& outcome) { settleEnd(outcome); });
}

void DateKeeper::settleEnd(const DateChange& outcome)
{
    if (m_phase == Phase::Ended)
        return;
    m_phase = Phase::Ended;
    m_endOutcome = outcome;
    for (const Finished& waiter : std::exchange(m_endWaiting, {}))
        waiter(outcome);
}

std::optional<DateChange> DateKeeper::endRunBlocking()
{
    if (m_phase == Phase::Ended)
        return std::nullopt;
    m_phase = Phase::Ending;
    m_endWaiting.clear();
    const DateChange outcome = restoreBlocking();
    // The end's own restore may have been answered meanwhile; its answer then stands.
    const bool settledMeanwhile = m_phase == Phase::Ended;
    settleEnd(outcome);
    return settledMeanwhile ? *m_endOutcome : outcome;
}

std::optional<DateChange> DateKeeper::restoreForSessionEnd()
{
    if (m_phase != Phase::Running)
        return std::nullopt;
    const DateChange outcome = restoreBlocking();
    next();
    return outcome;
}

DateChange DateKeeper::restoreBlocking()
{
    // Whatever is under way is answered first, and nothing new is started meanwhile.
    m_blocking = true;
    DateChange outcome = m_systemDate.restoreBlocking(LastRestoreTimeout);
    // Days waiting their turn are dropped; restores waiting theirs are this one.
    for (Request& request : std::exchange(m_queue, {})) {
        if (!request.date) {
            for (const Finished& finished : request.finished)
                finished(outcome);
        }
    }
    m_blocking = false;
    return outcome;
}

void DateKeeper::next()
{
    if (m_busy || m_blocking || m_queue.empty())
        return;
    m_busy = true;
    auto request = std::make_shared<Request>(std::move(m_queue.front()));
    m_queue.pop_front();
    auto done = [this, request](const DateChange& outcome) {
        m_busy = false;
        for (const Finished& finished : request->finished)
            finished(outcome);
        next();
    };
    if (request->date)
        m_systemDate.setDate(*request->date, done);
    else
        m_systemDate.restore(done);
}

bool DateKeeper::mayNeedRestore() const
{
    return m_busy || !m_queue.empty() || m_systemDate.isChanged();
}

int DateKeeper::exitStatus(int status) const
{
    return status == 0 && m_endOutcome && !*m_endOutcome ? 1 : status;
}
