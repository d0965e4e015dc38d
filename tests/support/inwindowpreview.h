// SPDX-License-Identifier: MIT
#pragma once

#include "inwindowdate.h"
#include "scriptedclock.h"

// A scripted computer clock with the program's window-only preview on it, wired as in the program.
struct InWindowPreview
{
    explicit InWindowPreview(DateValue computerReads) { computer.hold(computerReads); }

    ScriptedClock computer;
    PreviewClock preview{computer};
    InWindowDate systemDate{preview, computer};
};
