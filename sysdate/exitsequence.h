// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <chrono>
#include <functional>

class Clock;
class FormSurface;
class SystemDate;

inline constexpr std::chrono::seconds FarewellTime{3};

struct ExitServices
{
    // Passes time without serving any event: sleeps for at most the given time.
    std::function<void(std::chrono::nanoseconds)> sleep;
    // Tells the person that putting the date back failed; the program still ends.
    std::function<void(const QString& reason)> tellRestoreFailure;
};

// EXIT: puts the true present date back (if this run changed it), strips the window down to the
// farewell screen, holds it for three seconds on the elapsed-time clock and ends the program.
void ExitSequence(SystemDate& systemDate, Clock& clock, FormSurface& form,
                  const ExitServices& services);
