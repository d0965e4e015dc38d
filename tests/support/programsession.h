// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTest>

// A test that cannot run on this machine is skipped with the reason; where every test must run
// (SCD_REQUIRE_EVERY_TEST is set, as in CI), it fails with it instead.
#define SCD_SKIP_WITH_REASON(reason)                                                               \
    do {                                                                                           \
        if (const QString scdReason = (reason); !scdReason.isEmpty()) {                            \
            if (qEnvironmentVariableIsSet("SCD_REQUIRE_EVERY_TEST"))                               \
                QFAIL(qPrintable(scdReason));                                                      \
            QSKIP(qPrintable(scdReason));                                                          \
        }                                                                                          \
    } while (false)

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

// The real program on a virtual display of its own, watched and clicked from outside as a person
// would. The program never holds the right to set the clock (as root it is started without it;
// otherwise it never had it), and it reaches no system bus unless the test gives it a mock one.
// Its runtime and state folders are the session's own, so sessions never meet. Every process the
// session starts ends with it, also when the test fails or dies.
class ProgramSession
{
public:
    struct Options
    {
        // The moment the program reads at its start, faked for that process only; empty for the
        // true time.
        QString moment;
        // Or: the file of a simulated clock's offset, which the program then reads its clock
        // through (a mock date service moves it).
        QString simulatedClock;
        // Set for the program (a mock system bus, a session bus).
        QProcessEnvironment environment;
        // The program to start: the one just built, unless a test has a copy of its own.
        QString binary;
        // The program's standard error is a pipe that nobody reads any more.
        bool brokenStandardError = false;
        // Run as this user rather than the test's (where the test runs as root); -1 for the
        // test's own.
        int user = -1;
    };

    explicit ProgramSession(const Options& options);
    // The program on the true clock, or at the given moment.
    static Options at(const QString& moment)
    {
        Options options;
        options.moment = moment;
        return options;
    }
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // Whether the right to set the clock can be kept from the program; the reason if not.
    static QString cannotStartSafely();
    // What a session needs and this machine lacks (a virtual display, the tools that look at it
    // and click, the library that fakes the moment), with the Debian packages; empty if nothing.
    static QString missingTools();
    // Why a test of the real program cannot run here, or nothing.
    static QString cannotRun();

    // Starts (another copy of) the program on this display, with this session's environment and
    // the given variables on top.
    void start(QProcess& process, const QStringList& arguments = {},
        const QProcessEnvironment& also = {}) const;
    // Starts the program with the process's own environment, never with the right to set the
    // clock; it ends with the test.
    static void startWithoutClockRight(QProcess& process, const QStringList& arguments = {},
        const QString& binary = {}, int standardError = -1, int user = -1);

    QProcess& program() { return m_program; }
    // Starts the program again on the same display, with the same folders, once the last copy
    // has ended (it is killed if it runs still); waits for its window.
    bool restart();
    // Waits for the program to end, answering every notice it shows meanwhile as a person would.
    bool waitForEnd(int milliseconds = 90000);
    // The program's standard error, as far as it has come.
    QString errors();

    // A program built with the sanitizers on a busy machine may take many seconds to start.
    bool waitForWindow();
    QString window() const { return m_window; }
    // The windows of every copy of the program on this display.
    QStringList programWindows() const;
    // The top-level windows of the program, as "id WxH".
    QStringList windows() const;
    // The program's other windows: its notices (of every copy).
    QStringList notices() const;
    QImage screenshot() const;
    void click(const QPoint& at) const { click(at, m_window); }
    void click(const QPoint& at, const QString& window) const;
    // Asks the window (or another) to close, as its frame's close button does
    // (WM_DELETE_WINDOW).
    void closeWindow() const;
    void closeWindow(const QString& window) const;
    // Answers a notice: closes it, as a person may.
    void dismiss(const QString& window) const;
    // Answers every notice on screen, and waits until none is left; first waits for one to show,
    // if one is expected.
    bool answerNotices(bool oneExpected = false) const;
    // The top-level windows of the display, the topmost first.
    QStringList stacking() const;
    // Starts another program on this display (it ends with the test).
    void startOnDisplay(
        QProcess& process, const QString& program, const QStringList& arguments) const;
    // Ends the display server, as a log-out does.
    void endDisplay();

    QString display() const { return m_display; }

private:
    QString run(const QString& program, const QStringList& arguments) const;
    bool isShown(const QString& window) const;

    QProcess m_xvfb;
    QProcess m_program;
    QTemporaryDir m_runtime;
    QTemporaryDir m_state;
    QProcessEnvironment m_env;
    QProcessEnvironment m_programEnv;
    QString m_display;
    QString m_window;
    QString m_errors;
    QString m_binary;
    int m_brokenStandardError = -1;
    int m_user = -1;
};
