// SPDX-License-Identifier: MIT
#include "childprocess.h"

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

void endWithTest(QProcess& process, int standardError)
{
    const pid_t test = ::getpid();
    process.setChildProcessModifier([test, standardError] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The test may have ended between the fork and the line above.
        if (::getppid() != test)
            ::_exit(1);
        if (standardError >= 0)
            ::dup2(standardError, STDERR_FILENO);
    });
}
