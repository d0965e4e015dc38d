// SPDX-License-Identifier: MIT
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Santa Count Down"));
    Program program;
    program.window().show();
    return QApplication::exec();
}
