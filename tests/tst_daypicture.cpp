// SPDX-License-Identifier: MIT
#include "daypicture.h"
#include "eventlog.h"
#include "recordingform.h"
#include "scriptedclock.h"

#include <QTest>

using namespace std::chrono;

namespace {

Control expectedPicture(unsigned month, unsigned day)
{
    if (month == 12 && day <= 23)
        return santaForDay(int(day));
    if (month == 12 && day == 24)
        return Control::NightBefore;
    if (month == 12 && day == 25)
        return Control::XmassDay;
    return Control::SantaNotDec;
}

// The 26 writes of showing one picture: it first, then the others in the day picture order.
QStringList showing(Control picture)
{
    QStringList writes{QStringLiteral("show ") + controlName(picture)};
    for (Control other : dayPictureOrder) {
        if (other != picture)
            writes << QStringLiteral("hide ") + controlName(other);
    }
    return writes;
}

QString reading(const DateValue& value)
{
    return QStringLiteral("now ") + ScriptedClock::describe(value);
}

} // namespace

class TestDayPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyDayOfTheYear_data();
    void everyDayOfTheYear();
    void namedDays_data();
    void namedDays();
    void dayPictureOrder();
    void oneTick_data();
    void oneTick();
    void monthChangesWithinOneTick_data();
    void monthChangesWithinOneTick();
};

void TestDayPicture::everyDayOfTheYear_data()
{
    QTest::addColumn<int>("year");
    QTest::newRow("leap year 2024") << 2024;
    QTest::newRow("common year 2025") << 2025;
    QTest::newRow("preview year 1992, a leap year") << 1992;
}

void TestDayPicture::everyDayOfTheYear()
{
    QFETCH(int, year);
    int days = 0;
    int santaNotDec = 0;
    for (sys_days d = sys_days{std::chrono::year{year} / January / 1};
         d <= sys_days{std::chrono::year{year} / December / 31}; d += std::chrono::days{1}) {
        const year_month_day date{d};
        const unsigned month = unsigned(date.month());
        const unsigned day = unsigned(date.day());
        const Control picture = DayPictureFor(month, day);
        QCOMPARE(picture, expectedPicture(month, day));
        ++days;
        santaNotDec += picture == Control::SantaNotDec;
    }
    const bool leap = std::chrono::year{year}.is_leap();
    QCOMPARE(days, leap ? 366 : 365);
    QCOMPARE(santaNotDec, days - 25);
}

void TestDayPicture::namedDays_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<Control>("picture");

    QTest::newRow("1 December") << 12 << 1 << Control::Santa1;
    QTest::newRow("16 December") << 12 << 16 << Control::Santa16;
    QTest::newRow("23 December") << 12 << 23 << Control::Santa23;
    QTest::newRow("Christmas Eve") << 12 << 24 << Control::NightBefore;
    QTest::newRow("Christmas Day") << 12 << 25 << Control::XmassDay;
    QTest::newRow("Boxing Day") << 12 << 26 << Control::SantaNotDec;
    QTest::newRow("New Year's Eve") << 12 << 31 << Control::SantaNotDec;
    QTest::newRow("1 November") << 11 << 1 << Control::SantaNotDec;
    QTest::newRow("a day 24 outside December") << 11 << 24 << Control::SantaNotDec;
    QTest::newRow("no day 0 in December") << 12 << 0 << Control::SantaNotDec;
}

void TestDayPicture::namedDays()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(Control, picture);
    QCOMPARE(DayPictureFor(unsigned(month), unsigned(day)), picture);
}

void TestDayPicture::dayPictureOrder()
{
    QStringList names;
    for (Control picture : ::dayPictureOrder)
        names << controlName(picture);
    QStringList expected;
    for (int n = 1; n <= 23; ++n)
        expected << QStringLiteral("Santa%1").arg(n);
    expected += {"NightBefore", "XmassDay", "SantaNotDec"};
    QCOMPARE(names, expected);
}

// A December tick reads month, day and month again and writes once (26 writes); a tick in any
// other month reads the month twice and writes once.
void TestDayPicture::oneTick_data()
{
    // clang-format off
    QTest::addColumn<DateValue>("moment");
    QTest::addColumn<Control>("picture");

    QTest::newRow("1 December at midnight") << makeDateValue(2024, 12, 1) << Control::Santa1;
    QTest::newRow("1 December, last second") << makeDateValue(2024, 12, 1, 23, 59, 59)
                                             << Control::Santa1;
    QTest::newRow("12-05-1992: the year plays no part") << makeDateValue(1992, 12, 5, 9)
                                                        << Control::Santa5;
    QTest::newRow("16 December") << makeDateValue(2026, 12, 16, 8) << Control::Santa16;
    QTest::newRow("Christmas Eve") << makeDateValue(2024, 12, 24, 18) << Control::NightBefore;
    QTest::newRow("Christmas Day") << makeDateValue(2024, 12, 25, 7) << Control::XmassDay;
    QTest::newRow("26 December") << makeDateValue(2024, 12, 26, 7) << Control::SantaNotDec;
    QTest::newRow("31 December") << makeDateValue(2024, 12, 31, 23) << Control::SantaNotDec;
    QTest::newRow("July") << makeDateValue(2025, 7, 14, 12) << Control::SantaNotDec;
    QTest::newRow("30 November, last second") << makeDateValue(2024, 11, 30, 23, 59, 59)
                                              << Control::SantaNotDec;
    // clang-format on
}

void TestDayPicture::oneTick()
{
    QFETCH(DateValue, moment);
    QFETCH(Control, picture);

    EventLog log;
    ScriptedClock clock(&log);
    RecordingForm form(log);
    clock.hold(moment);
    ShowDayPicture(clock, form);

    QStringList expected;
    if (monthOf(moment) == 12)
        expected << reading(moment) << reading(moment) << showing(picture) << reading(moment);
    else
        expected << reading(moment) << reading(moment) << showing(picture);
    QCOMPARE(log.entries(), expected);
    QCOMPARE(form.visibleControls(), QList<Control>{picture});
}

// The month may change between the tick's readings.
void TestDayPicture::monthChangesWithinOneTick_data()
{
    // clang-format off
    QTest::addColumn<QList<DateValue>>("readings");
    QTest::addColumn<QStringList>("writes");

    // 31 December to 1 January: the day reading says 1, so Santa1 goes up for a moment, and the
    // second month reading puts SantaNotDec up by the end of the tick.
    QTest::newRow("New Year's Eve to New Year")
        << QList<DateValue>{makeDateValue(2024, 12, 31, 23, 59, 59), makeDateValue(2025, 1, 1),
                            makeDateValue(2025, 1, 1)}
        << (showing(Control::Santa1) + showing(Control::SantaNotDec));
    // 30 November to 1 December: neither rule applies in this tick; nothing is written.
    QTest::newRow("November to December")
        << QList<DateValue>{makeDateValue(2024, 11, 30, 23, 59, 59), makeDateValue(2024, 12, 1)}
        << QStringList{};
    // Midnight between the first month reading and the day reading within December.
    QTest::newRow("23 to 24 December")
        << QList<DateValue>{makeDateValue(2024, 12, 23, 23, 59, 59), makeDateValue(2024, 12, 24),
                            makeDateValue(2024, 12, 24)}
        << showing(Control::NightBefore);
    // clang-format on
}

void TestDayPicture::monthChangesWithinOneTick()
{
    QFETCH(QList<DateValue>, readings);
    QFETCH(QStringList, writes);

    EventLog log;
    ScriptedClock clock(&log);
    RecordingForm form(log);
    for (DateValue value : readings)
        clock.queue(value);
    ShowDayPicture(clock, form);

    QStringList seenWrites = log.entries();
    seenWrites.removeIf(
        [](const QString& entry) { return entry.startsWith(QLatin1String("now")); });
    QCOMPARE(seenWrites, writes);
    QCOMPARE(clock.nowReadings(), readings.size());
    QVERIFY(!clock.ranDry());
}

QTEST_GUILESS_MAIN(TestDayPicture)
#include "tst_daypicture.moc"
