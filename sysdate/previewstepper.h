// SPDX-License-Identifier: MIT
#pragma once

#include "systemdate.h"

#include <chrono>

struct FormState;
class DateKeeper;

// The days the preview sets: December 1992.
inline constexpr std::chrono::year_month PreviewMonth{
    std::chrono::year{1992}, std::chrono::December};

// Whether a date is one that the preview sets (or that a preview day runs on into that month).
constexpr bool isPreviewDay(std::chrono::year_month_day date)
{
    return date.year() / date.month() == PreviewMonth;
}

// One click on "Days": the next day of December 1992 becomes the date, so that the next tick
// shows that day's countdown and picture. The 26th click sets 26 December and then puts the true
// present date back, and the steps begin again; restored gets the outcome of putting it back.
void Label4_Click(FormState& state, DateKeeper& keeper, const SystemDate::Finished& restored = {});
