// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class SystemDate;
class TerminationSignals;

// Puts the true present date back on every orderly end of the program while a preview has changed
// it: a termination signal, the end of the event loop, and the guard's own end. Putting back is
// harmless when nothing is changed, so every path may call it.
class RestoreGuard : public QObject
{
    Q_OBJECT

public:
    using Tell = std::function<void(const QString& reason)>;

    RestoreGuard(SystemDate& systemDate, Tell tellFailure, QObject* parent = nullptr);
    ~RestoreGuard() override;

    // Puts the date back now; a failure is told.
    bool restore();

private:
    void onTerminationSignal(int signalNumber);

    SystemDate& m_systemDate;
    Tell m_tellFailure;
    TerminationSignals* m_signals = nullptr;
};
