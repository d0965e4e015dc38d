// SPDX-License-Identifier: MIT
#pragma once

#include "datetexts.h"
#include "previewrecord.h"

// What this start makes of the note that an earlier run left when it ended during a preview
// without putting the date back. The note is repaired from only when it is plausible: written on
// this boot, its true time no earlier than this program's release, its boot clock readings not
// ahead of the boot clock now, and the computer's clock reading a day that the preview sets. A
// note whose true present the clock already shows is removed quietly. Anything else is told
// plainly, and the clock is left alone.
struct LeftoverVerdict
{
    enum class Action {
        // No note.
        Nothing,
        // The clock is right; the note only needs removing.
        RemoveQuietly,
        // Put the true present of the anchor back, then remove the note.
        Repair,
        // Tell the notice, touch nothing, remove the note.
        Tell
    };

    Action action = Action::Nothing;
    TrueTimeAnchor anchor;
    DateNotice notice;
};

// The moment of this start.
struct StartReadings
{
    WallTime clock;
    std::chrono::nanoseconds bootClock{0};
    QString bootId;
};

// The first day a note of this program can come from.
WallTime releaseDay();

// wayAvailable: the way the note names can set the clock in this run.
LeftoverVerdict judgeLeftover(const PreviewRecord::Reading& found, const QString& path,
    const StartReadings& now, bool wayAvailable);
