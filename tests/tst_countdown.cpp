// SPDX-License-Identifier: MIT
#include "computecountdown.h"
#include "eventlog.h"
#include "localclock.h"
#include "recordingform.h"
#include "scriptedclock.h"
#include "showcountdowntexts.h"
#include "textformats.h"

#include <QTest>

#include <ctime>

using namespace std::chrono;

namespace {

QLocale english()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QStringList rendered(const CountdownTotals& totals, const QLocale& locale = english())
{
    return {FormatTotal(totals.SecondsLeft, locale), FormatTotal(totals.MinutesLeft, locale),
        FormatTotal(totals.HoursLeft, locale), FormatTotal(totals.DaysLeft, locale)};
}

} // namespace

class TestCountdown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneTick_data();
    void oneTick();
    void straddlingReadings_data();
    void straddlingReadings();
    void daylightSavingChanges_data();
    void daylightSavingChanges();

    void formatTotal_data();
    void formatTotal();
    void formatTotalHalves_data();
    void formatTotalHalves();

    void clockLines_data();
    void clockLines();
    void localeSettings_data();
    void localeSettings();

    void tickWritesSixLabelsInOrder();
};

// Every row is one tick whose readings are all the given moment: the three readings of the
// countdown and the two of the date and time lines.
void TestCountdown::oneTick_data()
{
    // clang-format off
    QTest::addColumn<DateValue>("moment");
    QTest::addColumn<QStringList>("totals"); // seconds, minutes, hours, days
    QTest::addColumn<QString>("dateLine");
    QTest::addColumn<QString>("timeLine");

    QTest::newRow("Sunday 1 Dec 2024 noon")
        << makeDateValue(2024, 12, 1, 12, 0, 0)
        << QStringList{"2030400.00", "33840.00", "564.00", "23.50"}
        << "Today is, Sunday December 01, 2024" << "at, 12:00:00 pm";
    QTest::newRow("last second of Christmas Eve")
        << makeDateValue(2024, 12, 24, 23, 59, 59) << QStringList{"1.00", ".02", ".00", ".00"}
        << "Today is, Tuesday December 24, 2024" << "at, 11:59:59 pm";
    QTest::newRow("Christmas midnight counts as this year")
        << makeDateValue(2024, 12, 25, 0, 0, 0) << QStringList{".00", ".00", ".00", ".00"}
        << "Today is, Wednesday December 25, 2024" << "at, 12:00:00 am";
    QTest::newRow("one second into Christmas counts to next year")
        << makeDateValue(2024, 12, 25, 0, 0, 1)
        << QStringList{"31535999.00", "525599.98", "8760.00", "365.00"}
        << "Today is, Wednesday December 25, 2024" << "at, 12:00:01 am";
    QTest::newRow("Christmas Day noon towards a leap year")
        << makeDateValue(2023, 12, 25, 12, 0, 0)
        << QStringList{"31579200.00", "526320.00", "8772.00", "365.50"}
        << "Today is, Monday December 25, 2023" << "at, 12:00:00 pm";
    QTest::newRow("Boxing Day morning")
        << makeDateValue(2023, 12, 26, 8, 30, 0)
        << QStringList{"31505400.00", "525090.00", "8751.50", "364.65"}
        << "Today is, Tuesday December 26, 2023" << "at, 08:30:00 am";
    QTest::newRow("last second of the year")
        << makeDateValue(2024, 12, 31, 23, 59, 59)
        << QStringList{"30931201.00", "515520.02", "8592.00", "358.00"}
        << "Today is, Tuesday December 31, 2024" << "at, 11:59:59 pm";
    QTest::newRow("first second of the year")
        << makeDateValue(2025, 1, 1, 0, 0, 0)
        << QStringList{"30931200.00", "515520.00", "8592.00", "358.00"}
        << "Today is, Wednesday January 01, 2025" << "at, 12:00:00 am";
    QTest::newRow("New Year's Day after midnight")
        << makeDateValue(2024, 1, 1, 0, 5, 9)
        << QStringList{"31017291.00", "516954.85", "8615.91", "359.00"}
        << "Today is, Monday January 01, 2024" << "at, 12:05:09 am";
    QTest::newRow("evening of a spring-forward day")
        << makeDateValue(2024, 3, 10, 19, 5, 9)
        << QStringList{"24987291.00", "416454.85", "6940.91", "289.20"}
        << "Today is, Sunday March 10, 2024" << "at, 07:05:09 pm";
    QTest::newRow("a preview day in 1992")
        << makeDateValue(1992, 12, 11, 9, 15, 0)
        << QStringList{"1176300.00", "19605.00", "326.75", "13.61"}
        << "Today is, Friday December 11, 1992" << "at, 09:15:00 am";
    QTest::newRow("1 December 1992 was a Tuesday")
        << makeDateValue(1992, 12, 1, 6, 0, 0)
        << QStringList{"2052000.00", "34200.00", "570.00", "23.75"}
        << "Today is, Tuesday December 01, 1992" << "at, 06:00:00 am";
    // clang-format on
}

void TestCountdown::oneTick()
{
    QFETCH(DateValue, moment);
    QFETCH(QStringList, totals);
    QFETCH(QString, dateLine);
    QFETCH(QString, timeLine);

    EventLog log;
    ScriptedClock clock(&log);
    RecordingForm form(log);
    clock.hold(moment);

    const CountdownTotals computed = ComputeCountdown(clock);
    QCOMPARE(clock.nowReadings(), 3);
    QCOMPARE(rendered(computed), totals);

    ShowCountdownTexts(computed, clock, form, english());
    QCOMPARE(clock.nowReadings(), 5);
    QCOMPARE(form.caption(Control::Label9), dateLine);
    QCOMPARE(form.caption(Control::Label10), timeLine);
}

void TestCountdown::straddlingReadings_data()
{
    // clang-format off
    QTest::addColumn<QList<DateValue>>("readings");
    QTest::addColumn<QStringList>("totals");

    // Readings 2 and 3 fall either side of the first second of Christmas: the target stays this
    // year's and the countdown is one second below zero. Totals that round to zero show no sign.
    QTest::newRow("Christmas midnight between readings 2 and 3")
        << QList<DateValue>{makeDateValue(2024, 12, 25), makeDateValue(2024, 12, 25),
                            makeDateValue(2024, 12, 25, 0, 0, 1)}
        << QStringList{"-1.00", "-.02", ".00", ".00"};
    // Readings 1 and 2 fall either side of New Year: reading 2 is compared with the earlier
    // year's Christmas, so the target is the coming one.
    QTest::newRow("New Year between readings 1 and 2")
        << QList<DateValue>{makeDateValue(2024, 12, 31, 23, 59, 59), makeDateValue(2025, 1, 1),
                            makeDateValue(2025, 1, 1)}
        << QStringList{"30931200.00", "515520.00", "8592.00", "358.00"};
    QTest::newRow("New Year between readings 2 and 3")
        << QList<DateValue>{makeDateValue(2024, 12, 31, 23, 59, 59),
                            makeDateValue(2024, 12, 31, 23, 59, 59), makeDateValue(2025, 1, 1)}
        << QStringList{"30931200.00", "515520.00", "8592.00", "358.00"};
    // Reading 1 in the last second of Christmas Eve, reading 2 a second later: still this year.
    QTest::newRow("Christmas midnight between readings 1 and 2")
        << QList<DateValue>{makeDateValue(2024, 12, 24, 23, 59, 59), makeDateValue(2024, 12, 25),
                            makeDateValue(2024, 12, 25)}
        << QStringList{".00", ".00", ".00", ".00"};
    // clang-format on
}

void TestCountdown::straddlingReadings()
{
    QFETCH(QList<DateValue>, readings);
    QFETCH(QStringList, totals);

    EventLog log;
    ScriptedClock clock(&log);
    for (DateValue reading : readings)
        clock.queue(reading);

    QCOMPARE(rendered(ComputeCountdown(clock)), totals);
    QCOMPARE(clock.nowReadings(), 3);
    QCOMPARE(clock.queued(), std::size_t(0));
    QVERIFY(!clock.ranDry());
}

// The countdown works on the wall clock: when the local clock goes back an hour the totals rise
// by an hour's worth, and when it springs forward they drop by one.
void TestCountdown::daylightSavingChanges_data()
{
    // clang-format off
    QTest::addColumn<qint64>("utcBefore");
    QTest::addColumn<double>("secondsChange");

    QTest::newRow("fall back: one second later, 3599 seconds more")
        << qint64(1730613599) << 3599.0;
    QTest::newRow("spring forward: one second later, 3601 seconds fewer")
        << qint64(1710053999) << -3601.0;
    // clang-format on
}

void TestCountdown::daylightSavingChanges()
{
    QFETCH(qint64, utcBefore);
    QFETCH(double, secondsChange);

    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", "America/New_York");
    tzset();
    const auto wallClockAt = [](qint64 utc) {
        return floor<seconds>(toLocalTime(WallTime{seconds{utc}}));
    };
    ScriptedClock before;
    before.hold(wallClockAt(utcBefore));
    ScriptedClock after;
    after.hold(wallClockAt(utcBefore + 1));
    qputenv("TZ", savedZone);
    tzset();

    const double change =
        ComputeCountdown(after).SecondsLeft - ComputeCountdown(before).SecondsLeft;
    QCOMPARE(std::round(change), secondsChange);
}

void TestCountdown::formatTotal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << ".00";
    QTest::newRow("below a half hundredth") << 0.004 << ".00";
    QTest::newRow("a half") << 0.5 << ".50";
    QTest::newRow("a sixtieth") << 1.0 / 60 << ".02";
    QTest::newRow("rounds up") << 12.345001 << "12.35";
    QTest::newRow("carries into the integer part") << 99.999 << "100.00";
    QTest::newRow("a leap year's seconds") << 31622400.0 << "31622400.00";
    QTest::newRow("more digits than the format's nine") << 1234567890.123 << "1234567890.12";
    QTest::newRow("minus one") << -1.0 << "-1.00";
    QTest::newRow("minus a sixtieth") << -1.0 / 60 << "-.02";
    QTest::newRow("negative that rounds to zero") << -1.0 / 3600 << ".00";
    QTest::newRow("negative day that rounds to zero") << -1.0 / 86400 << ".00";
    QTest::newRow("one") << 1.0 << "1.00";
    QTest::newRow("no grouping") << 1234567.0 << "1234567.00";
}

void TestCountdown::formatTotal()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatTotal(value, english()), text);
}

// Totals that lie exactly on a half hundredth, as they come out of the countdown's arithmetic,
// always round away from zero, whichever side of the half the double lands on.
void TestCountdown::formatTotalHalves_data()
{
    // clang-format off
    QTest::addColumn<int>("secondsLeft");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("days");

    QTest::newRow("18 s") << 18 << ".01" << ".00";
    QTest::newRow("54 s") << 54 << ".02" << ".00";
    QTest::newRow("432 s") << 432 << ".12" << ".01";
    QTest::newRow("1296 s") << 1296 << ".36" << ".02";
    QTest::newRow("a year less 432 s") << 31535568 << "8759.88" << "365.00";
    QTest::newRow("364 days and 18 s") << 364 * 86400 + 18 << "8736.01" << "364.00";
    QTest::newRow("364 days and 43632 s") << 364 * 86400 + 43632 << "8748.12" << "364.51";
    // clang-format on
}

void TestCountdown::formatTotalHalves()
{
    QFETCH(int, secondsLeft);
    QFETCH(QString, hours);
    QFETCH(QString, days);

    // Computed the way a tick computes them: from the clock, through the difference in days.
    ScriptedClock clock;
    clock.hold(christmasOf(2030) - seconds{secondsLeft});
    const CountdownTotals totals = ComputeCountdown(clock);
    QCOMPARE(FormatTotal(totals.HoursLeft, english()), hours);
    QCOMPARE(FormatTotal(totals.DaysLeft, english()), days);
    QCOMPARE(FormatTotal(-totals.HoursLeft, english()), QLatin1Char('-') + hours);
}

void TestCountdown::clockLines_data()
{
    // clang-format off
    QTest::addColumn<DateValue>("moment");
    QTest::addColumn<QString>("timeLine");

    QTest::newRow("midnight") << makeDateValue(2024, 12, 25, 0, 0, 0) << "12:00:00 am";
    QTest::newRow("last second of the morning") << makeDateValue(2024, 12, 25, 11, 59, 59)
                                                << "11:59:59 am";
    QTest::newRow("noon") << makeDateValue(2024, 12, 25, 12, 0, 0) << "12:00:00 pm";
    QTest::newRow("one in the afternoon") << makeDateValue(2024, 12, 25, 13, 0, 0)
                                          << "01:00:00 pm";
    QTest::newRow("one in the morning") << makeDateValue(2024, 12, 25, 1, 2, 3) << "01:02:03 am";
    // clang-format on
}

void TestCountdown::clockLines()
{
    QFETCH(DateValue, moment);
    QFETCH(QString, timeLine);
    QCOMPARE(FormatTimeLine(moment, english()), timeLine);
}

// Names and separators follow the locale; the digits, the order and "am"/"pm" never change.
void TestCountdown::localeSettings_data()
{
    // clang-format off
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("dateLine");
    QTest::addColumn<QString>("timeLine");

    QTest::newRow("German: decimal comma, German names")
        << QLocale(QLocale::German, QLocale::Germany) << "23,50"
        << "Sonntag Dezember 01, 2024" << "07:05:09 pm";
    QTest::newRow("Finnish: full stops between hours and minutes")
        << QLocale(QLocale::Finnish, QLocale::Finland) << "23,50"
        << "sunnuntai joulukuu 01, 2024" << "07.05.09 pm";
    QTest::newRow("French: decimal comma, French names")
        << QLocale(QLocale::French, QLocale::France) << "23,50"
        << "dimanche décembre 01, 2024" << "07:05:09 pm";
    QTest::newRow("English") << english() << "23.50" << "Sunday December 01, 2024" << "07:05:09 pm";
    // Arabic names set apart so the line keeps its order; Western digits with the Western point.
    QTest::newRow("Arabic")
        << QLocale(QLocale::Arabic, QLocale::Egypt) << "23.50"
        << "\u2068الأحد\u2069 \u2068ديسمبر\u2069 01, 2024" << "07:05:09 pm";
    // clang-format on
}

void TestCountdown::localeSettings()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, total);
    QFETCH(QString, dateLine);
    QFETCH(QString, timeLine);

    const DateValue moment = makeDateValue(2024, 12, 1, 19, 5, 9);
    QCOMPARE(FormatTotal(23.5, locale), total);
    QCOMPARE(FormatDateLine(moment, locale), dateLine);
    QCOMPARE(FormatTimeLine(moment, locale), timeLine);
}

// The four totals first, in the order seconds, minutes, hours, days; then a reading for the date
// line and another for the time line, each written right after its own reading.
void TestCountdown::tickWritesSixLabelsInOrder()
{
    EventLog log;
    ScriptedClock clock(&log);
    RecordingForm form(log);
    // Midnight falls between the date line's reading and the time line's.
    clock.queue({makeDateValue(2024, 12, 24, 23, 59, 58), makeDateValue(2024, 12, 24, 23, 59, 58),
        makeDateValue(2024, 12, 24, 23, 59, 58), makeDateValue(2024, 12, 24, 23, 59, 59),
        makeDateValue(2024, 12, 25, 0, 0, 0)});

    ShowCountdownTexts(ComputeCountdown(clock), clock, form, english());

    const QStringList expected = {
        "now 12-24-2024 23:59:58",
        "now 12-24-2024 23:59:58",
        "now 12-24-2024 23:59:58",
        "caption SecLabel = 2.00",
        "caption MinLabel = .03",
        "caption HouLabel = .00",
        "caption DayLabel = .00",
        "now 12-24-2024 23:59:59",
        "caption Label9 = Today is, Tuesday December 24, 2024",
        "now 12-25-2024 00:00:00",
        "caption Label10 = at, 12:00:00 am",
    };
    QCOMPARE(log.entries(), expected);
    QVERIFY(!clock.ranDry());
}

QTEST_GUILESS_MAIN(TestCountdown)
#include "tst_countdown.moc"
