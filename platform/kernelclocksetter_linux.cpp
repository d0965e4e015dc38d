// SPDX-License-Identifier: MIT
#include "kernelclocksetter.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace std::chrono;

bool KernelClockSetter::processMaySetClock()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    return (data[CAP_SYS_TIME / 32].effective & (1u << (CAP_SYS_TIME % 32))) != 0;
}

DateChange KernelClockSetter::shiftNow(microseconds offset, milliseconds)
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    const auto target = seconds{ts.tv_sec} + nanoseconds{ts.tv_nsec} + offset;
    const auto wholeSeconds = floor<seconds>(target);
    ts.tv_sec = time_t(wholeSeconds.count());
    ts.tv_nsec = long((target - wholeSeconds).count());
    if (clock_settime(CLOCK_REALTIME, &ts) == 0)
        return DateChange::success();
    const int error = errno;
    if (error == EPERM)
        return DateChange::refused(DateChange::Cause::NoRight);
    return DateChange::refused(
        DateChange::Cause::ClockError, QString::fromLocal8Bit(std::strerror(error)));
}

void KernelClockSetter::shift(microseconds offset, Finished finished)
{
    finished(shiftNow(offset, milliseconds{0}));
}
