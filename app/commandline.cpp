// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <vector>

namespace {

constexpr int usageError = 2;

// The options that QGuiApplication and QApplication take for themselves.
const char* const qtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
    "display", "style", "stylesheet", "qwindowgeometry", "geometry", "qwindowtitle", "title",
    "qwindowicon", "name", "session", "dialogs", "qmljsdebugger"};
const char* const qtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : qtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : qtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> CommandLine::handle(int argc, char* argv[])
{
    // Started as a desktop starts it, with nothing to read: start at once.
    if (argc < 2)
        return std::nullopt;

    // Parsing needs an application object, but not a display. It is given the program's name, not
    // the path it was started by, for the usage line.
    char programName[] = "santa-count-down";
    std::vector<char*> named(argv, argv + argc);
    named.front() = programName;
    int namedCount = argc;
    QCoreApplication parsing(namedCount, named.data());
    QCoreApplication::setApplicationName(QStringLiteral("santa-count-down"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SCD_VERSION));
    Translations::install();

    QCommandLineParser parser;
    //: The lines of --help, each at most 80 characters. "Days" and EXIT are the window's own
    //: captions, which stay in English.
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine",
        "Counts down to Christmas: once a second, one window shows the time left until\n"
        "midnight at the start of 25 December in days, hours, minutes and seconds, with\n"
        "the date, the time and a picture for the day.\n"
        "\n"
        "A click on \"Days\" previews the December pictures, one day of December 1992 per\n"
        "click. This changes the computer's date, and asks for permission to do so; without\n"
        "permission the preview happens inside the window only. EXIT, the 26th click and\n"
        "every other end of the program put the true date and time back. Only one copy\n"
        "runs at a time: starting it again brings its window forward."));
    // -platform and the other Qt options are single-dash words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    addQtOptions(parser);

    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr,
            //: %1 is Qt's own message about the command line.
            QCoreApplication::translate(
                "CommandLine", "santa-count-down: %1\nTry 'santa-count-down --help'.\n")
                .arg(parser.errorText()));
        return usageError;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("santa-count-down %1\n").arg(QStringLiteral(SCD_VERSION)));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr,
            QCoreApplication::translate("CommandLine",
                "santa-count-down: unexpected argument '%1'\nTry 'santa-count-down --help'.\n")
                .arg(parser.positionalArguments().constFirst()));
        return usageError;
    }
    return std::nullopt;
}
