// SPDX-License-Identifier: MIT
#include "form1.h"
#include "localclock.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Santa Count Down"));
    LocalClock clock;
    Form1 form(clock);
    form.show();
    return QApplication::exec();
}
