// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A lock on a file in a folder that only this user may write to, held for as long as this object
// lives and let go by the system when the process ends, however it ends. The folder is made if it
// is missing. Nothing else that is found there is trusted: a link, a file of another user's, or a
// folder that others may write to make the lock unusable rather than be followed or shared.
class LockFile
{
public:
    enum class State {
        Held,
        // Another process of this user's holds it.
        HeldElsewhere,
        // No lock can be held here; problem() says why.
        Unusable
    };

    explicit LockFile(const QString& path);
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    State state() const { return m_state; }
    bool isHeld() const { return m_state == State::Held; }
    const QString& problem() const { return m_problem; }

private:
    int m_fd = -1;
    State m_state = State::Unusable;
    QString m_problem;
};
