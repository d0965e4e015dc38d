// SPDX-License-Identifier: MIT
#pragma once

#include "datetexts.h"

#include <chrono>
#include <functional>

class Clock;
class DateKeeper;
class FormSurface;

inline constexpr std::chrono::seconds FarewellTime{3};

struct ExitServices
{
    // Passes time without serving any event: sleeps for at most the given time.
    std::function<void(std::chrono::nanoseconds)> sleep;
    // Tells the person what putting the date back leaves to tell (it failed, say), and returns
    // once they have read it; the program still ends.
    std::function<void(const DateNotice& notice)> tell;
};

// EXIT: puts the true present date back (if this run changed it, once whatever change is under
// way has been answered), strips the window down to the farewell screen, holds it for three
// seconds on the elapsed-time clock and ends the program: with status 0, or 1 when the date could
// not be put back.
void ExitSequence(
    DateKeeper& keeper, Clock& clock, FormSurface& form, const ExitServices& services);
