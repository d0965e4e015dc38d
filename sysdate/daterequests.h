// SPDX-License-Identifier: MIT
#pragma once

#include "systemdate.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Puts the changes of the date in order, one at a time, so that no change can land after the
// restore meant to undo it. A request made while another waits for its answer (a password prompt
// may take minutes) waits its turn; a day asked for while an earlier day still waits its turn
// replaces it, so only the latest day is set, and a restore replaces a day still waiting.
//
// Putting the date back when the program ends is asked once per end, however many ways of ending
// (EXIT, a closed window, a signal, the end of the event loop, the last exit) come together.
class DateRequests
{
public:
    using Finished = SystemDate::Finished;

    explicit DateRequests(SystemDate& systemDate);

    SystemDate& systemDate() { return m_systemDate; }

    void setDate(const QString& dateText);
    void restore(Finished finished);

    // The restore of the program's end: the first call asks; later calls share its outcome.
    void restoreForEnd(Finished finished);
    // The same for the very end, where no event loop runs: waits for the answer to whatever is
    // under way, and asks for the restore only if this end has not asked yet.
    DateChange finishForEnd();

    // Puts the true date back now, without an event loop, and goes on afterwards: for a session
    // that is about to end and may yet go on. A day still waiting its turn is dropped.
    DateChange restoreNow();

    bool isIdle() const { return !m_busy && m_queue.empty(); }
    // Whether the date is changed, may be, or is about to be.
    bool mayNeedRestore() const { return !isIdle() || m_systemDate.isChanged(); }
    bool endRestoreAsked() const { return m_endAsked; }
    const std::optional<DateChange>& endOutcome() const { return m_endOutcome; }

private:
    struct Request
    {
        std::optional<QString> dateText; // nothing: put the true date back
        std::vector<Finished> finished;
    };

    void next();
    void answer(Request& request, const DateChange& outcome);
    DateChange restoreWithoutEventLoop();

    SystemDate& m_systemDate;
    // Waiting their turn; the request under way is no longer among them.
    std::deque<Request> m_queue;
    bool m_busy = false;
    bool m_finishing = false;
    bool m_endAsked = false;
    std::optional<DateChange> m_endOutcome;
    std::vector<Finished> m_endWaiting;
};
