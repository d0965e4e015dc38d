// SPDX-License-Identifier: MIT
#pragma once

#include "datechange.h"

struct FormState;
class SystemDate;

// One click on "Days": the next day of December 1992 becomes the date, so that the next tick
// shows that day's countdown and picture. The 26th click sets 26 December and then puts the true
// present date back, and the steps begin again. Returns the outcome of putting the date back (a
// success when there was nothing to put back).
DateChange Label4_Click(FormState& state, SystemDate& systemDate);
