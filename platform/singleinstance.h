// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

// One copy of the program per session. The first copy holds a lock in the session's runtime
// folder for as long as it runs, and answers org.freedesktop.Application's Activate on the session
// bus under the program's application id. A second copy finds the lock taken, asks the first to
// come forward (where there is a session bus) and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& appId, QObject* parent = nullptr);
    ~SingleInstance() override;

    bool isFirst() const { return m_first; }

    // The first copy: starts answering on the session bus, if there is one.
    void listen();

    // A second copy: asks the first to come forward. Returns whether it answered.
    bool bringFirstForward();

Q_SIGNALS:
    void activated();

private:
    QString m_appId;
    int m_lock = -1;
    bool m_first = true;
};
