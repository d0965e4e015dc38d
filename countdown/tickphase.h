// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>

// The tick is every 1000 ms, but the wall clock's seconds are what the window shows. A tick that
// comes just before a second begins, with the next one just after the following second begins,
// would skip a second in the seconds total and the time line (or show one twice). So ticks are
// kept a little after the start of a wall-clock second, where the usual jitter of a timer cannot
// carry them across it.
inline constexpr std::chrono::milliseconds TickPhaseTarget{50};
inline constexpr std::chrono::milliseconds TickPhaseEarliest{10};
inline constexpr std::chrono::milliseconds TickPhaseLatest{400};

// Given the wall-clock reading taken at a tick, nothing while the tick lies well within its
// window after the start of the second; otherwise how long to wait for the moment the next tick
// should come (TickPhaseTarget after the start of the next second).
std::optional<std::chrono::milliseconds> tickRealignment(double secondsSinceMidnight);
