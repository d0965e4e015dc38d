// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <array>

class Clock;
class FormSurface;

// The 26 day pictures in the order in which a tick writes them: the enumeration's own.
inline constexpr std::array<Control, DayPictureCount> dayPictureOrder = dayPictures();

// The picture for a calendar date: SantaN on N December (1 to 23), NightBefore on the 24th,
// XmassDay on the 25th, SantaNotDec on every other date.
Control DayPictureFor(unsigned month, unsigned day);

// Makes the day picture for the present date visible and hides the other 25, writing all 26 on
// every tick. The month is read twice, before and after the day; see the definition for why.
void ShowDayPicture(Clock& clock, FormSurface& form);
