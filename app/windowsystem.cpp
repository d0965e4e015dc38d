// SPDX-License-Identifier: MIT
#include "windowsystem.h"

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;

QString displayNamed()
{
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return QStringLiteral("%1=%2").arg(
                QLatin1String(variable), QString::fromLocal8Bit(value));
    }
    return {};
}

// While the connection is made, Qt's messages are held back; a fatal one means there is no
// display to show the window on.
void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages->append({type, QByteArray(context.category), text});
        return;
    }
    const QString display = displayNamed();
    const QString why = display.isEmpty()
        ? QStringLiteral("no graphical display is set (DISPLAY and WAYLAND_DISPLAY are empty)")
        : QStringLiteral("the graphical display %1 cannot be reached").arg(display);
    std::fprintf(stderr,
        "santa-count-down: needs a graphical display to show its window, and %s.\n"
        "Start it from a desktop session.\n",
        why.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

void nameApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("Santa Count Down"));
    QGuiApplication::setDesktopFileName(QStringLiteral(SCD_APP_ID));
}

std::unique_ptr<QApplication> openWindowSystem(int& argc, char* argv[])
{
    QList<HeldMessage> held;
    heldMessages = &held;
    previousHandler = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    heldMessages = nullptr;
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    return app;
}
