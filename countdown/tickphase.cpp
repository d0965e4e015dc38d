// SPDX-License-Identifier: MIT
#include "tickphase.h"

#include <cmath>

using namespace std::chrono;

std::optional<milliseconds> tickRealignment(double secondsSinceMidnight)
{
    const double phase = secondsSinceMidnight - std::floor(secondsSinceMidnight);
    const auto phaseMs = milliseconds(std::llround(phase * 1000));
    if (phaseMs >= TickPhaseEarliest && phaseMs <= TickPhaseLatest)
        return std::nullopt;
    return seconds{1} - phaseMs + TickPhaseTarget;
}
