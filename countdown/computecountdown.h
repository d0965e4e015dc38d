// SPDX-License-Identifier: MIT
#pragma once

#include "countdowntotals.h"

class Clock;

// Reads the clock three times: for the year, for the test against that year's Christmas, and for
// the difference. A tick that straddles a second therefore sees the same moments a person would.
CountdownTotals ComputeCountdown(Clock& clock);
