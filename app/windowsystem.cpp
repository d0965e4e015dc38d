// SPDX-License-Identifier: MIT
#include "windowsystem.h"

#include "translations.h"

#include <QByteArray>
#include <QList>

#include <algorithm>
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

// What went wrong, as Qt's messages before its fatal one tell it: there is no display to reach,
// or the platform plugin asked for cannot be loaded.
QString whyNoWindow()
{
    const QString display = displayNamed();
    //: %1 says what is wrong with the display.
    const QString needsDisplay = Translations::early("WindowSystem",
        QT_TRANSLATE_NOOP("WindowSystem",
            "needs a graphical display to show its window, and %1.\nStart it from a desktop "
            "session."));
    const auto said = [](const char* words) {
        return std::find_if(heldMessages->cbegin(), heldMessages->cend(),
            [words](const HeldMessage& m) { return m.text.contains(QLatin1String(words)); });
    };
    // A display that is not there makes Qt give up on its plugin too; the display comes first.
    const bool noDisplay = said("could not connect to display") != heldMessages->cend()
        || said("Failed to create wl_display") != heldMessages->cend();
    if (const auto plugin = said("Qt platform plugin");
        !noDisplay && plugin != heldMessages->cend())
        //: %1 is Qt's own message, in English.
        return Translations::early(
            "WindowSystem", QT_TRANSLATE_NOOP("WindowSystem", "cannot show its window: %1"))
            .arg(plugin->text.trimmed());
    if (display.isEmpty())
        return needsDisplay.arg(Translations::early("WindowSystem",
            QT_TRANSLATE_NOOP("WindowSystem",
                "no graphical display is set (DISPLAY and WAYLAND_DISPLAY are empty)")));
    //: %1 names the display, as in DISPLAY=:0.
    return needsDisplay.arg(Translations::early("WindowSystem",
        QT_TRANSLATE_NOOP("WindowSystem", "the graphical display %1 cannot be reached"))
                                .arg(display));
}

// While the connection is made, Qt's messages are held back; a fatal one means that no window
// can be shown.
void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        heldMessages->append({type, QByteArray(context.category), text});
        return;
    }
    std::fprintf(stderr, "santa-count-down: %s\n", whyNoWindow().toLocal8Bit().constData());
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
    Translations::install();
    qInstallMessageHandler(previousHandler);
    heldMessages = nullptr;
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    return app;
}
