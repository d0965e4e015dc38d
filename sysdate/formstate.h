// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

// What the window remembers between events. Nothing of it is saved anywhere.
struct FormState
{
    // The date text of the day the program started, captured once at load.
    QString StartupDate;
    // The preview stepper's click counter, 0 when no preview is under way, else 1 to 25.
    std::int16_t PreviewDay = 0;
    // The two-digit day that the stepper built on its last click; empty before the first.
    QString PreviewDayText;
};
