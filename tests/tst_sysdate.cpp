// SPDX-License-Identifier: MIT
#include "clocksetter.h"
#include "computecountdown.h"
#include "daterequests.h"
#include "daypicture.h"
#include "eventlog.h"
#include "exitsequence.h"
#include "fakesystemdate.h"
#include "fallbacksystemdate.h"
#include "formstate.h"
#include "inwindowpreview.h"
#include "leftoverpreview.h"
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
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <ctime>

using namespace std::chrono;

Q_DECLARE_METATYPE(DateChange)

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

// A clock setter that only writes down the offsets it was asked to move the clock by, and answers
// with the outcome it is given, at once or when the test says.
class RecordingClockSetter final : public ClockSetter
{
public:
    QString way() const override { return QStringLiteral("test"); }
    void shift(microseconds offset, Finished finished) override
    {
        offsets.push_back(offset);
        waiting = std::move(finished);
        if (!holding)
            answer();
    }
    bool isPending() const override { return bool(waiting); }
    void finishPending() override
    {
        if (waiting)
            answer();
    }
    DateChange shiftNow(microseconds offset, milliseconds) override
    {
        offsets.push_back(offset);
        return outcome;
    }
    void answer() { std::exchange(waiting, {})(outcome); }

    std::vector<microseconds> offsets;
    DateChange outcome = DateChange::success();
    bool holding = false;
    Finished waiting;
};

// What a change answers, for tests that need it.
DateChange answerOf(SystemDate& systemDate, const QString& dateText)
{
    std::optional<DateChange> answer;
    systemDate.setDate(dateText, [&answer](const DateChange& change) { answer = change; });
    return answer.value_or(DateChange::refused(QStringLiteral("no answer")));
}

DateChange restoreOf(SystemDate& systemDate)
{
    std::optional<DateChange> answer;
    systemDate.restore([&answer](const DateChange& change) { answer = change; });
    return answer.value_or(DateChange::refused(QStringLiteral("no answer")));
}

WallTime utc(int year, unsigned month, unsigned day, int h, int m, int s)
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
             Control::Label5, Control::Label6, Control::Label9, Control::Label10, Control::DayLabel,
             Control::HouLabel, Control::MinLabel, Control::SecLabel, Control::Image1,
             Control::Command1})
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

    void oneChangeAtATime_data();
    void oneChangeAtATime();

    void refusalFallsBackAndIsToldOnce_data();
    void refusalFallsBackAndIsToldOnce();
    void restoreTouchesOnlyWhatChanged();
    void realDateKeepsTimeOfDay_data();
    void realDateKeepsTimeOfDay();
    void restoreSetsTruePresentAfterMidnight();
    void recordLivesWhileTheDateMayBeChanged_data();
    void recordLivesWhileTheDateMayBeChanged();
    void leftoverFromAnEarlierRun_data();
    void leftoverFromAnEarlierRun();

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
    void endsAskOnce();
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
    DateRequests requests(systemDate);
    FormState state;
    for (int i = 1; i < clicks; ++i)
        Label4_Click(state, requests);
    log.clear();
    Label4_Click(state, requests);

    QCOMPARE(int(state.PreviewDay), previewDay);
    QCOMPARE(state.PreviewDayText, previewDayText);
    QCOMPARE(log.entries(), lastClickDoes);
}

void TestSysDate::clicksOnAnyDayAndAnyGap()
{
    FakeSystemDate systemDate;
    DateRequests requests(systemDate);
    FormState state;
    for (int i = 0; i < 26; ++i)
        Label4_Click(state, requests);
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
    DateRequests requests(systemDate);
    FormState state;
    QStringList told;
    const auto tell = [&told](const DateChange& restored) { told << restored.reason; };
    for (int i = 0; i < 26; ++i)
        Label4_Click(state, requests, tell);
    QCOMPARE(told, QStringList{"no"});
    QCOMPARE(int(state.PreviewDay), 0);
    Label4_Click(state, requests, tell);
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
    DateRequests requests(systemDate);
    FormState state;
    for (int i = 0; i < clicks; ++i)
        Label4_Click(state, requests);

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
    DateRequests requests(systemDate);
    FormState state;
    EventLog log;
    RecordingForm form(log);
    for (int i = 0; i < 3; ++i)
        Label4_Click(state, requests);
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
    DateRequests requests(systemDate);
    FormState state;
    for (int i = 0; i < 5; ++i)
        Label4_Click(state, requests);
    EventLog log;
    RecordingForm form(log);
    computer.hold(makeDateValue(2026, 12, 10, 0, 0, 1));
    runTick(preview, form);
    QCOMPARE(form.visibleControls(), QList<Control>{Control::Santa6});
    Label4_Click(state, requests);
    runTick(preview, form);
    QCOMPARE(form.visibleControls(), QList<Control>{Control::Santa6});
    Label4_Click(state, requests);
    runTick(preview, form);
    QCOMPARE(form.visibleControls(), QList<Control>{Control::Santa7});
}

// A service that waits for a password answers late. Steps: "click" on Days, "exit" (the end's
// restore), "answer" (the service answers what waits), "finish" (the very end, with no event
// loop), "session" (the session is about to end). Whatever comes, changes go one at a time, a day waiting its turn gives way to a later
// day or a restore, nothing is set after the restore meant to undo it, and an end asks once.
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
    QTest::newRow("every end together asks once")
        << QStringList{"click", "answer", "exit", "exit", "finish"}
        << QStringList{"set 12-01-1992", "restore"} << false;
    QTest::newRow("a session about to end: back at once, then the preview goes on")
        << QStringList{"click", "click", "session", "click", "answer"}
        << QStringList{"set 12-01-1992", "restore now", "set 12-03-1992"} << true;
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
    DateRequests requests(systemDate);
    FormState state;
    int endAnswers = 0;
    for (const QString& step : steps) {
        if (step == QLatin1String("click"))
            Label4_Click(state, requests);
        else if (step == QLatin1String("exit"))
            requests.restoreForEnd([&endAnswers](const DateChange&) { ++endAnswers; });
        else if (step == QLatin1String("answer"))
            systemDate.answer();
        else if (step == QLatin1String("finish"))
            requests.finishForEnd();
        else if (step == QLatin1String("session"))
            requests.restoreNow();
    }
    QCOMPARE(log.entries(), asked);
    QCOMPARE(systemDate.isChanged(), changedAfter);
    QVERIFY(requests.isIdle() || steps.last() == QLatin1String("finish"));
    QCOMPARE(endAnswers, int(steps.count(QStringLiteral("exit"))));
}

// A refusal falls back to the window's own clock and is told once, saying what the computer's
// date is: untouched, or still the day a first, accepted change set. A change left unanswered may
// have landed, so it stays with that way, and that is told too.
void TestSysDate::refusalFallsBackAndIsToldOnce_data()
{
    QTest::addColumn<int>("acceptedFirst");
    QTest::addColumn<bool>("unanswered");
    QTest::addColumn<QString>("computerDate");
    QTest::addColumn<QString>("previewAfterTwo");

    QTest::newRow("refused at once") << 0 << false << ""
                                     << "12-02-1992";
    QTest::newRow("refused after a first change") << 1 << false << "12-01-1992"
                                                  << "12-02-1992";
    QTest::newRow("not answered") << 0 << true << "12-01-1992"
                                  << "12-09-2026";
}

void TestSysDate::refusalFallsBackAndIsToldOnce()
{
    QFETCH(int, acceptedFirst);
    QFETCH(bool, unanswered);
    QFETCH(QString, computerDate);
    QFETCH(QString, previewAfterTwo);

    FakeSystemDate computer;
    InWindowPreview window(makeDateValue(2026, 12, 9, 10, 30, 0));
    auto& [clock, preview, inWindow] = window;
    QList<FallbackSystemDate::Notice> told;
    FallbackSystemDate systemDate({&computer, &inWindow},
        [&told](const FallbackSystemDate::Notice& notice) { told << notice; });
    DateRequests requests(systemDate);
    FormState state;
    for (int i = 0; i < acceptedFirst; ++i)
        Label4_Click(state, requests);
    if (unanswered)
        computer.leaveSettingUnanswered(QStringLiteral("No answer."));
    else
        computer.refuseSetting(QStringLiteral("Not allowed."));
    while (state.PreviewDay < 2)
        Label4_Click(state, requests);

    QCOMPARE(told.size(), 1);
    QCOMPARE(told.front().reasons,
        unanswered ? QStringLiteral("No answer.") : QStringLiteral("Not allowed."));
    QCOMPARE(told.front().computerDate, computerDate);
    QCOMPARE(told.front().unanswered, unanswered);
    QCOMPARE(dateText(preview.now()), previewAfterTwo);
    QVERIFY(systemDate.isChanged());

    QVERIFY(restoreOf(systemDate));
    QCOMPARE(dateText(preview.now()), QStringLiteral("12-09-2026"));
    QCOMPARE(computer.restores(), computerDate.isEmpty() ? 0 : 1);
}

void TestSysDate::restoreTouchesOnlyWhatChanged()
{
    EventLog log;
    FakeSystemDate first(&log);
    FakeSystemDate second(&log);
    FallbackSystemDate systemDate({&first, &second});
    QVERIFY(restoreOf(systemDate));
    QVERIFY(log.entries().isEmpty());
    answerOf(systemDate, QStringLiteral("12-01-1992"));
    QVERIFY(restoreOf(systemDate));
    QVERIFY(restoreOf(systemDate));
    QCOMPARE(log.entries(), (QStringList{"set 12-01-1992", "restore"}));
}

// Setting the date keeps the wall-clock time of day, also across a daylight-saving difference
// between the two dates. The clock is moved by an offset from its own reading.
void TestSysDate::realDateKeepsTimeOfDay_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("nowUtc");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<qint64>("expectedUtc");

    const auto seconds = [](WallTime t) {
        return qint64(duration_cast<std::chrono::seconds>(t.time_since_epoch()).count());
    };
    QTest::newRow("UTC") << QByteArray("UTC") << seconds(utc(2026, 12, 9, 10, 30, 15))
                         << "12-01-1992" << seconds(utc(1992, 12, 1, 10, 30, 15));
    // 15:00 summer time in New York; 15:00 winter time on the preview day is 20:00 UTC.
    // Midnight starting 10 December in Auckland: the preview day starts at 11:00 UTC the day
    // before.
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
    const WallTime now{std::chrono::seconds{nowUtc}};
    RealSystemDate systemDate(
        setter, [now] { return now; }, [] { return nanoseconds{0}; });
    QVERIFY(answerOf(systemDate, dateText));
    QCOMPARE(setter.offsets.size(), std::size_t(1));
    QCOMPARE(
        qint64(duration_cast<std::chrono::seconds>((now + setter.offsets[0]).time_since_epoch())
                   .count()),
        expectedUtc);
    QVERIFY(systemDate.isChanged());
}

// Started on 9 December at 23:30, previewing, closed at 00:45 the next morning: the true present,
// 10 December 00:45, is put back, not the start-up day. The restore is an offset from the clock's
// reading, so a password prompt of any length before the service applies it cannot skew it.
void TestSysDate::restoreSetsTruePresentAfterMidnight()
{
    const ZoneScope scope("UTC");
    RecordingClockSetter setter;
    WallTime wall = utc(2026, 12, 9, 23, 30, 0);
    nanoseconds boot = hours{100};
    RealSystemDate systemDate(
        setter, [&wall] { return wall; }, [&boot] { return boot; });
    QCOMPARE(systemDate.currentDateText(), QStringLiteral("12-09-2026"));

    QVERIFY(answerOf(systemDate, QStringLiteral("12-05-1992")));
    wall = utc(1992, 12, 6, 0, 45, 0); // the set clock has run on past its own midnight
    boot += minutes{75};
    QVERIFY(restoreOf(systemDate));
    QCOMPARE(wall + setter.offsets.back(), utc(2026, 12, 10, 0, 45, 0));
    QVERIFY(!systemDate.isChanged());

    QVERIFY(restoreOf(systemDate));
    QCOMPARE(setter.offsets.size(), std::size_t(2));
}

// The record on disk exists exactly while the computer's date is changed, or may be: written
// before the first change, kept while a change is unanswered, gone after a confirmed restore.
void TestSysDate::recordLivesWhileTheDateMayBeChanged_data()
{
    QTest::addColumn<DateChange>("setAnswer");
    QTest::addColumn<DateChange>("restoreAnswer");
    QTest::addColumn<bool>("recordWhileSet");
    QTest::addColumn<bool>("recordAfterRestore");

    const DateChange done = DateChange::success();
    const DateChange refused = DateChange::refused(QStringLiteral("No."));
    const DateChange unanswered = DateChange::unanswered(QStringLiteral("Silence."));
    QTest::newRow("set and put back") << done << done << true << false;
    QTest::newRow("refused: nothing to record") << refused << done << false << false;
    QTest::newRow("unanswered: may have changed") << unanswered << done << true << false;
    QTest::newRow("restore unanswered: kept") << done << unanswered << true << true;
    QTest::newRow("restore refused: kept") << done << refused << true << true;
}

void TestSysDate::recordLivesWhileTheDateMayBeChanged()
{
    QFETCH(DateChange, setAnswer);
    QFETCH(DateChange, restoreAnswer);
    QFETCH(bool, recordWhileSet);
    QFETCH(bool, recordAfterRestore);

    QTemporaryDir folder;
    const PreviewRecord record(folder.path(), QStringLiteral("test"));
    RecordingClockSetter setter;
    const WallTime start = utc(2026, 12, 9, 10, 0, 0);
    nanoseconds boot = hours{5};
    RealSystemDate systemDate(
        setter, [start] { return start; }, [&boot] { return boot; }, &record,
        QStringLiteral("boot-a"));
    setter.holding = true;
    systemDate.setDate(QStringLiteral("12-01-1992"), [](const DateChange&) {});
    // Written before the change is even asked for.
    QVERIFY(QFile::exists(record.path()));
    setter.outcome = setAnswer;
    setter.answer();
    QCOMPARE(QFile::exists(record.path()), recordWhileSet);
    QCOMPARE(systemDate.isChanged(), setAnswer.mayHaveChanged());
    if (recordWhileSet) {
        const auto found = record.read();
        QVERIFY(found && found->contents);
        QCOMPARE(found->contents->anchor.bootId, QStringLiteral("boot-a"));
        QCOMPARE(found->contents->anchor.presentAt(hours{6}), start + hours{1});
    }

    setter.holding = false;
    setter.outcome = restoreAnswer;
    restoreOf(systemDate);
    QCOMPARE(QFile::exists(record.path()), recordAfterRestore);
}

// What the next start makes of a record: on the same boot, the true present follows from it; after
// a restart only the last true time known; a damaged record is said to be so.
void TestSysDate::leftoverFromAnEarlierRun_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("bootNow");
    QTest::addColumn<int>("kind");

    const QByteArray written = R"({"version": 1, "way": "test", "bootId": "boot-a",
        "trueWallClockUsec": "1796810400000000", "bootClockNsec": "18000000000000",
        "writtenAtBootClockNsec": "18060000000000"})";
    QTest::newRow("same boot") << written << "boot-a" << int(LeftoverPreview::Kind::ThisBoot);
    QTest::newRow("another boot") << written << "boot-b" << int(LeftoverPreview::Kind::EarlierBoot);
    QTest::newRow("boot unknown") << written << "" << int(LeftoverPreview::Kind::EarlierBoot);
    QTest::newRow("damaged") << QByteArray(R"({"version": 1, "way": "te)") << "boot-a"
                             << int(LeftoverPreview::Kind::Unreadable);
    QTest::newRow("none") << QByteArray() << "boot-a" << -1;
}

void TestSysDate::leftoverFromAnEarlierRun()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, bootNow);
    QFETCH(int, kind);

    QTemporaryDir folder;
    const PreviewRecord record(folder.path(), QStringLiteral("test"));
    if (!contents.isEmpty()) {
        QFile file(record.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    const auto leftover = findLeftoverPreview(record, bootNow);
    QCOMPARE(leftover ? int(leftover->kind) : -1, kind);
    if (kind == int(LeftoverPreview::Kind::ThisBoot)) {
        // 9 December 2026 10:00 UTC at 5 h of boot clock; an hour of boot clock later:
        QCOMPARE(leftover->anchor.presentAt(hours{6}), utc(2026, 12, 9, 11, 0, 0));
    }
    if (kind == int(LeftoverPreview::Kind::EarlierBoot))
        QCOMPARE(leftover->lastKnownTrueTime, utc(2026, 12, 9, 10, 1, 0));
}

void TestSysDate::exitSequenceOrder()
{
    EventLog log;
    ScriptedClock clock(&log);
    clock.setElapsed(milliseconds{1000});
    RecordingForm form(log);
    FakeSystemDate systemDate(&log);
    DateRequests requests(systemDate);
    requests.setDate(QStringLiteral("12-03-1992"));
    log.clear();

    ExitSequence(requests, clock, form, instantExit(clock, &log));

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
    DateRequests requests(systemDate);
    ExitSequence(requests, clock, form, instantExit(clock));
    QCOMPARE(form.visibleControls(), (QList<Control>{Control::Santa16, Control::LogoKestrel}));
}

void TestSysDate::exitWithoutPreviewTouchesNothing()
{
    EventLog log;
    ScriptedClock clock;
    RecordingForm form(log);
    FakeSystemDate systemDate(&log);
    DateRequests requests(systemDate);
    ExitSequence(requests, clock, form, instantExit(clock, &log));
    QVERIFY(log.matching(QStringLiteral("restore")).isEmpty());
    QVERIFY(log.matching(QStringLiteral("set")).isEmpty());
    QVERIFY(log.matching(QStringLiteral("told")).isEmpty());
    QCOMPARE(form.exitStatus(), 0);
}

// The farewell still comes, and the program ends with status 1.
void TestSysDate::exitToldWhenRestoreFails()
{
    EventLog log;
    ScriptedClock clock;
    RecordingForm form(log);
    FakeSystemDate systemDate(&log);
    DateRequests requests(systemDate);
    requests.setDate(QStringLiteral("12-03-1992"));
    systemDate.refuseRestoring(QStringLiteral("The service did not answer."));
    ExitSequence(requests, clock, form, instantExit(clock, &log));
    QCOMPARE(
        log.matching(QStringLiteral("told")), QStringList{"told: The service did not answer."});
    QCOMPARE(form.exitStatus(), 1);
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
    DateRequests requests(systemDate);
    int sleeps = 0;
    ExitServices services{[&](nanoseconds duration) {
                              ++sleeps;
                              clock.setElapsed(
                                  clock.currentElapsed() + duration + milliseconds{overrunMs});
                          },
        [](const QString&) {}};
    ExitSequence(requests, clock, form, services);

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
    DateRequests requests(systemDate);
    timespec cpuBefore{}, cpuAfter{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuBefore);
    const nanoseconds start = clock.elapsed();
    ExitSequence(requests, clock, form,
        {[](nanoseconds d) { std::this_thread::sleep_for(d); }, [](const QString&) {}});
    const nanoseconds waited = clock.elapsed() - start;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuAfter);
    const double cpuSeconds = double(cpuAfter.tv_sec - cpuBefore.tv_sec)
        + double(cpuAfter.tv_nsec - cpuBefore.tv_nsec) / 1e9;

    QVERIFY(form.ended());
    QVERIFY(waited >= seconds{3});
    QVERIFY2(waited < milliseconds{3900}, qPrintable(QString::number(waited.count())));
    // A spinning wait would use three seconds of processor time; this one uses next to none.
    QVERIFY2(cpuSeconds < 0.15, qPrintable(QString::number(cpuSeconds)));
}

void TestSysDate::terminationSignalRestores_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("answerLate");
    QTest::newRow("SIGTERM") << SIGTERM << false;
    QTest::newRow("SIGINT") << SIGINT << false;
    QTest::newRow("SIGHUP, while a change waits for permission") << SIGHUP << true;
}

// The signal is handled at once, and the program ends after putting the date back, once a
// change still waiting has been answered; with the usual status of a program ended by a signal.
void TestSysDate::terminationSignalRestores()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, answerLate);
    EventLog log;
    FakeSystemDate systemDate(&log);
    DateRequests requests(systemDate);
    RestoreGuard guard(requests, {});
    systemDate.holdAnswers(answerLate);
    requests.setDate(QStringLiteral("12-12-1992"));

    QTimer::singleShot(0, qApp, [signalNumber] { std::raise(signalNumber); });
    if (answerLate) {
        // Answered only well after the signal: nothing may be put back before.
        QTimer::singleShot(200, qApp, [&] {
            QCOMPARE(log.entries(), QStringList{"set 12-12-1992"});
            systemDate.answer();
            systemDate.answer();
        });
    }
    QTimer safety;
    connect(&safety, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    safety.start(5000);
    QCOMPARE(QCoreApplication::exec(), 128 + signalNumber);
    QCOMPARE(log.entries(), (QStringList{"set 12-12-1992", "restore"}));
    QVERIFY(!systemDate.isChanged());
}

// An end puts the date back once: a failed restore at the end of the event loop is not asked
// again by the guard's own end, and the status says the date stays changed.
void TestSysDate::endsAskOnce()
{
    EventLog log;
    FakeSystemDate systemDate(&log);
    DateRequests requests(systemDate);
    QStringList told;
    int status = 0;
    {
        RestoreGuard guard(requests, [&told](const QString& reason, bool) { told << reason; });
        requests.setDate(QStringLiteral("12-12-1992"));
        systemDate.refuseRestoring(QStringLiteral("Refused."));
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        status = guard.exitStatus(QCoreApplication::exec());
    }
    QCOMPARE(log.entries(), (QStringList{"set 12-12-1992", "restore now"}));
    QCOMPARE(told, QStringList{"Refused."});
    QCOMPARE(status, 1);
}

QTEST_GUILESS_MAIN(TestSysDate)
#include "tst_sysdate.moc"
