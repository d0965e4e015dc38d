// SPDX-License-Identifier: MIT
#pragma once

#include "systemdate.h"

#include <QString>

#include <chrono>
#include <deque>
#include <optional>
#include <vector>

// Every change of the date goes through here, one at a time, and so does every end of the run.
//
// While the run goes on (Running), a change asked for while another waits for its answer (a
// password prompt may take minutes) waits its turn; a day asked for while an earlier day still
// waits its turn replaces it, so only the latest day is set, and a restore replaces a day still
// waiting. No change can land after the restore meant to undo it.
//
// The first end of the run (EXIT, a closed window, a signal) asks for the restore once and starts
// Ending: no new day is set from then on, and every later end shares that one answer, which
// leaves the run Ended. Where no event loop runs any more (the end of the event loop, the
// process's exit), the end is finished blocking: whatever is under way is answered first, then
// the date is put back, unless an end has done so already. A session that is about to end puts
// the date back at once, blocking, and the run goes on Running, armed for every later end.
class DateKeeper
{
public:
    using Finished = SystemDate::Finished;

    enum class Phase { Running, Ending, Ended };

    // How long the blocking restores wait for the date to be put back.
    static constexpr std::chrono::seconds LastRestoreTimeout{25};

    explicit DateKeeper(SystemDate& systemDate);

    SystemDate& systemDate() { return m_systemDate; }
    Phase phase() const { return m_phase; }

    // A day for the preview, as a date text ("12-05-1992"). Ignored once the run is ending.
    void setDate(const QString& dateText);
    // Puts the true date back in its turn (the 26th click).
    void restore(Finished finished);

    // An orderly end: the first call asks for the restore; later calls share its answer.
    void endRun(Finished finished);
    // The end where no event loop runs: finishes whatever is under way and puts the date back,
    // blocking, unless an end had already been answered. Returns the outcome when this call
    // settled the end, for the caller to tell; those who waited for the end are not called back,
    // for the program is going. Nothing when an end had already been answered.
    std::optional<DateChange> endRunBlocking();

    // The session is about to end, and may yet go on: puts the date back at once, blocking. A day
    // still waiting its turn is dropped. Nothing when an end is already under way.
    std::optional<DateChange> restoreForSessionEnd();

    // Whether the date is changed, may be, or is about to be.
    bool mayNeedRestore() const;
    // The status to end with: the given one, or 1 when the end left the date changed (or perhaps
    // changed).
    int exitStatus(int status) const;

private:
    struct Request
    {
        std::optional<std::chrono::year_month_day> date; // nothing: put the true date back
        std::vector<Finished> finished;
    };

    void queueRestore(Finished finished);
    void next();
    void settleEnd(const DateChange& outcome);
    DateChange restoreBlocking();

    SystemDate& m_systemDate;
    Phase m_phase = Phase::Running;
    // Waiting their turn; the request under way is no longer among them.
    std::deque<Request> m_queue;
    bool m_busy = false;
    // A blocking restore is running: nothing new is started meanwhile.
    bool m_blocking = false;
    std::optional<DateChange> m_endOutcome;
    std::vector<Finished> m_endWaiting;
};
