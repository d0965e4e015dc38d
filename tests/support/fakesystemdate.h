// SPDX-License-Identifier: MIT
#pragma once

#include "systemdate.h"

#include <QStringList>

class EventLog;

// A system date that only records: "set 12-01-1992" and "restore" (a restore is recorded only
// when something was changed, as a real one would act only then). It can be told to refuse.
class FakeSystemDate final : public SystemDate
{
public:
    explicit FakeSystemDate(EventLog* log = nullptr, QString current = QStringLiteral("12-09-2026"));

    void refuseSetting(const QString& reason) { m_refuseSet = reason; }
    void refuseRestoring(const QString& reason) { m_refuseRestore = reason; }

    QString currentDateText() override { return m_current; }
    DateChange setDate(const QString& dateText) override;
    DateChange restore() override;
    bool isChanged() const override { return m_changed; }

    const QStringList& datesSet() const { return m_datesSet; }
    int restores() const { return m_restores; }

private:
    EventLog* m_log;
    QString m_current;
    QString m_original;
    QString m_refuseSet;
    QString m_refuseRestore;
    QStringList m_datesSet;
    int m_restores = 0;
    bool m_changed = false;
};
