// SPDX-License-Identifier: MIT
#include "processrights.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <linux/capability.h>
#include <sys/auxv.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace ProcessRights {

namespace {

bool clearCapabilities()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capset, &header, none) != 0)
        return false;
    // Ambient capabilities would survive an exec; none may be left.
    prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0);
    return true;
}

} // namespace

void dropSpecialRights()
{
    if (getauxval(AT_SECURE) == 0)
        return;
    const gid_t group = getgid();
    const uid_t user = getuid();
    // The group first: once the user is given up, the group could no longer be.
    const bool dropped = setresgid(group, group, group) == 0 && setresuid(user, user, user) == 0
        && clearCapabilities();
    if (!dropped) {
        std::fputs("santa-count-down: started with rights of its own (set-user-ID, set-group-ID "
                   "or file capabilities) that it cannot give up; it does not run that way.\n",
            stderr);
        std::_Exit(1);
    }
    std::fputs("santa-count-down: started with rights of its own (set-user-ID, set-group-ID or "
               "file capabilities); it has given them up and changes the date only through the "
               "system's date and time service, which asks for permission.\n",
        stderr);
}

void ignoreBrokenPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace ProcessRights
