// SPDX-License-Identifier: MIT
#include "tickphase.h"

#include <QTest>

using namespace std::chrono;

class TestTickPhase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void realignment_data();
    void realignment();
};

void TestTickPhase::realignment_data()
{
    QTest::addColumn<double>("secondsSinceMidnight");
    QTest::addColumn<int>("delayMs"); // -1: no realignment

    QTest::newRow("on target") << 43200.050 << -1;
    QTest::newRow("early in the window") << 43200.010 << -1;
    QTest::newRow("late in the window") << 43200.400 << -1;
    QTest::newRow("right at the second") << 43200.000 << 1050;
    QTest::newRow("just before the next second") << 43200.999 << 51;
    QTest::newRow("mid-second") << 43200.500 << 550;
    QTest::newRow("just before midnight") << 86399.990 << 60;
    QTest::newRow("just after midnight") << 0.002 << 1048;
}

void TestTickPhase::realignment()
{
    QFETCH(double, secondsSinceMidnight);
    QFETCH(int, delayMs);

    const auto delay = tickRealignment(secondsSinceMidnight);
    if (delayMs < 0) {
        QVERIFY(!delay);
    } else {
        QVERIFY(delay);
        QCOMPARE(delay->count(), delayMs);
        // The realigned tick lands on the target phase of a later second.
        const double landing = secondsSinceMidnight + double(delay->count()) / 1000;
        QCOMPARE(std::llround((landing - std::floor(landing)) * 1000), 50LL);
    }
}

QTEST_GUILESS_MAIN(TestTickPhase)
#include "tst_tickphase.moc"
