// SPDX-License-Identifier: MIT
#pragma once

#include "datetexts.h"

#include <QObject>

#include <functional>

class DateKeeper;
class TerminationSignals;

// Hands every way the program can end to the date keeper, which puts the date back once per end:
// a closed window, a termination signal, a session about to end, the end of the event loop, the
// guard's own end and, once restoreAtExit is called, the process's exit() (which is how a lost
// display ends it). It tells the person what a restore leaves to tell, and ends the event loop
// with the keeper's status.
class RestoreGuard : public QObject
{
    Q_OBJECT

public:
    // Tells the person about the date: in the window, waiting for them to read it, when
    // inWindow; otherwise on standard error.
    using Tell = std::function<void(const DateNotice& notice, bool inWindow)>;

    RestoreGuard(DateKeeper& keeper, Tell tell, QObject* parent = nullptr);
    ~RestoreGuard() override;

    // Closing this window during a preview first puts the date back, then ends the program.
    void guardClosing(QObject* window);

    // Ends the program in order: the date is put back (once whatever is under way has been
    // answered), then the event loop ends with the status, or 1 if the date stays changed.
    void endProgram(int status);

    // The session is about to end (and may yet go on): the date goes back at once.
    void sessionEnding();

    // The last chance, where no event loop runs any more.
    void finish();

    // From now on, exit() puts the date back before the process ends. Call it again after a
    // library with its own cleanup at exit (the D-Bus connection) has started, so that the
    // restore runs before that cleanup.
    void restoreAtExit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onTerminationSignal(int signalNumber);
    void tellAfterRestore(const DateChange& restored, bool inWindow);

    DateKeeper& m_keeper;
    Tell m_tell;
    TerminationSignals* m_signals = nullptr;
};
