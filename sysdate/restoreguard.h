// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class DateRequests;
class TerminationSignals;

// Puts the true present date back on every end of the program while a preview has changed it
// (or may have): a closed window, a termination signal, the end of the event loop, the guard's
// own end and, once restoreAtExit is called, the process's exit() (which is how a lost display
// ends it). The person is asked once per end; an end that leaves the date changed ends with a
// non-zero status.
class RestoreGuard : public QObject
{
    Q_OBJECT

public:
    // Tells the person that the date could not be put back: in the window, waiting for them to
    // read it, when inWindow; otherwise on standard error.
    using Tell = std::function<void(const QString& reason, bool inWindow)>;

    RestoreGuard(DateRequests& requests, Tell tellFailure, QObject* parent = nullptr);
    ~RestoreGuard() override;

    // Closing this window during a preview first puts the date back, then ends the program.
    void guardClosing(QObject* window);

    // Ends the program in order: the date is put back (once whatever is under way has been
    // answered), then the event loop ends with the status, or 1 if the date stays changed.
    void endProgram(int status);

    // The last chance, where no event loop runs any more; does its work once.
    void finish();

    // The session is about to end (and may yet go on): the date goes back at once.
    void restoreForSessionEnd();

    // The status to end with: the given one, or 1 when the date could not be put back.
    int exitStatus(int status) const;

    // From now on, exit() puts the date back before the process ends. Call it again after a
    // library with its own cleanup at exit (the D-Bus connection) has started, so that the
    // restore runs before that cleanup.
    void restoreAtExit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTerminationSignal(int signalNumber);

    DateRequests& m_requests;
    Tell m_tellFailure;
    TerminationSignals* m_signals = nullptr;
    bool m_ending = false;
    bool m_finished = false;
    bool m_failed = false;
};
