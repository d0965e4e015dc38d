// SPDX-License-Identifier: MIT
#include "commandline.h"
#include "processrights.h"
#include "program.h"
#include "singleinstance.h"
#include "windowsystem.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    ProcessRights::dropSpecialRights();
    ProcessRights::ignoreBrokenPipes();
    if (const auto answered = CommandLine::handle(argc, argv))
        return *answered;
    SingleInstance::neverStartASessionBus();
    const auto app = openWindowSystem(argc, argv);
    nameApplication();

    SingleInstance instance(QStringLiteral(SCD_APP_ID));
    if (!instance.isFirst()) {
        const bool broughtForward = instance.bringFirstForward();
        const QString said = broughtForward
            ? QCoreApplication::translate(
                "Main", "santa-count-down: already running; its window is brought forward.")
            : QCoreApplication::translate("Main", "santa-count-down: already running.");
        std::fprintf(stderr, "%s\n", said.toLocal8Bit().constData());
        return 0;
    }
    Program program(instance);
    program.start(instance);
    return program.exitStatus(QApplication::exec());
}
