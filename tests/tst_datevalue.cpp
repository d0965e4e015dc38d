// SPDX-License-Identifier: MIT
#include "datevalue.h"
#include "localclock.h"

#include <QTest>

#include <ctime>

using namespace std::chrono;

class TestDateValue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateText_data();
    void dateText();
    void parseDateText_data();
    void parseDateText();
    void daysBetween_data();
    void daysBetween();
    void localWallClock_data();
    void localWallClock();
};

void TestDateValue::dateText_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("text");

    QTest::newRow("Christmas 1992") << 1992 << 12 << 25 << "12-25-1992";
    QTest::newRow("single digits padded") << 2024 << 3 << 9 << "03-09-2024";
    QTest::newRow("leap day") << 2024 << 2 << 29 << "02-29-2024";
    QTest::newRow("early year padded to four") << 987 << 1 << 1 << "01-01-0987";
}

void TestDateValue::dateText()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, text);

    const DateValue value = makeDateValue(year, unsigned(month), unsigned(day), 23, 59, 59);
    QCOMPARE(::dateText(value), text);

    const auto parsed = ::parseDateText(text);
    QVERIFY(parsed.has_value());
    QCOMPARE(int(parsed->year()), year);
    QCOMPARE(unsigned(parsed->month()), unsigned(month));
    QCOMPARE(unsigned(parsed->day()), unsigned(day));
}

void TestDateValue::parseDateText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("day first is not a month") << "25-12-1992";
    QTest::newRow("month 13") << "13-01-1992";
    QTest::newRow("30 February") << "02-30-2024";
    QTest::newRow("29 February of a common year") << "02-29-2023";
    QTest::newRow("two-digit year") << "12-25-92";
    QTest::newRow("slashes") << "12/25/1992";
    QTest::newRow("one-digit month") << "1-25-1992 ";
    QTest::newRow("letter") << "12-2a-1992";
    QTest::newRow("sign") << "+2-25-1992";
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("١٢-٢٥-١٩٩٢");
    QTest::newRow("trailing text") << "12-25-19920";
}

void TestDateValue::parseDateText()
{
    QFETCH(QString, text);
    QVERIFY(!::parseDateText(text).has_value());
}

void TestDateValue::daysBetween_data()
{
    // clang-format off
    QTest::addColumn<DateValue>("later");
    QTest::addColumn<DateValue>("earlier");
    QTest::addColumn<double>("days");

    QTest::newRow("one hour") << makeDateValue(2024, 12, 25) << makeDateValue(2024, 12, 24, 23)
                              << 1.0 / 24;
    QTest::newRow("one second before") << makeDateValue(2024, 12, 25)
                                       << makeDateValue(2024, 12, 24, 23, 59, 59) << 1.0 / 86400;
    QTest::newRow("a leap year") << makeDateValue(2025, 1, 1) << makeDateValue(2024, 1, 1) << 366.0;
    QTest::newRow("negative") << makeDateValue(2024, 12, 25) << makeDateValue(2024, 12, 25, 0, 0, 1)
                              << -1.0 / 86400;
    // clang-format on
}

void TestDateValue::daysBetween()
{
    QFETCH(DateValue, later);
    QFETCH(DateValue, earlier);
    QFETCH(double, days);
    QCOMPARE(::daysBetween(later, earlier), days);
}

void TestDateValue::localWallClock_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("utcSeconds");
    QTest::addColumn<QString>("wallClock");

    // 2024-03-10 07:00:00 UTC is 02:00 EST; the clock jumps to 03:00 EDT.
    QTest::newRow("New York before spring forward")
        << QByteArray("America/New_York") << qint64(1710053999) << "03-10-2024 01:59:59";
    QTest::newRow("New York after spring forward")
        << QByteArray("America/New_York") << qint64(1710054000) << "03-10-2024 03:00:00";
    // 2024-11-03 06:00:00 UTC is 02:00 EDT; the clock goes back to 01:00 EST.
    QTest::newRow("New York before fall back")
        << QByteArray("America/New_York") << qint64(1730613599) << "11-03-2024 01:59:59";
    QTest::newRow("New York after fall back")
        << QByteArray("America/New_York") << qint64(1730613600) << "11-03-2024 01:00:00";
    QTest::newRow("Auckland is already in the next day")
        << QByteArray("Pacific/Auckland") << qint64(1735041600) << "12-25-2024 01:00:00";
    QTest::newRow("UTC") << QByteArray("UTC") << qint64(1735084800) << "12-25-2024 00:00:00";
    // Past the range of a nanosecond count.
    QTest::newRow("after 2262") << QByteArray("UTC") << qint64(9223372800) << "04-12-2262 00:00:00";
    QTest::newRow("the last second of 9999")
        << QByteArray("UTC") << qint64(253402300799) << "12-31-9999 23:59:59";
}

void TestDateValue::localWallClock()
{
    QFETCH(QByteArray, zone);
    QFETCH(qint64, utcSeconds);
    QFETCH(QString, wallClock);

    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", zone);
    tzset();
    const auto local = toLocalTime(WallTime{seconds{utcSeconds}});
    qputenv("TZ", savedZone);
    tzset();

    const DateValue value = floor<seconds>(local);
    const hh_mm_ss<seconds> time = timeOfDayOf(value);
    const QString text = QStringLiteral("%1 %2:%3:%4")
                             .arg(::dateText(value))
                             .arg(time.hours().count(), 2, 10, QLatin1Char('0'))
                             .arg(time.minutes().count(), 2, 10, QLatin1Char('0'))
                             .arg(time.seconds().count(), 2, 10, QLatin1Char('0'));
    QCOMPARE(text, wallClock);
}

QTEST_GUILESS_MAIN(TestDateValue)
#include "tst_datevalue.moc"
