// SPDX-License-Identifier: MIT
// The date and time service as it really behaves, and the real program's starts and odd ends
// against it: the notes an earlier run may have left (or that someone put in their place), locks
// that others hold, copies that do not share a lock, a change answered too late, a service that
// says it put the date back when it did not, a closed standard error, a note that cannot be
// removed, and rights that come with the program file. The service is always a mock on a private
// bus, with a simulated clock that the program reads; the program never holds the right to set
// the real clock.
#include "localclock.h"
#include "mockdateservice.h"
#include "previewrecord.h"
#include "programsession.h"
#include "timedatedclocksetter.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

constexpr QLatin1String appId("example.santa.SantaCountDown");
const QPoint daysCaption(645, 396);
const QPoint exitButton(575, 465);
constexpr double closeEnough = 0.25;
constexpr double inDecember1992 = -1e9;

QString raising(const QString& errorName)
{
    return QStringLiteral("refuse('%1')").arg(errorName);
}

// The offset of a clock that reads 10 December 1992 at this time of day.
double offsetToDecember1992()
{
    const auto now = LocalClock().wallTime();
    const auto today = floor<days>(now);
    return duration<double>(sys_days{1992y / December / 10} - today).count();
}

// A note of the true time as the program writes one; fields may be replaced.
QByteArray noteWith(const QString& bootId, qint64 trueUsec, qint64 bootNsec, qint64 writtenNsec)
{
    return QStringLiteral(R"({"version": 1, "way": "timedated", "bootId": "%1",
        "trueWallClockUsec": "%2", "bootClockNsec": "%3", "writtenAtBootClockNsec": "%4"})")
        .arg(bootId)
        .arg(trueUsec)
        .arg(bootNsec)
        .arg(writtenNsec)
        .toUtf8();
}

} // namespace

class TestDateService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    // The clock service backend.
    void answersBecomeOutcomes_data();
    void answersBecomeOutcomes();
    void waitsWithoutBlocking();

    // The real program.
    void notesFoundAtStart_data();
    void notesFoundAtStart();
    void locksOfOthers_data();
    void locksOfOthers();
    void oddEnds_data();
    void oddEnds();
    void twoCopiesWithoutOneLock_data();
    void twoCopiesWithoutOneLock();
    void secondCopyBringsTheFirstForward_data();
    void secondCopyBringsTheFirstForward();
    void rightsOfTheProgramFileAreDropped();

private:
    ProgramSession::Options withMock(const QProcessEnvironment& also = {}) const;
    std::optional<DateChange> shiftAndWait(TimedatedClockSetter& setter, microseconds offset);

    MockDateService m_service;
};

void TestDateService::initTestCase()
{
    SCD_SKIP_WITH_REASON(ProgramSession::cannotRun());
    SCD_SKIP_WITH_REASON(MockDateService::missingTools());
    // Belt and braces: even if something asked for the system bus, it would find none.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/none");
    const QString error = m_service.start();
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestDateService::init()
{
    QVERIFY(m_service.clearCalls());
    QVERIFY(m_service.setSetTimeCode(QStringLiteral("apply()")));
}

ProgramSession::Options TestDateService::withMock(const QProcessEnvironment& also) const
{
    ProgramSession::Options options;
    options.simulatedClock = m_service.clockFile();
    options.environment = also;
    options.environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_service.address());
    return options;
}

std::optional<DateChange> TestDateService::shiftAndWait(
    TimedatedClockSetter& setter, microseconds offset)
{
    std::optional<DateChange> answer;
    setter.shift(offset, [&answer](const DateChange& change) { answer = change; });
    QElapsedTimer waited;
    waited.start();
    while (!answer && waited.elapsed() < 60000)
        QTest::qWait(20);
    return answer;
}

// SetTime(usec, relative, interactive) by the offset, as a 64-bit integer; and every answer of the
// service (or its absence) becomes an outcome with its cause. No answer in time means the date
// may have changed.
void TestDateService::answersBecomeOutcomes_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<qlonglong>("offset");
    QTest::addColumn<int>("timeoutMs");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("cause");

    using Cause = DateChange::Cause;
    const int done = int(DateChange::Outcome::Done);
    const int refused = int(DateChange::Outcome::Refused);
    const int unanswered = int(DateChange::Outcome::Unanswered);
    const auto row = [&](const char* name, const QString& code, qlonglong offset, int outcome,
                         Cause cause, int timeoutMs = 60000) {
        QTest::newRow(name) << code << offset << timeoutMs << outcome << int(cause);
    };
    row("back to December 1992", QStringLiteral("apply()"), -1'073'225'338'123'456, done, Cause::None);
    row("microseconds kept", QStringLiteral("apply()"), 654, done, Cause::None);
    row("service unknown", raising("org.freedesktop.DBus.Error.ServiceUnknown"), 1, refused,
        Cause::NoService);
    row("automatic sync", raising("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"), 1,
        refused, Cause::AutomaticTimeSync);
    row("access denied", raising("org.freedesktop.DBus.Error.AccessDenied"), 1, refused,
        Cause::NotAuthorized);
    row("polkit not authorized", raising("org.freedesktop.PolicyKit1.Error.NotAuthorized"), 1,
        refused, Cause::NotAuthorized);
    row("polkit cancelled", raising("org.freedesktop.PolicyKit1.Error.Cancelled"), 1, refused,
        Cause::NotAuthorized);
    row("interactive authorization required",
        raising("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"), 1, refused,
        Cause::NoPasswordPrompt);
    row("anything else", raising("org.example.Clock.Error.Jammed"), 1, refused, Cause::ServiceError);
    row("an answer after the timeout", QStringLiteral("time.sleep(2)\napply()"), 1, unanswered,
        Cause::NoAnswer, 300);
    // clang-format on
}

void TestDateService::answersBecomeOutcomes()
{
    QFETCH(QString, code);
    QFETCH(qlonglong, offset);
    QFETCH(int, timeoutMs);
    QFETCH(int, outcome);
    QFETCH(int, cause);

    QVERIFY(m_service.setSetTimeCode(code));
    TimedatedClockSetter setter(m_service.bus(), milliseconds{timeoutMs});
    const auto answer = shiftAndWait(setter, microseconds{offset});
    QVERIFY(answer);
    QVERIFY2(int(answer->outcome) == outcome, qPrintable(answer->detail));
    QCOMPARE(int(answer->cause), cause);
    const auto calls = m_service.setTimeCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0][0].metaType(), QMetaType::fromType<qlonglong>());
    QCOMPARE(calls[0][0].toLongLong(), offset);
    QCOMPARE(calls[0][1].toBool(), true); // relative
    QCOMPARE(calls[0][2].toBool(), true); // interactive
    if (outcome == int(DateChange::Outcome::Done))
        QVERIFY(std::abs(m_service.clockOffset() - double(offset) / 1e6) < 1e-3);
}

// A change that waits for a password leaves the event loop running.
void TestDateService::waitsWithoutBlocking()
{
    QVERIFY(m_service.setSetTimeCode(QStringLiteral("time.sleep(1.5)")));
    TimedatedClockSetter setter(m_service.bus());
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(100);
    std::optional<DateChange> answer;
    setter.shift(-1h, [&answer](const DateChange& change) { answer = change; });
    QVERIFY(setter.isPending());
    QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 30000);
    QVERIFY(*answer);
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    QVERIFY(!setter.isPending());
}

// Whatever lies where the note of an unfinished preview is kept: only a plausible note of this
// boot, with the clock on a preview day, moves the clock; a note whose true time the clock already
// shows goes quietly; anything else is told plainly, the clock is left as it is, and the note is
// removed. The start never hangs.
void TestDateService::notesFoundAtStart_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("note");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("clockInDecember1992");
    QTest::addColumn<bool>("repaired");
    QTest::addColumn<QString>("told");

    const QString boot = PreviewRecord::currentBootId();
    const qint64 bootNow = LocalClock().elapsed().count();
    const qint64 trueUsec = duration_cast<microseconds>(
        (LocalClock().wallTime() - minutes{1}).time_since_epoch()).count();
    const qint64 pinned = bootNow - 60'000'000'000;
    const QByteArray plausible = noteWith(boot, trueUsec, pinned, pinned);

    QTest::newRow("this boot, the clock on a preview day: put back")
        << plausible << "file" << true << true << "has been put back";
    QTest::newRow("this boot, the clock already right: removed quietly")
        << plausible << "file" << false << false << "";
    QTest::newRow("another boot") << noteWith(QStringLiteral("another-boot"), trueUsec, pinned, pinned)
                                  << "file" << true << false << "restarted since";
    QTest::newRow("a true time in the year 1")
        << noteWith(boot, 1'000'000, pinned, pinned) << "file" << true << false << "cannot be right";
    QTest::newRow("a boot clock ahead of now")
        << noteWith(boot, trueUsec, bootNow + 3'600'000'000'000, bootNow + 3'600'000'000'000)
        << "file" << true << false << "cannot be right";
    QTest::newRow("huge numbers")
        << QByteArray(plausible).replace(QByteArray::number(trueUsec), "99999999999999999999999")
        << "file" << true << false << "not a note of the true time";
    QTest::newRow("negative numbers")
        << QByteArray(plausible).replace(QByteArray::number(trueUsec), "-5") << "file" << true
        << false << "not a note of the true time";
    QTest::newRow("damaged") << plausible.left(40) << "file" << true << false
                             << "not a note of the true time";
    QTest::newRow("a named pipe") << QByteArray() << "fifo" << true << false << "a named pipe";
    QTest::newRow("a folder") << QByteArray() << "folder" << true << false << "a folder";
    QTest::newRow("a link to a note") << plausible << "link" << true << false << "a symbolic link";
    QTest::newRow("a huge file") << QByteArray(1 << 20, ' ') << "file" << true << false
                                 << "far larger than a note";
    // clang-format on
}

void TestDateService::notesFoundAtStart()
{
    QFETCH(QByteArray, note);
    QFETCH(QString, kind);
    QFETCH(bool, clockInDecember1992);
    QFETCH(bool, repaired);
    QFETCH(QString, told);

    QTemporaryDir state;
    const QString folder = state.filePath(QStringLiteral("santa-count-down"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/unfinished-preview-timedated.json");
    const QString elsewhere = state.filePath(QStringLiteral("elsewhere.json"));
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile file(kind == QLatin1String("link") ? elsewhere : path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(note), note.size());
        file.close();
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere, path));
    }
    // The clock file is rewritten whole, as the mock does.
    const double startOffset = clockInDecember1992 ? offsetToDecember1992() : 0.0;
    {
        QFile clock(m_service.clockFile());
        QVERIFY(clock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        clock.write(QByteArray::number(startOffset, 'f', 6).prepend(startOffset < 0 ? "" : "+"));
    }

    QProcessEnvironment also;
    also.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
    ProgramSession session(withMock(also));
    QVERIFY(session.waitForWindow());
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(path) && !QFileInfo(path).isSymLink(), 30000);
    if (repaired)
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(m_service.clockOffset()) < closeEnough, 30000);
    if (!told.isEmpty())
        QTRY_VERIFY_WITH_TIMEOUT(session.errors().contains(told), 30000);
    QVERIFY(session.answerNotices(!told.isEmpty()));
    session.click(exitButton);
    QVERIFY(session.waitForEnd());
    QCOMPARE(session.program().exitCode(), 0);

    if (!repaired) {
        // Touched nothing: the clock is where it was, and a link's target is as it was.
        QCOMPARE(m_service.setTimeCalls().size(), 0);
        QVERIFY(std::abs(m_service.clockOffset() - startOffset) < closeEnough);
    }
    if (told.isEmpty())
        QVERIFY2(!session.errors().contains(QLatin1String("note")), qPrintable(session.errors()));
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::exists(elsewhere));
}

// Locks that are not this user's own, or a folder of notes this copy cannot write: the program
// still starts, changes nothing on the computer, says why once, and previews in the window.
void TestDateService::locksOfOthers_data()
{
    // clang-format off
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("told");
    QTest::newRow("another user's lock, held")
        << "foreign lock" << "cannot make sure that it is the only one running";
    QTest::newRow("a link where the lock goes")
        << "linked lock" << "cannot make sure that it is the only one running";
    QTest::newRow("a folder of notes that cannot be written")
        << "read-only notes" << "cannot keep a note of the change";
    // clang-format on
}

void TestDateService::locksOfOthers()
{
    QFETCH(QString, situation);
    QFETCH(QString, told);

    QTemporaryDir runtime;
    QTemporaryDir state;
    const QString lock = runtime.filePath(QStringLiteral("santa-count-down.lock"));
    const QString notes = state.filePath(QStringLiteral("santa-count-down"));
    int held = -1;
    const auto release = qScopeGuard([&held] {
        if (held >= 0)
            ::close(held);
    });
    if (situation == QLatin1String("foreign lock")) {
        // Made by another user, for anyone to write, and locked by them.
        held = ::open(QFile::encodeName(lock).constData(), O_RDWR | O_CREAT, 0666);
        QVERIFY(held >= 0);
        QCOMPARE(::fchmod(held, 0666), 0);
        QCOMPARE(::fchown(held, 65534, 65534), 0);
        QCOMPARE(::flock(held, LOCK_EX | LOCK_NB), 0);
    } else if (situation == QLatin1String("linked lock")) {
        QVERIFY(QFile::link(state.filePath(QStringLiteral("somewhere")), lock));
    } else {
        QVERIFY(QDir().mkpath(notes));
        QFile(notes + QStringLiteral("/notes.lock")).open(QIODevice::WriteOnly);
        QCOMPARE(::chmod(QFile::encodeName(notes).constData(), 0500), 0);
    }
    const auto writable =
        qScopeGuard([&notes] { ::chmod(QFile::encodeName(notes).constData(), 0700); });

    QProcessEnvironment also;
    also.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    also.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
    ProgramSession session(withMock(also));
    QVERIFY(session.waitForWindow());
    session.click(daysCaption);
    QTRY_VERIFY_WITH_TIMEOUT(session.errors().contains(told), 30000);
    QVERIFY(session.errors().contains(QLatin1String("in this window only")));
    QVERIFY(session.answerNotices(true));
    session.click(exitButton);
    QVERIFY(session.waitForEnd());
    QCOMPARE(session.program().exitCode(), 0);
    QCOMPARE(m_service.setTimeCalls().size(), 0);
    QVERIFY(std::abs(m_service.clockOffset()) < closeEnough);
}

// Ends that go wrong in ways of their own. Each row: how the service behaves, what happens, then
// where the clock ends, the exit status and what the person is told.
void TestDateService::oddEnds_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("happening");
    QTest::addColumn<bool>("clockBack");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("told");

    // The first change is answered only after the program's timeout (2 s): EXIT cannot claim the
    // date is back, the note stays, and the next start puts right what landed late.
    QTest::newRow("a change answered after its timeout")
        << "if n == 1: time.sleep(10)\napply()"
        << "late" << true << 1 << QStringList{"did not answer", "may still change", "has been put back"};
    // The service says it put the date back, but the clock stays where the preview left it.
    QTest::newRow("a restore accepted that leaves the clock wrong")
        << "if n == 1: apply()"
        << "exit" << false << 1 << QStringList{"could not be put back", "after putting the date back"};
    // Standard error is a pipe nobody reads: the notice written there must not end the program.
    QTest::newRow("standard error closed") << "if n == 2: refuse('org.freedesktop.PolicyKit1.Error.NotAuthorized')\napply()"
                                           << "stderr closed" << true << 0 << QStringList{};
    // The folder of notes turns read-only during the preview: the date goes back, the person is
    // told that the note stays, and the next start, finding the clock right, says nothing.
    QTest::newRow("a note that cannot be removed")
        << "apply()" << "note stays" << true << 0 << QStringList{"could not be removed"};
    // clang-format on
}

void TestDateService::oddEnds()
{
    QFETCH(QString, code);
    QFETCH(QString, happening);
    QFETCH(bool, clockBack);
    QFETCH(int, status);
    QFETCH(QStringList, told);

    QVERIFY(m_service.setSetTimeCode(code));
    QTemporaryDir state;
    const QString notes = state.filePath(QStringLiteral("santa-count-down"));
    const auto writable =
        qScopeGuard([&notes] { ::chmod(QFile::encodeName(notes).constData(), 0700); });
    QProcessEnvironment also;
    also.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
    if (happening == QLatin1String("late"))
        also.insert(QStringLiteral("SANTA_COUNT_DOWN_SERVICE_TIMEOUT_MS"), QStringLiteral("2000"));
    ProgramSession::Options options = withMock(also);
    options.brokenStandardError = happening == QLatin1String("stderr closed");
    ProgramSession session(options);
    QVERIFY(session.waitForWindow());

    session.click(daysCaption);
    if (happening == QLatin1String("late")) {
        QTRY_VERIFY_WITH_TIMEOUT(session.errors().contains(QLatin1String("did not answer")), 30000);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(m_service.clockOffset() < inDecember1992, 30000);
    }
    if (happening == QLatin1String("stderr closed")) {
        session.click(daysCaption);
        QTRY_VERIFY_WITH_TIMEOUT(!session.notices().isEmpty(), 30000);
        QVERIFY(session.program().state() == QProcess::Running);
    }
    if (happening == QLatin1String("note stays"))
        QCOMPARE(::chmod(QFile::encodeName(notes).constData(), 0500), 0);
    QVERIFY(session.answerNotices(happening == QLatin1String("late")));
    session.click(exitButton);
    QVERIFY(session.waitForEnd());
    QCOMPARE(session.program().exitStatus(), QProcess::NormalExit);
    QCOMPARE(session.program().exitCode(), status);

    const QString note = notes + QStringLiteral("/unfinished-preview-timedated.json");
    if (happening == QLatin1String("late")) {
        // What landed late is put right by the next start, from the note that was kept.
        QVERIFY(QFile::exists(note));
        QTRY_VERIFY_WITH_TIMEOUT(m_service.clockOffset() < inDecember1992, 30000);
        QVERIFY(session.restart());
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(m_service.clockOffset()) < closeEnough, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(note), 30000);
        QVERIFY(session.answerNotices(true));
        session.click(exitButton);
        QVERIFY(session.waitForEnd());
        QCOMPARE(session.program().exitCode(), 0);
    }
    if (happening == QLatin1String("note stays")) {
        QVERIFY(QFile::exists(note));
        QCOMPARE(::chmod(QFile::encodeName(notes).constData(), 0700), 0);
        const qsizetype toldBefore = session.errors().size();
        QVERIFY(session.restart());
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(note), 30000);
        session.click(exitButton);
        QVERIFY(session.waitForEnd());
        const QString toldAfter = session.errors().mid(toldBefore);
        QVERIFY2(!toldAfter.contains(QLatin1String("date")), qPrintable(toldAfter));
    }
    const double offset = m_service.clockOffset();
    if (clockBack)
        QVERIFY2(std::abs(offset) < closeEnough, qPrintable(QString::number(offset, 'f', 6)));
    else
        QVERIFY2(offset < inDecember1992, qPrintable(QString::number(offset, 'f', 6)));
    for (const QString& words : std::as_const(told))
        QVERIFY2(session.errors().contains(words), qPrintable(session.errors()));
    if (!clockBack)
        QVERIFY(QFile::exists(note));
}

// Two copies on one display that do not share the lock of the session (their runtime folders
// differ): the second never changes the computer's date while the first has it changed, neither
// overwrites the other's note, and the first puts the date back.
void TestDateService::twoCopiesWithoutOneLock_data()
{
    // clang-format off
    QTest::addColumn<bool>("sameNotes");
    QTest::addColumn<QString>("told");
    QTest::newRow("one folder of notes") << true << "cannot make sure that it is the only one running";
    QTest::newRow("folders of notes of their own") << false << "already shows a day of December 1992";
    // clang-format on
}

void TestDateService::twoCopiesWithoutOneLock()
{
    QFETCH(bool, sameNotes);
    QFETCH(QString, told);

    ProgramSession session(withMock());
    QVERIFY(session.waitForWindow());
    session.click(daysCaption);
    QTRY_VERIFY_WITH_TIMEOUT(m_service.clockOffset() < inDecember1992, 30000);
    const double firstDay = m_service.clockOffset();

    QTemporaryDir runtime;
    QTemporaryDir state;
    QProcessEnvironment also;
    also.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    if (!sameNotes)
        also.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
    QProcess second;
    session.start(second, {}, also);
    QString secondWindow;
    QTRY_VERIFY_WITH_TIMEOUT(session.programWindows().size() == 2, 60000);
    for (const QString& window : session.programWindows()) {
        if (window != session.window())
            secondWindow = window;
    }
    session.click(daysCaption, secondWindow);
    QString secondSaid;
    QTRY_VERIFY_WITH_TIMEOUT(
        (secondSaid += QString::fromLocal8Bit(second.readAllStandardError())).contains(told),
        30000);
    QCOMPARE(m_service.setTimeCalls().size(), 1);
    QCOMPARE(m_service.clockOffset(), firstDay);
    QVERIFY(session.answerNotices(true));

    session.click(exitButton);
    QVERIFY(session.waitForEnd());
    QCOMPARE(session.program().exitCode(), 0);
    QVERIFY(std::abs(m_service.clockOffset()) < closeEnough);
    session.click(exitButton, secondWindow);
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(std::abs(m_service.clockOffset()) < closeEnough);
    QCOMPARE(m_service.setTimeCalls().size(), 2);
}

// A second start ends at once with status 0 and brings the first window forward, where there is
// a session bus; only the first copy ever shows a window.
void TestDateService::secondCopyBringsTheFirstForward_data()
{
    QTest::addColumn<bool>("sessionBus");
    QTest::newRow("session bus") << true;
    QTest::newRow("no session bus") << false;
}

void TestDateService::secondCopyBringsTheFirstForward()
{
    QFETCH(bool, sessionBus);
    QProcessEnvironment also;
    if (sessionBus)
        also.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_service.address());
    ProgramSession session(withMock(also));
    QVERIFY(session.waitForWindow());
    if (sessionBus)
        QTRY_VERIFY_WITH_TIMEOUT(m_service.bus().interface()->isServiceRegistered(appId), 30000);
    // Another program's window covers it.
    QProcess cover;
    session.startOnDisplay(cover, QStringLiteral("xlogo"),
        {QStringLiteral("-geometry"), QStringLiteral("1024x768+0+0")});
    QTRY_VERIFY_WITH_TIMEOUT(
        session.stacking().size() >= 2 && session.stacking().constFirst() != session.window(),
        30000);

    QProcess second;
    session.start(second);
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    const QString said = QString::fromLocal8Bit(second.readAllStandardError());
    QVERIFY2(said.contains(QLatin1String("already running")), qPrintable(said));
    QCOMPARE(said.contains(QLatin1String("brought forward")), sessionBus);
    if (sessionBus)
        QTRY_COMPARE_WITH_TIMEOUT(session.stacking().constFirst(), session.window(), 10000);
    else
        QVERIFY(session.stacking().constFirst() != session.window());
    QCOMPARE(session.programWindows().size(), 1);
    QCOMPARE(session.program().state(), QProcess::Running);
}

// A program file that carries rights of its own (here a harmless file capability, as an
// administrator might grant the right to set the clock), started by an ordinary user: the program
// gives them all up before anything else runs, says so once, and asks the date service rather
// than the kernel (which, as that user, it cannot reach here: no bus of the test's lets them in).
void TestDateService::rightsOfTheProgramFileAreDropped()
{
    if (::geteuid() != 0)
        QSKIP("needs root, to give the program file a capability and start it as another user");
    const QString setcap = QStandardPaths::findExecutable(
        QStringLiteral("setcap"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (setcap.isEmpty())
        QSKIP("setcap is not installed (Debian package libcap2-bin)");
    constexpr int nobody = 65534;
    QTemporaryDir folder;
    QCOMPARE(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    const QString copy = folder.filePath(QStringLiteral("santa-count-down"));
    QVERIFY(QFile::copy(QStringLiteral(SCD_BINARY), copy));
    QProcess granting;
    granting.start(setcap, {QStringLiteral("cap_net_bind_service+ep"), copy});
    QVERIFY(granting.waitForFinished(30000));
    if (granting.exitCode() != 0)
        QSKIP(qPrintable(QStringLiteral("this file system keeps no file capabilities: %1")
                             .arg(QString::fromLocal8Bit(granting.readAllStandardError()))));
    // Folders of that user's own.
    QProcessEnvironment also;
    for (const char* variable : {"XDG_RUNTIME_DIR", "XDG_STATE_HOME", "HOME"}) {
        const QString path = folder.filePath(QLatin1String(variable));
        QVERIFY(QDir().mkpath(path));
        QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody, nobody), 0);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0700), 0);
        also.insert(QLatin1String(variable), path);
    }

    ProgramSession::Options options = withMock(also);
    options.binary = copy;
    options.user = nobody;
    ProgramSession session(options);
    QVERIFY2(session.waitForWindow(), qPrintable(session.errors()));
    QFile status(QStringLiteral("/proc/%1/status").arg(session.program().processId()));
    QVERIFY(status.open(QIODevice::ReadOnly));
    const QString capabilities = QString::fromLatin1(status.readAll());
    static const QRegularExpression none(
        QStringLiteral("^Cap(Inh|Prm|Eff|Amb):\\s+0+$"), QRegularExpression::MultilineOption);
    QVERIFY2(capabilities.count(none) == 4, qPrintable(capabilities));
    QCOMPARE(session.errors().count(QLatin1String("has given them up")), 1);
    session.click(daysCaption);
    QTRY_VERIFY_WITH_TIMEOUT(session.errors().contains(QLatin1String("system message bus")), 30000);
    QVERIFY(session.answerNotices(true));
    session.click(exitButton);
    QVERIFY(session.waitForEnd());
    QCOMPARE(session.program().exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestDateService)
#include "tst_dateservice.moc"
