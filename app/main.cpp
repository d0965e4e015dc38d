// SPDX-License-Identifier: MIT
#include "commandline.h"
#include "program.h"
#include "windowsystem.h"

int main(int argc, char* argv[])
{
    if (const auto answered = CommandLine::handle(argc, argv))
        return *answered;
    const auto app = openWindowSystem(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Santa Count Down"));
    Program program;
    program.window().show();
    return QApplication::exec();
}
