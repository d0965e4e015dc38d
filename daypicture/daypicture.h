// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <array>

class Clock;
class FormSurface;

// The 26 day pictures in the order in which they are hidden.
inline constexpr std::array<Control, 26> dayPictureOrder = {
    Control::Santa1,  Control::Santa2,  Control::Santa3,      Control::Santa4,
    Control::Santa5,  Control::Santa6,  Control::Santa7,      Control::Santa8,
    Control::Santa9,  Control::Santa10, Control::Santa11,     Control::Santa12,
    Control::Santa13, Control::Santa14, Control::Santa15,     Control::Santa16,
    Control::Santa17, Control::Santa18, Control::Santa19,     Control::Santa20,
    Control::Santa21, Control::Santa22, Control::Santa23,     Control::NightBefore,
    Control::XmassDay, Control::SantaNotDec,
};

// The picture for a calendar date: SantaN on N December (1 to 23), NightBefore on the 24th,
// XmassDay on the 25th, SantaNotDec on every other date.
Control DayPictureFor(unsigned month, unsigned day);

// Makes the day picture for the present date visible and hides the other 25, writing all 26 on
// every tick. The month is read twice, before and after the day; see the definition for why.
void ShowDayPicture(Clock& clock, FormSurface& form);
