// SPDX-License-Identifier: MIT
#include "daterequests.h"

#include <memory>
#include <utility>

DateRequests::DateRequests(SystemDate& systemDate)
    : m_systemDate(systemDate)
{ }

void DateRequests::setDate(const QString& dateText)
{
    if (!m_queue.empty() && m_queue.back().dateText)
        m_queue.back().dateText = dateText;
    else
        m_queue.push_back({dateText, {}});
    next();
}

void DateRequests::restore(Finished finished)
{
    // A day that never started needs no undoing.
    if (!m_queue.empty() && m_queue.back().dateText)
        m_queue.pop_back();
    if (!m_queue.empty())
        m_queue.back().finished.push_back(std::move(finished));
    else
        m_queue.push_back({std::nullopt, {std::move(finished)}});
    next();
}

void DateRequests::restoreForEnd(Finished finished)
{
    if (m_endOutcome) {
        finished(*m_endOutcome);
        return;
    }
    m_endWaiting.push_back(std::move(finished));
    if (m_endAsked)
        return;
    m_endAsked = true;
    restore([this](const DateChange& outcome) {
        m_endOutcome = outcome;
        const auto waiting = std::move(m_endWaiting);
        for (const Finished& waiter : waiting)
            waiter(outcome);
    });
}

void DateRequests::next()
{
    if (m_busy || m_queue.empty() || m_finishing)
        return;
    m_busy = true;
    auto request = std::make_shared<Request>(std::move(m_queue.front()));
    m_queue.pop_front();
    auto done = [this, request](const DateChange& outcome) {
        m_busy = false;
        answer(*request, outcome);
        next();
    };
    if (request->dateText)
        m_systemDate.setDate(*request->dateText, done);
    else
        m_systemDate.restore(done);
}

void DateRequests::answer(Request& request, const DateChange& outcome)
{
    for (const Finished& finished : request.finished)
        finished(outcome);
}

DateChange DateRequests::restoreWithoutEventLoop()
{
    // Whatever is under way is answered first, and nothing new is started meanwhile.
    m_finishing = true;
    m_systemDate.finishPending();
    const DateChange outcome = m_systemDate.restoreNow();
    // Days waiting their turn are dropped; restores waiting theirs are this one.
    for (Request& request : std::exchange(m_queue, {})) {
        if (!request.dateText)
            answer(request, outcome);
    }
    return outcome;
}

DateChange DateRequests::restoreNow()
{
    const DateChange outcome = restoreWithoutEventLoop();
    m_finishing = false;
    next();
    return outcome;
}

DateChange DateRequests::finishForEnd()
{
    m_finishing = true;
    m_systemDate.finishPending();
    if (m_endOutcome)
        return *m_endOutcome;
    // The end's restore was queued but never sent, or never asked: ask now, once.
    m_endAsked = true;
    const DateChange outcome = restoreWithoutEventLoop();
    m_endOutcome = outcome;
    const auto waiting = std::move(m_endWaiting);
    for (const Finished& finished : waiting)
        finished(outcome);
    return outcome;
}
