// SPDX-License-Identifier: MIT
// The December preview, the exit sequence, the keeper of the date and the computer's date, on a
// scripted clock and fake setters. Where the real program ends the clock in every way it can end
// is the concern of tst_endings; this is the logic each step of that rests on.
#include "clocksetter.h"
#include "computecountdown.h"
#include "computerdate.h"
#include "datekeeper.h"
#include "daypicture.h"
#include "eventlog.h"
#include "exitsequence.h"
#include "fakesystemdate.h"
#include "formstate.h"
#include "inwindowpreview.h"
#include "previewstepper.h"
#include "recordingform.h"
#include "scriptedclock.h"
#include "showcountdowntexts.h"

#include <QTest>

using namespace std::chrono;

namespace {

QLocale english()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

WallTime utc(int year, unsigned month, unsigned day, int h, int m, int s)
{
    return sys_days{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}}
    + hours{h} + minutes{m} + seconds{s};
}

// A clock setter that moves a scripted computer clock, as a real one moves the computer's, and
// answers at once.
class SimulatedSetter final : public ClockSetter
{
public:
    explicit SimulatedSetter(ScriptedClock& clock)
        : m_clock(clock)
    { }

    QString way() const override { return QStringLiteral("test"); }
    void shift(microseconds offset, Finished finished) override { finished(shiftNow(offset, {})); }
    bool isPending() const override { return false; }
    void waitForAnswer() override { }
    DateChange shiftNow(microseconds offset, milliseconds) override
    {
        shifts.push_back(offset);
        m_clock.setWallTime(m_clock.wallTime() + offset);
        return DateChange::success();
    }

    std::vector<microseconds> shifts;

private:
    ScriptedClock& m_clock;
};

DateChange answerOf(SystemDate& systemDate, year_month_day date)
{
    std::optional<DateChange> answer;
    systemDate.setDate(date, [&answer](const DateChange& change) { answer = change; });
    return answer.value_or(DateChange::refused(DateChange::Cause::NoAnswer));
}

DateChange restoreOf(SystemDate& systemDate)
{
    std::optional<DateChange> answer;
    systemDate.restore([&answer](const DateChange& change) { answer = change; });
    return answer.value_or(DateChange::refused(DateChange::Cause::NoAnswer));
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

// The window's labels, the emblem and the button are shown when the window opens.
void openWindow(RecordingForm& form)
{
    for (Control c : {Control::Label1, Control::Label2, Control::Label3, Control::Label4,
             Control::Label5, Control::Label6, Control::Label9, Control::Label10, Control::DayLabel,
             Control::HouLabel, Control::MinLabel, Control::SecLabel, Control::Image1,
             Control::Command1})
        form.setVisible(c, true);
}

void runTick(Clock& clock, FormSurface& form)
{
    ShowCountdownTexts(ComputeCountdown(clock), clock, form, english());
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
        [log](const DateNotice& notice) {
            if (log)
                log->add(QStringLiteral("told: ") + notice.text);
        }};
}

} // namespace

Q_DECLARE_METATYPE(WallTime)

class TestSysDate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickTable_data();
    void clickTable();
    void failedRestoreStillStartsOver();

    void nextTickAfterClick_data();
    void nextTickAfterClick();
    void midnightDuringPreview();

    void oneChangeAtATime_data();
    void oneChangeAtATime();

    void computerDateKeepsTimeOfDay_data();
    void computerDateKeepsTimeOfDay();
    void restoreSetsTruePresentAfterMidnight();

    void exitSequenceOrder();
    void farewellOnEveryDate_data();
    void farewellOnEveryDate();
    void exitWithoutPreviewTouchesNothing();
    void farewellWaitIgnoresWallClock_data();
    void farewellWaitIgnoresWallClock();
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
    QTest::newRow("52 is the second 26th")
        << 52 << 0 << "26" << QStringList{"set 12-26-1992", "restore"};
}

void TestSysDate::clickTable()
{
    QFETCH(int, clicks);
    QFETCH(int, previewDay);
    QFETCH(QString, previewDayText);
    QFETCH(QStringList, lastClickDoes);

    EventLog log;
    FakeSystemDate systemDate(&log);
    DateKeeper keeper(systemDate);
    FormState state;
    for (int i = 1; i < clicks; ++i)
        Label4_Click(state, keeper);
    log.clear();
    Label4_Click(state, keeper);

    QCOMPARE(int(state.PreviewDay), previewDay);
    QCOMPARE(state.PreviewDayText, previewDayText);
    QCOMPARE(log.entries(), lastClickDoes);
}

// Putting the date back can fail; the counter still starts over, so it never passes 26.
void TestSysDate::failedRestoreStillStartsOver()
{
    FakeSystemDate systemDate;
    systemDate.refuseRestoring();
    DateKeeper keeper(systemDate);
    FormState state;
    int failures = 0;
    const auto tell = [&failures](const DateChange& restored) { failures += !restored; };
    for (int i = 0; i < 26; ++i)
        Label4_Click(state, keeper, tell);
    QCOMPARE(failures, 1);
    QCOMPARE(int(state.PreviewDay), 0);
    Label4_Click(state, keeper, tell);
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

    QTest::newRow("1 December 1992") << 1 << "23.56"
                                     << "Today is, Tuesday December 01, 1992" << Control::Santa1;
    QTest::newRow("16 December 1992")
        << 16 << "8.56"
        << "Today is, Wednesday December 16, 1992" << Control::Santa16;
    QTest::newRow("23 December 1992")
        << 23 << "1.56"
        << "Today is, Wednesday December 23, 1992" << Control::Santa23;
    QTest::newRow("Christmas Eve 1992")
        << 24 << ".56"
        << "Today is, Thursday December 24, 1992" << Control::NightBefore;
    QTest::newRow("Christmas Day 1992 counts to 1993")
        << 25 << "364.56"
        << "Today is, Friday December 25, 1992" << Control::XmassDay;
    QTest::newRow("after the 26th click, the start-up date")
        << 26 << "15.56"
        << "Today is, Wednesday December 09, 2026" << Control::Santa9;
}

void TestSysDate::nextTickAfterClick()
{
    QFETCH(int, clicks);
    QFETCH(QString, daysLeft);
    QFETCH(QString, dateLine);
    QFETCH(Control, picture);

    InWindowPreview window(makeDateValue(2026, 12, 9, 10, 30, 0));
    auto& [computer, preview, systemDate] = window;
    DateKeeper keeper(systemDate);
    FormState state;
    for (int i = 0; i < clicks; ++i)
        Label4_Click(state, keeper);

    EventLog log;
    RecordingForm form(log);
    runTick(preview, form);
    QCOMPARE(form.caption(Control::DayLabel), daysLeft);
    QCOMPARE(form.caption(Control::Label9), dateLine);
    QCOMPARE(form.caption(Control::Label10), QStringLiteral("at, 10:30:00 am"));
    QCOMPARE(form.visibleControls(), QList<Control>{picture});
    QCOMPARE(systemDate.isChanged(), clicks != 26);
}

// The preview date runs on with the clock: the 5th becomes the 6th at midnight. The next click
// still sets the day after the counter's.
void TestSysDate::midnightDuringPreview()
{
    InWindowPreview window(makeDateValue(2026, 12, 9, 23, 59, 59));
    auto& [computer, preview, systemDate] = window;
    DateKeeper keeper(systemDate);
    FormState state;
    for (int i = 0; i < 5; ++i)
        Label4_Click(state, keeper);
    EventLog log;
    RecordingForm form(log);
    computer.hold(makeDateValue(2026, 12, 10, 0, 0, 1));
    runTick(preview, form);
    QCOMPARE(form.visibleControls(), QList<Control>{Control::Santa6});
    Label4_Click(state, keeper);
    runTick(preview, form);
    QCOMPARE(form.visibleControls(), QList<Control>{Control::Santa6});
    Label4_Click(state, keeper);
    runTick(preview, form);
    QCOMPARE(form.visibleControls(), QList<Control>{Control::Santa7});
}

// A service that waits for a password answers late. Steps: "click" on Days, "exit" (an orderly
// end), "answer" (the service answers what waits), "finish" (the very end, with no event loop),
// "session" (the session is about to end). Whatever comes, changes go one at a time, a day
// waiting its turn gives way to a later day or a restore, nothing is set after the restore meant
// to undo it, no day is set once the end has begun, an end asks once, and a session that was
// about to end leaves every later end armed.
void TestSysDate::oneChangeAtATime_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("changedAfter");

    QTest::newRow("clicks while one waits: only the latest day follows")
        << QStringList{"click", "click", "click", "answer", "answer"}
        << QStringList{"set 12-01-1992", "set 12-03-1992"} << true;
    QTest::newRow("exit while a change waits: its answer first, then the restore")
        << QStringList{"click", "exit", "answer", "answer"}
        << QStringList{"set 12-01-1992", "restore"} << false;
    QTest::newRow("exit replaces a day still waiting its turn")
        << QStringList{"click", "click", "exit", "answer", "answer"}
        << QStringList{"set 12-01-1992", "restore"} << false;
    QTest::newRow("no day is set once the end has begun")
        << QStringList{"click", "exit", "click", "answer", "answer"}
        << QStringList{"set 12-01-1992", "restore"} << false;
    QTest::newRow("every end together asks once")
        << QStringList{"click", "answer", "exit", "exit", "finish"}
        << QStringList{"set 12-01-1992", "restore"} << false;
    QTest::newRow("a session about to end: back at once, then the preview goes on")
        << QStringList{"click", "click", "session", "click", "answer"}
        << QStringList{"set 12-01-1992", "restore now", "set 12-03-1992"} << true;
    QTest::newRow("after a session that went on, the end still puts the date back")
        << QStringList{"click", "answer", "session", "click", "exit", "answer", "answer"}
        << QStringList{"set 12-01-1992", "restore now", "set 12-02-1992", "restore"} << false;
    QTest::newRow("the very end waits for the answer, then restores")
        << QStringList{"click", "finish"} << QStringList{"set 12-01-1992", "restore now"} << false;
    QTest::newRow("the very end waits for the end's restore under way, and asks no more")
        << QStringList{"click", "answer", "exit", "finish"}
        << QStringList{"set 12-01-1992", "restore"} << false;
}

void TestSysDate::oneChangeAtATime()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, asked);
    QFETCH(bool, changedAfter);

    EventLog log;
    FakeSystemDate systemDate(&log);
    systemDate.holdAnswers(true);
    DateKeeper keeper(systemDate);
    FormState state;
    int endAnswers = 0;
    for (const QString& step : steps) {
        if (step == QLatin1String("click"))
            Label4_Click(state, keeper);
        else if (step == QLatin1String("exit"))
            keeper.endRun([&endAnswers](const DateChange&) { ++endAnswers; });
        else if (step == QLatin1String("answer"))
            systemDate.answer();
        else if (step == QLatin1String("finish"))
            keeper.endRunBlocking();
        else if (step == QLatin1String("session"))
            keeper.restoreForSessionEnd();
    }
    QCOMPARE(log.entries(), asked);
    QCOMPARE(systemDate.isChanged(), changedAfter);
    // Those who wait for an orderly end hear its answer, unless the very end came first.
    if (!steps.contains(QStringLiteral("finish")))
        QCOMPARE(endAnswers, int(steps.count(QStringLiteral("exit"))));
}

// Setting the date keeps the wall-clock time of day, also across a daylight-saving difference
// between the two dates. The clock is moved by an offset from its own reading.
void TestSysDate::computerDateKeepsTimeOfDay_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<WallTime>("now");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<WallTime>("expected");

    QTest::newRow("UTC") << QByteArray("UTC") << utc(2026, 12, 9, 10, 30, 15) << "12-01-1992"
                         << utc(1992, 12, 1, 10, 30, 15);
    // 15:00 summer time in New York; 15:00 winter time on the preview day is 20:00 UTC.
    QTest::newRow("New York, from summer time") << QByteArray("America/New_York")
                                                << utc(2026, 7, 1, 19, 0, 0) << "12-01-1992"
                                                << utc(1992, 12, 1, 20, 0, 0);
    // Midnight starting 10 December in Auckland: the preview day starts at 11:00 UTC the day
    // before.
    QTest::newRow("Auckland, a day ahead of UTC") << QByteArray("Pacific/Auckland")
                                                  << utc(2026, 12, 9, 11, 0, 0) << "12-25-1992"
                                                  << utc(1992, 12, 24, 11, 0, 0);
    // clang-format on
}

void TestSysDate::computerDateKeepsTimeOfDay()
{
    QFETCH(QByteArray, zone);
    QFETCH(WallTime, now);
    QFETCH(QString, dateText);
    QFETCH(WallTime, expected);

    const ZoneScope scope(zone);
    ScriptedClock clock;
    clock.setWallTime(now);
    SimulatedSetter setter(clock);
    ComputerDate computer(setter, clock);
    QVERIFY(answerOf(computer, *parseDateText(dateText)));
    QCOMPARE(clock.wallTime(), expected);
    QVERIFY(computer.isChanged());
}

// Started on 9 December at 23:30, previewing, closed at 00:45 the next morning: the true present,
// 10 December 00:45, is put back, not the start-up day, whatever day was set last.
void TestSysDate::restoreSetsTruePresentAfterMidnight()
{
    const ZoneScope scope("UTC");
    ScriptedClock clock;
    clock.setWallTime(utc(2026, 12, 9, 23, 30, 0));
    clock.setElapsed(hours{100});
    SimulatedSetter setter(clock);
    ComputerDate computer(setter, clock);

    QVERIFY(answerOf(computer, 1992y / December / 5));
    const auto runOn = [&clock](minutes by) {
        clock.setWallTime(clock.wallTime() + by);
        clock.setElapsed(clock.currentElapsed() + by);
    };
    runOn(minutes{30});
    QVERIFY(answerOf(computer, 1992y / December / 8));
    runOn(minutes{45});
    QCOMPARE(computer.currentDate(), 1992y / December / 8);
    QVERIFY(restoreOf(computer));
    QCOMPARE(clock.wallTime(), utc(2026, 12, 10, 0, 45, 0));
    QVERIFY(!computer.isChanged());
    // Nothing more to put back.
    QVERIFY(restoreOf(computer));
    QCOMPARE(setter.shifts.size(), std::size_t(3));
}

void TestSysDate::exitSequenceOrder()
{
    EventLog log;
    ScriptedClock clock(&log);
    clock.setElapsed(milliseconds{1000});
    RecordingForm form(log);
    FakeSystemDate systemDate(&log);
    DateKeeper keeper(systemDate);
    keeper.setDate(QStringLiteral("12-03-1992"));
    log.clear();

    ExitSequence(keeper, clock, form, instantExit(clock, &log));

    QStringList expected{"restore"};
    for (int n = 1; n <= 23; ++n)
        expected << QStringLiteral("hide Santa%1").arg(n);
    expected << "hide SantaNotDec"
             << "hide NightBefore"
             << "hide XmassDay";
    for (const char* label : {"Label5", "SecLabel", "MinLabel", "HouLabel", "DayLabel", "Label1",
             "Label2", "Label3", "Label4", "Label9", "Label10", "Label6"})
        expected << QStringLiteral("hide ") + QLatin1String(label);
    expected << "hide Image1"
             << "hide Command1"
             << "show LogoKestrel"
             << "clear"
             << "elapsed 1000 ms"
             << "show Santa16"
             << "repaint"
             << "elapsed 1000 ms"
             << "sleep 3000 ms"
             << "elapsed 4000 ms"
             << "end 0";
    QCOMPARE(log.entries(), expected);
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
    DateKeeper keeper(systemDate);
    ExitSequence(keeper, clock, form, instantExit(clock));
    QCOMPARE(form.visibleControls(), (QList<Control>{Control::Santa16, Control::LogoKestrel}));
}

void TestSysDate::exitWithoutPreviewTouchesNothing()
{
    EventLog log;
    ScriptedClock clock;
    RecordingForm form(log);
    FakeSystemDate systemDate(&log);
    DateKeeper keeper(systemDate);
    ExitSequence(keeper, clock, form, instantExit(clock, &log));
    QVERIFY(log.matching(QStringLiteral("restore")).isEmpty());
    QVERIFY(log.matching(QStringLiteral("set")).isEmpty());
    QVERIFY(log.matching(QStringLiteral("told")).isEmpty());
    QCOMPARE(form.exitStatus(), 0);
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
    DateKeeper keeper(systemDate);
    int sleeps = 0;
    ExitServices services{[&](nanoseconds duration) {
                              ++sleeps;
                              clock.setElapsed(
                                  clock.currentElapsed() + duration + milliseconds{overrunMs});
                          },
        [](const DateNotice&) {}};
    ExitSequence(keeper, clock, form, services);

    QCOMPARE(clock.nowReadings(), 0);
    const nanoseconds waited = clock.currentElapsed() - start;
    QVERIFY(waited >= seconds{3});
    QVERIFY(waited <= seconds{3} + milliseconds{overrunMs});
    QCOMPARE(sleeps, 1);
    QVERIFY(form.ended());
}

QTEST_GUILESS_MAIN(TestSysDate)
#include "tst_sysdate.moc"
