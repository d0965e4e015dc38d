// SPDX-License-Identifier: MIT
#include "clocksetter.h"
#include "computecountdown.h"
#include "daypicture.h"
#include "eventlog.h"
#include "exitsequence.h"
#include "fakesystemdate.h"
#include "fallbacksystemdate.h"
#include "inwindowpreview.h"
#include "formstate.h"
#include "localclock.h"
#include "previewclock.h"
#include "previewstepper.h"
#include "realsystemdate.h"
#include "recordingform.h"
#include "restoreguard.h"
#include "scriptedclock.h"
#include "showcountdowntexts.h"
#include "textformats.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <ctime>

using namespace std::chrono;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

// A clock setter that only writes down the instants it was asked to set.
class RecordingClockSetter final : public ClockSetter
{
public:
    DateChange setTime(system_clock::time_point instant) override
    {
        instants.push_back(instant);
        return refusal.isEmpty() ? DateChange::success() : DateChange::refused(refusal);
    }
    std::vector<system_clock::time_point> instants;
    QString refusal;
};

system_clock::time_point utc(int year, unsigned month, unsigned day, int h, int m, int s)
{
    return sys_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}}
        + hours{h} + minutes{m} + seconds{s};
}

// Runs with the process's zone set to the given one and puts the old one back after.
class ZoneScope
{
public:
    explicit ZoneScope(const QByteArray& zone)
        : m_saved(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ZoneScope()
    {
        qputenv("TZ", m_saved);
        tzset();
    }

private:
    QByteArray m_saved;
};

// The windows' labels, the emblem and the button are shown when the window opens.
void openWindow(RecordingForm& form)
{
    for (Control c : {Control::Label1, Control::Label2, Control::Label3, Control::Label4,
                      Control::Label5, Control::Label6, Control::Label9, Control::Label10,
                      Control::DayLabel, Control::HouLabel, Control::MinLabel, Control::SecLabel,
                      Control::Image1, Control::Command1})
        form.setVisible(c, true);
}

void runTick(Clock& clock, FormSurface& form)
{
    ShowCountdownTexts(ComputeCountdown(clock), clock, form, english);
    ShowDayPicture(clock, form);
}

ExitServices instantExit(ScriptedClock& clock, EventLog* log = nullptr)
{
    return {[&clock, log](nanoseconds duration) {
                if (log)
                    log->add(QStringLiteral("sleep %1 ms")
                                 .arg(duration_cast<milliseconds>(duration).count()));
                clock.setElapsed(clock.currentElapsed() + duration);
            },
            [log](const QString& reason) {
                if (log)
                    log->add(QStringLiteral("told: ") + reason);
            }};
}

} // namespace

class TestSysDate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickTable_data();
    void clickTable();
    void clicksOnAnyDayAndAnyGap();
    void failedRestoreStillStartsOver();

    void nextTickAfterClick_data();
    void nextTickAfterClick();
    void severalClicksBetweenTwoTicks();
    void midnightDuringPreview();

    void refusalFallsBackAndIsToldOnce();
    void restoreTouchesOnlyWhatChanged();
    void realDateKeepsTimeOfDay_data();
    void realDateKeepsTimeOfDay();
    void restoreSetsTruePresentAfterMidnight();
    void failedRealSettingLeavesNothingChanged();

    void exitSequenceOrder();
    void farewellOnEveryDate_data();
    void farewellOnEveryDate();
    void exitWithoutPreviewTouchesNothing();
    void exitToldWhenRestoreFails();
    void farewellWaitIgnoresWallClock_data();
    void farewellWaitIgnoresWallClock();
    void farewellWaitSleeps();

    void terminationSignalRestores_data();
    void terminationSignalRestores();
    void endOfEventLoopRestores();
};

// Each row: the number of clicks since start, then what the last click leaves and sets.
void TestSysDate::clickTable_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("previewDay");
    QTest::addColumn<QString>("previewDayText");
    QTest::addColumn<QStringList>("lastClickDoes");

    QTest::newRow("1") << 1 << 1 << "01" << QStringList{"set 12-01-1992"};
    QTest::newRow("9") << 9 << 9 << "09" << QStringList{"set 12-09-1992"};
    QTest::newRow("10") << 10 << 10 << "10" << QStringList{"set 12-10-1992"};
    QTest::newRow("25") << 25 << 25 << "25" << QStringList{"set 12-25-1992"};
    QTest::newRow("26 sets the 26th, then puts the date back")
        << 26 << 0 << "26" << QStringList{"set 12-26-1992", "restore"};
    QTest::newRow("27 starts again") << 27 << 1 << "01" << QStringList{"set 12-01-1992"};
    QTest::newRow("52 is the second 26th") << 52 << 0 << "26"
                                            << QStringList{"set 12-26-1992", "restore"};
}

void TestSysDate::clickTable()
{
    QFETCH(int, clicks);
    QFETCH(int, previewDay);
    QFETCH(QString, previewDayText);
    QFETCH(QStringList, lastClickDoes);

    EventLog log;
    FakeSystemDate systemDate(&log);
    FormState state;
    for (int i = 1; i < clicks; ++i)
        Label4_Click(state, systemDate);
    log.clear();
    QVERIFY(Label4_Click(state, systemDate).done);

    QCOMPARE(int(state.PreviewDay), previewDay);
    QCOMPARE(state.PreviewDayText, previewDayText);
    QCOMPARE(log.entries(), lastClickDoes);
}

void TestSysDate::clicksOnAnyDayAndAnyGap()
{
    FakeSystemDate systemDate;
    FormState state;
    for (int i = 0; i < 26; ++i)
        Label4_Click(state, systemDate);
    QStringList expected;
    for (int day = 1; day <= 26; ++day)
        expected << QStringLiteral("12-%1-1992").arg(day, 2, 10, QLatin1Char('0'));
    QCOMPARE(systemDate.datesSet(), expected);
    QCOMPARE(systemDate.restores(), 1);
    QVERIFY(!systemDate.isChanged());
    QVERIFY(state.StartupDate.isEmpty()); // the stepper never writes the start-up date
}

// Putting the date back can fail; the counter still starts over, so it never passes 26.
void TestSysDate::failedRestoreStillStartsOver()
{
    FakeSystemDate systemDate;
    systemDate.refuseRestoring(QStringLiteral("no"));
    FormState state;
    for (int i = 0; i < 25; ++i)
        QVERIFY(Label4_Click(state, systemDate).done);
    const DateChange restored = Label4_Click(state, systemDate);
    QVERIFY(!restored.done);
    QCOMPARE(restored.reason, QStringLiteral("no"));
    QCOMPARE(int(state.PreviewDay), 0);
    Label4_Click(state, systemDate);
    QCOMPARE(systemDate.datesSet().last(), QStringLiteral("12-01-1992"));
}

// What the next tick shows after n clicks, with the preview in the window only. The computer's
// clock reads Wednesday 9 December 2026, 10:30:00 throughout (t = 0.4375 of a day).
void TestSysDate::nextTickAfterClick_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("daysLeft");
    QTest::addColumn<QString>("dateLine");
    QTest::addColumn<Control>("picture");

    QTest::newRow("1 December 1992") << 1 << "23.56" << "Today is, Tuesday December 01, 1992"
                                     << Control::Santa1;
    QTest::newRow("16 December 1992") << 16 << "8.56" << "Today is, Wednesday December 16, 1992"
                                      << Control::Santa16;
    QTest::newRow("23 December 1992") << 23 << "1.56" << "Today is, Wednesday December 23, 1992"
                                      << Control::Santa23;
    QTest::newRow("Christmas Eve 1992") << 24 << ".56" << "Today is, Thursday December 24, 1992"
                                        << Control::NightBefore;
    QTest::newRow("Christmas Day 1992 counts to 1993")
        << 25 << "364.56" << "Today is, Friday December 25, 1992" << Control::XmassDay;
    QTest::newRow("after the 26th click, the start-up date")
        << 26 << "15.56" << "Today is, Wednesday December 09, 2026" << Control::Santa9;
}

void TestSysDate::nextTickAfterClick()
{
    QFETCH(int, clicks);
    QFETCH(QString, daysLeft);
    QFETCH(QString, dateLine);
    QFETCH(Control, picture);

    InWindowPreview window(makeDateValue(2026, 12, 9, 10, 30, 0));
    auto& [computer, preview, systemDate] = window;
    FormState state;
    for (int i = 0; i < clicks; ++i)
        QVERIFY(Label4_Click(state, systemDate).done);

    EventLog log;
    RecordingForm form(log);
    runTick(preview, form);
    QCOMPARE(form.caption(Control::DayLabel), daysLeft);
    QCOMPARE(form.caption(Control::Label9), dateLine);
    QCOMPARE(form.caption(Control::Label10), QStringLiteral("at, 10:30:00 am"));
    QCOMPARE(form.visibleControls(), QList<Control>{picture});
    QCOMPARE(systemDate.isChanged(), clicks != 26);
}

void TestSysDate::severalClicksBetweenTwoTicks()
{
    InWindowPreview window(makeDateValue(2026, 12, 9, 10, 30, 0));
    auto& [computer, preview, systemDate] = window;
    FormState state;
    EventLog log;
    RecordingForm form(log);
    for (int i = 0; i < 3; ++i)
        Label4_Click(state, systemDate);
    runTick(preview, form);
    QCOMPARE(form.visibleControls(), QList<Control>{Control::Santa3});
    QCOMPARE(form.caption(Control::Label9), QStringLiteral("Today is, Thursday December 03, 1992"));
}

// The preview date runs on with the clock: the 5th becomes the 6th at midnight. The next click
// still sets the day after the counter's.
void TestSysDate::midnightDuringPreview()
{
    InWindowPreview window(makeDateValue(2026, 12, 9, 23, 59, 59));
    auto& [computer, preview, systemDate] = window;
    FormState state;
    for (int i = 0; i < 5; ++i)
        Label4_Click(state, systemDate);
    EventLog log;
    RecordingForm form(log);
    computer.hold(makeDateValue(2026, 12, 10, 0, 0, 1));
    runTick(preview, form);
    QCOMPARE(form.visibleControls(), QList<Control>{Control::Santa6});
    Label4_Click(state, systemDate);
    runTick(preview, form);
    QCOMPARE(form.visibleControls(), QList<Control>{Control::Santa6});
    Label4_Click(state, systemDate);
    runTick(preview, form);
    QCOMPARE(form.visibleControls(), QList<Control>{Control::Santa7});
}

void TestSysDate::refusalFallsBackAndIsToldOnce()
{
    EventLog log;
    FakeSystemDate refusing(&log);
    refusing.refuseSetting(QStringLiteral("Not allowed."));
    InWindowPreview window(makeDateValue(2026, 12, 9, 10, 30, 0));
    auto& [computer, preview, inWindow] = window;
    QStringList told;
    FallbackSystemDate systemDate({&refusing, &inWindow},
                                  [&told](const QString& reason) { told << reason; });

    FormState state;
    QVERIFY(Label4_Click(state, systemDate).done);
    QCOMPARE(told, QStringList{"Not allowed."});
    QCOMPARE(dateText(preview.now()), QStringLiteral("12-01-1992"));
    QCOMPARE(systemDate.currentDateText(), QStringLiteral("12-01-1992"));

    // Later clicks go straight to the window's own clock and are not told again.
    Label4_Click(state, systemDate);
    QCOMPARE(told.size(), 1);
    QCOMPARE(log.matching(QStringLiteral("set")).size(), 1);
    QCOMPARE(dateText(preview.now()), QStringLiteral("12-02-1992"));
    QVERIFY(!refusing.isChanged());
    QVERIFY(systemDate.isChanged());
    QVERIFY(systemDate.restore().done);
    QCOMPARE(dateText(preview.now()), QStringLiteral("12-09-2026"));
    QVERIFY(!systemDate.isChanged());
}

void TestSysDate::restoreTouchesOnlyWhatChanged()
{
    EventLog log;
    FakeSystemDate first(&log);
    FakeSystemDate second(&log);
    FallbackSystemDate systemDate({&first, &second});
    QVERIFY(systemDate.restore().done);
    QVERIFY(log.entries().isEmpty());
    systemDate.setDate(QStringLiteral("12-01-1992"));
    QVERIFY(systemDate.restore().done);
    QVERIFY(systemDate.restore().done);
    QCOMPARE(log.entries(), (QStringList{"set 12-01-1992", "restore"}));
}

// Setting the date keeps the wall-clock time of day, also across a daylight-saving difference
// between the two dates.
void TestSysDate::realDateKeepsTimeOfDay_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("nowUtc");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<qint64>("expectedUtc");

    const auto seconds = [](system_clock::time_point t) {
        return qint64(duration_cast<std::chrono::seconds>(t.time_since_epoch()).count());
    };
    QTest::newRow("UTC") << QByteArray("UTC") << seconds(utc(2026, 12, 9, 10, 30, 15))
                         << "12-01-1992" << seconds(utc(1992, 12, 1, 10, 30, 15));
    // 15:00 summer time in New York; 15:00 winter time on the preview day is 20:00 UTC.
    // Midnight starting 10 December in Auckland: the preview day starts at 11:00 UTC the day before.
    QTest::newRow("New York, from summer time")
        << QByteArray("America/New_York") << seconds(utc(2026, 7, 1, 19, 0, 0)) << "12-01-1992"
        << seconds(utc(1992, 12, 1, 20, 0, 0));
    QTest::newRow("Auckland, a day ahead of UTC")
        << QByteArray("Pacific/Auckland") << seconds(utc(2026, 12, 9, 11, 0, 0)) << "12-25-1992"
        << seconds(utc(1992, 12, 24, 11, 0, 0));
}

void TestSysDate::realDateKeepsTimeOfDay()
{
    QFETCH(QByteArray, zone);
    QFETCH(qint64, nowUtc);
    QFETCH(QString, dateText);
    QFETCH(qint64, expectedUtc);

    const ZoneScope scope(zone);
    RecordingClockSetter setter;
    const system_clock::time_point now{std::chrono::seconds{nowUtc}};
    RealSystemDate systemDate(setter, [now] { return now; }, [] { return nanoseconds{0}; });
    QVERIFY(systemDate.setDate(dateText).done);
    QCOMPARE(setter.instants.size(), std::size_t(1));
    QCOMPARE(qint64(duration_cast<std::chrono::seconds>(setter.instants[0].time_since_epoch()).count()),
             expectedUtc);
    QVERIFY(systemDate.isChanged());
}

// Started on 9 December at 23:30, previewing, closed at 00:45 the next morning: the true present,
// 10 December 00:45, is put back, not the start-up day.
void TestSysDate::restoreSetsTruePresentAfterMidnight()
{
    const ZoneScope scope("UTC");
    RecordingClockSetter setter;
    system_clock::time_point wall = utc(2026, 12, 9, 23, 30, 0);
    nanoseconds elapsed = hours{100};
    RealSystemDate systemDate(setter, [&wall] { return wall; }, [&elapsed] { return elapsed; });
    QCOMPARE(systemDate.currentDateText(), QStringLiteral("12-09-2026"));

    QVERIFY(systemDate.setDate(QStringLiteral("12-05-1992")).done);
    wall = utc(1992, 12, 6, 0, 45, 0); // the set clock has run on past its own midnight
    elapsed += minutes{75};
    QVERIFY(systemDate.restore().done);
    QCOMPARE(setter.instants.back(), utc(2026, 12, 10, 0, 45, 0));
    QVERIFY(!systemDate.isChanged());

    QVERIFY(systemDate.restore().done);
    QCOMPARE(setter.instants.size(), std::size_t(2));
}

void TestSysDate::failedRealSettingLeavesNothingChanged()
{
    RecordingClockSetter setter;
    setter.refusal = QStringLiteral("Refused.");
    RealSystemDate systemDate(setter, [] { return system_clock::time_point{}; },
                              [] { return nanoseconds{0}; });
    QVERIFY(!systemDate.setDate(QStringLiteral("12-01-1992")).done);
    QVERIFY(!systemDate.isChanged());
    QVERIFY(!systemDate.setDate(QStringLiteral("13-01-1992")).done);
    QCOMPARE(setter.instants.size(), std::size_t(1)); // the bad text never reaches the clock
    QVERIFY(systemDate.restore().done);
    QCOMPARE(setter.instants.size(), std::size_t(1));
}

void TestSysDate::exitSequenceOrder()
{
    EventLog log;
    ScriptedClock clock(&log);
    clock.setElapsed(milliseconds{1000});
    RecordingForm form(log);
    FakeSystemDate systemDate(&log);
    systemDate.setDate(QStringLiteral("12-03-1992"));
    log.clear();

    ExitSequence(systemDate, clock, form, instantExit(clock, &log));

    QStringList expected{"restore"};
    for (int n = 1; n <= 23; ++n)
        expected << QStringLiteral("hide Santa%1").arg(n);
    expected << "hide SantaNotDec" << "hide NightBefore" << "hide XmassDay";
    for (const char* label : {"Label5", "SecLabel", "MinLabel", "HouLabel", "DayLabel", "Label1",
                              "Label2", "Label3", "Label4", "Label9", "Label10", "Label6"})
        expected << QStringLiteral("hide ") + QLatin1String(label);
    expected << "hide Image1" << "hide Command1" << "show LogoKestrel" << "clear"
             << "elapsed 1000 ms" << "show Santa16" << "repaint" << "elapsed 1000 ms"
             << "sleep 3000 ms" << "elapsed 4000 ms" << "end";
    QCOMPARE(log.entries(), expected);
    QVERIFY(form.ended());
}

void TestSysDate::farewellOnEveryDate_data()
{
    QTest::addColumn<DateValue>("moment");
    for (int day = 1; day <= 31; ++day)
        QTest::addRow("%d December", day) << makeDateValue(2026, 12, unsigned(day), 9);
    QTest::newRow("July") << makeDateValue(2026, 7, 14, 9);
}

// Whatever picture the last tick showed, the farewell is Santa16 and the logo alone.
void TestSysDate::farewellOnEveryDate()
{
    QFETCH(DateValue, moment);
    EventLog log;
    ScriptedClock clock;
    clock.hold(moment);
    RecordingForm form(log);
    openWindow(form);
    runTick(clock, form);
    FakeSystemDate systemDate;
    ExitSequence(systemDate, clock, form, instantExit(clock));
    QCOMPARE(form.visibleControls(), (QList<Control>{Control::Santa16, Control::LogoKestrel}));
}

void TestSysDate::exitWithoutPreviewTouchesNothing()
{
    EventLog log;
    ScriptedClock clock;
    RecordingForm form(log);
    FakeSystemDate systemDate(&log);
    ExitSequence(systemDate, clock, form, instantExit(clock, &log));
    QVERIFY(log.matching(QStringLiteral("restore")).isEmpty());
    QVERIFY(log.matching(QStringLiteral("set")).isEmpty());
    QVERIFY(log.matching(QStringLiteral("told")).isEmpty());
    QVERIFY(form.ended());
}

void TestSysDate::exitToldWhenRestoreFails()
{
    EventLog log;
    ScriptedClock clock;
    RecordingForm form(log);
    FakeSystemDate systemDate(&log);
    systemDate.setDate(QStringLiteral("12-03-1992"));
    systemDate.refuseRestoring(QStringLiteral("The service did not answer."));
    ExitSequence(systemDate, clock, form, instantExit(clock, &log));
    QCOMPARE(log.matching(QStringLiteral("told")),
             QStringList{"told: The service did not answer."});
    QVERIFY(form.ended());
    QCOMPARE(form.visibleControls(), (QList<Control>{Control::Santa16, Control::LogoKestrel}));
}

// The wait is timed on the elapsed clock alone: a deadline read a second before midnight, or a
// wall clock that jumps back an hour meanwhile, changes nothing. Each row gives how the sleeps
// overrun (a sleep may last longer than asked, never shorter).
void TestSysDate::farewellWaitIgnoresWallClock_data()
{
    QTest::addColumn<DateValue>("wallClock");
    QTest::addColumn<int>("overrunMs");

    QTest::newRow("a second before midnight") << makeDateValue(2026, 12, 24, 23, 59, 59) << 0;
    QTest::newRow("at noon, sleeps overrun") << makeDateValue(2026, 12, 24, 12, 0, 0) << 7;
    QTest::newRow("daylight saving ends during the wait")
        << makeDateValue(2026, 11, 1, 1, 59, 58) << 1;
}

void TestSysDate::farewellWaitIgnoresWallClock()
{
    QFETCH(DateValue, wallClock);
    QFETCH(int, overrunMs);

    ScriptedClock clock;
    clock.hold(wallClock);
    clock.queue({wallClock, wallClock - hours{1}}); // in case anything looked
    clock.setElapsed(hours{24} - milliseconds{500});
    const nanoseconds start = clock.currentElapsed();
    EventLog log;
    RecordingForm form(log);
    FakeSystemDate systemDate;
    int sleeps = 0;
    ExitServices services{[&](nanoseconds duration) {
                              ++sleeps;
                              clock.setElapsed(clock.currentElapsed() + duration
                                               + milliseconds{overrunMs});
                          },
                          [](const QString&) {}};
    ExitSequence(systemDate, clock, form, services);

    QCOMPARE(clock.nowReadings(), 0);
    const nanoseconds waited = clock.currentElapsed() - start;
    QVERIFY(waited >= seconds{3});
    QVERIFY(waited <= seconds{3} + milliseconds{overrunMs});
    QCOMPARE(sleeps, 1);
    QVERIFY(form.ended());
}

// With the real clock: three seconds pass and the process sleeps through them.
void TestSysDate::farewellWaitSleeps()
{
    LocalClock clock;
    EventLog log;
    RecordingForm form(log);
    FakeSystemDate systemDate;
    timespec cpuBefore{}, cpuAfter{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuBefore);
    const nanoseconds start = clock.elapsed();
    ExitSequence(systemDate, clock, form,
                 {[](nanoseconds d) { std::this_thread::sleep_for(d); }, [](const QString&) {}});
    const nanoseconds waited = clock.elapsed() - start;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuAfter);
    const double cpuSeconds = double(cpuAfter.tv_sec - cpuBefore.tv_sec)
        + double(cpuAfter.tv_nsec - cpuBefore.tv_nsec) / 1e9;

    QVERIFY(form.ended());
    QVERIFY(waited >= seconds{3});
    QVERIFY2(waited < milliseconds{3500}, qPrintable(QString::number(waited.count())));
    // A spinning wait would use three seconds of processor time; this one uses next to none.
    QVERIFY2(cpuSeconds < 0.15, qPrintable(QString::number(cpuSeconds)));
}

void TestSysDate::terminationSignalRestores_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestSysDate::terminationSignalRestores()
{
    QFETCH(int, signalNumber);
    FakeSystemDate systemDate;
    RestoreGuard guard(systemDate, {});
    systemDate.setDate(QStringLiteral("12-12-1992"));

    // The signal ends the event loop with the usual status, after putting the date back.
    QTimer::singleShot(0, qApp, [signalNumber] { std::raise(signalNumber); });
    QTimer safety;
    connect(&safety, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    safety.start(5000);
    QCOMPARE(QCoreApplication::exec(), 128 + signalNumber);
    QCOMPARE(systemDate.restores(), 1);
    QVERIFY(!systemDate.isChanged());
}

void TestSysDate::endOfEventLoopRestores()
{
    FakeSystemDate systemDate;
    QStringList told;
    {
        RestoreGuard guard(systemDate, [&told](const QString& reason) { told << reason; });
        systemDate.setDate(QStringLiteral("12-12-1992"));
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(systemDate.restores(), 1);

        // A guard that cannot put the date back says so.
        systemDate.setDate(QStringLiteral("12-13-1992"));
        systemDate.refuseRestoring(QStringLiteral("Refused."));
    }
    QCOMPARE(systemDate.restores(), 2);
    QCOMPARE(told, QStringList{"Refused."});
}

QTEST_GUILESS_MAIN(TestSysDate)
#include "tst_sysdate.moc"
