// SPDX-License-Identifier: MIT
#pragma once

#include "clocksetter.h"

// Sets the clock directly through the kernel. Only a process that holds the right to set the
// clock may do so; the hardware clock is left alone. Every change is answered at once.
class KernelClockSetter final : public ClockSetter
{
public:
    // Whether this process holds the right to set the clock right now.
    static bool processMaySetClock();

    QString way() const override { return QStringLiteral("kernel"); }
    void shift(std::chrono::microseconds offset, Finished finished) override;
    bool isPending() const override { return false; }
    void waitForAnswer() override { }
    DateChange shiftNow(
        std::chrono::microseconds offset, std::chrono::milliseconds timeout) override;
};
