// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class LockFile;

// One copy of the program per session. The first copy holds a lock in the user's runtime folder
// (one that only they may use) for as long as it runs, and answers org.freedesktop.Application's
// Activate on the session bus under the program's application id. A second copy finds the lock
// taken, asks the first to come forward (where there is a session bus) and ends. Where no lock can
// be held at all, the program still runs, but cannot know that it is the only copy.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // Where no session bus runs, whoever asks for one (Qt's accessibility bridge does) would start
    // a message bus for the display that outlives the program: from now on they find none. To be
    // called before the window system is opened.
    static void neverStartASessionBus();

    explicit SingleInstance(const QString& appId, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Whether this copy runs on: it holds the lock, or no copy can hold one.
    bool isFirst() const;
    // Whether this copy holds the lock, so that it knows it is the only one.
    bool holdsLock() const;
    // Why no lock can be held; empty when one can.
    QString lockProblem() const;

    // The first copy: starts answering on the session bus, if there is one.
    void listen();

    // A second copy: asks the first to come forward. Returns whether it answered.
    bool bringFirstForward();

Q_SIGNALS:
    void activated();

private:
    QString m_appId;
    std::unique_ptr<LockFile> m_lock;
};
