// SPDX-License-Identifier: MIT
#pragma once

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
        // Set for the program (a mock system bus, a session bus).
        QProcessEnvironment environment;
    };

    explicit ProgramSession(const Options& options);
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // Whether the right to set the clock can be kept from the program; the reason if not.
    static QString cannotStartSafely();

    // Starts (another copy of) the program on this display, with this session's environment.
    void start(QProcess& process, const QStringList& arguments = {}) const;
    // Starts the program with the process's own environment, never with the right to set the
    // clock; it ends with the test.
    static void startWithoutClockRight(QProcess& process, const QStringList& arguments = {});

    QProcess& program() { return m_program; }
    // The program's standard error, as far as it has come.
    QString errors();

    // A program built with the sanitizers on a busy machine may take many seconds to start.
    bool waitForWindow();
    QString window() const { return m_window; }
    // The top-level windows of the program, as "id WxH".
    QStringList windows() const;
    // The program's other windows: its notices.
    QStringList notices() const;
    QImage screenshot() const;
    void click(const QPoint& at) const;
    // Answers a notice with Return.
    void dismiss(const QString& window) const;
    // The top-level windows of the display, the topmost first.
    QStringList stacking() const;
    // Starts another program on this display (it ends with the test).
    void startOnDisplay(
        QProcess& process, const QString& program, const QStringList& arguments) const;
    // Ends the display server, as a log-out does.
    void endDisplay();

    QString stateFolder() const { return m_state.path(); }
    qint64 sinceStart() const { return m_started.elapsed(); }

private:
    QString run(const QString& program, const QStringList& arguments) const;

    QProcess m_xvfb;
    QProcess m_program;
    QTemporaryDir m_runtime;
    QTemporaryDir m_state;
    QProcessEnvironment m_env;
    QProcessEnvironment m_programEnv;
    QString m_display;
    QString m_window;
    QString m_errors;
    QElapsedTimer m_started;
};
