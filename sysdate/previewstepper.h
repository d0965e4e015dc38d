// SPDX-License-Identifier: MIT
#pragma once

#include "systemdate.h"

struct FormState;
class DateRequests;

// One click on "Days": the next day of December 1992 becomes the date, so that the next tick
// shows that day's countdown and picture. The 26th click sets 26 December and then puts the true
// present date back, and the steps begin again; restored gets the outcome of putting it back.
void Label4_Click(FormState& state, DateRequests& requests, SystemDate::Finished restored = {});
