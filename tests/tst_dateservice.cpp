// SPDX-License-Identifier: MIT
// The date and time service as it really behaves: slow (a password prompt), late (past the
// timeout), refusing after a first change, and the program ended in every way while a preview
// has changed the date. The service is always a mock on a private bus; the real program runs on a
// virtual display without the right to set the clock, and reads the true time.
#include "localclock.h"
#include "mockdateservice.h"
#include "programsession.h"
#include "timedatedclocksetter.h"

#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace std::chrono;
using namespace std::chrono_literals;

namespace {

const QString appId = QStringLiteral("example.santa.SantaCountDown");
const QPoint daysCaption(645, 396);
const QPoint exitButton(575, 465);
const QRect timeLine(250, 480, 150, 16);

QString raising(const QString& errorName)
{
    return QStringLiteral("raise dbus.exceptions.DBusException('mock says no', name='%1')")
        .arg(errorName);
}

// The offset that moves the clock from now to the given day, same time of day, local time.
microseconds offsetToDay(year_month_day day)
{
    const auto now = LocalClock::wallClockNow();
    const auto local = LocalClock::toLocal(now);
    return duration_cast<microseconds>(
        LocalClock::fromLocal(local_days{day} + (local - floor<days>(local))) - now);
}

// One SetTime call: relative, interactive, by about the given offset.
bool movesBy(const QVariantList& call, microseconds offset, seconds within)
{
    return call.size() == 3 && call[1].toBool() && call[2].toBool()
        && abs(microseconds{call[0].toLongLong()} - offset) <= within;
}

QString describe(const QList<QVariantList>& calls)
{
    QStringList out;
    for (const QVariantList& call : calls) {
        QStringList arguments;
        for (const QVariant& argument : call)
            arguments << argument.toString();
        out << QLatin1Char('(') + arguments.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return out.join(QLatin1Char(' '));
}

} // namespace

class TestDateService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    // The clock service backend.
    void movesByAnOffset_data();
    void movesByAnOffset();
    void answersBecomeOutcomes_data();
    void answersBecomeOutcomes();
    void waitsWithoutBlocking();
    void lateAnswerMayHaveChanged();
    void endWaitsForTheAnswerThenRestores();
    void noBus();

    // The real program.
    void slowServiceKeepsTheWindowGoing();
    void refusedAfterAFirstChange();
    void killedDuringPreviewRepairedAtNextStart();
    void secondCopyBringsTheFirstForward_data();
    void secondCopyBringsTheFirstForward();
    void lostDisplayRestoresFirst();

private:
    ProgramSession::Options withMock(bool sessionBus = false) const;
    std::optional<DateChange> shiftAndWait(TimedatedClockSetter& setter, microseconds offset);

    MockDateService m_service;
};

void TestDateService::initTestCase()
{
    // Belt and braces: even if something asked for the system bus, it would find none.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/none");
    const QString error = m_service.start();
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestDateService::init()
{
    QVERIFY(m_service.clearCalls());
}

void TestDateService::cleanup()
{
    // Waits, if need be, for a slow method from the previous test to finish.
    QVERIFY(m_service.setSetTimeCode(QString()));
}

ProgramSession::Options TestDateService::withMock(bool sessionBus) const
{
    ProgramSession::Options options;
    options.environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_service.address());
    if (sessionBus)
        options.environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_service.address());
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

// The service adds the offset to its own reading when it applies it, however long the person
// took to give permission; polkit may ask them.
void TestDateService::movesByAnOffset_data()
{
    QTest::addColumn<qlonglong>("offset");
    QTest::newRow("back to December 1992") << qlonglong(-1'073'225'338'123'456);
    QTest::newRow("microseconds kept") << qlonglong(654);
    QTest::newRow("forward a day") << qlonglong(86'400'000'000);
}

void TestDateService::movesByAnOffset()
{
    QFETCH(qlonglong, offset);
    TimedatedClockSetter setter(m_service.bus());
    const auto answer = shiftAndWait(setter, microseconds{offset});
    QVERIFY(answer && *answer);
    const auto calls = m_service.setTimeCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].size(), 3);
    QCOMPARE(calls[0][0].metaType(), QMetaType::fromType<qlonglong>());
    QCOMPARE(calls[0][0].toLongLong(), offset);
    QCOMPARE(calls[0][1].toBool(), true); // relative
    QCOMPARE(calls[0][2].toBool(), true); // interactive
}

// Refusals say why in words a person understands. No answer means the date may have changed.
void TestDateService::answersBecomeOutcomes_data()
{
    QTest::addColumn<QString>("errorName");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("keyWords");

    const int refused = int(DateChange::Outcome::Refused);
    const int unanswered = int(DateChange::Outcome::Unanswered);
    const QStringList missing{QStringLiteral("systemd-timedated"), QStringLiteral("not available")};
    const QStringList denied{QStringLiteral("Permission"), QStringLiteral("not given")};
    const QStringList late{
        QStringLiteral("did not answer"), QStringLiteral("may have been changed")};

    QTest::newRow("service unknown")
        << "org.freedesktop.DBus.Error.ServiceUnknown" << refused << missing;
    QTest::newRow("automatic sync") << "org.freedesktop.timedate1.AutomaticTimeSyncEnabled"
                                    << refused << QStringList{"automatically", "by hand"};
    QTest::newRow("access denied")
        << "org.freedesktop.DBus.Error.AccessDenied" << refused << denied;
    QTest::newRow("polkit not authorized")
        << "org.freedesktop.PolicyKit1.Error.NotAuthorized" << refused << denied;
    QTest::newRow("polkit cancelled")
        << "org.freedesktop.PolicyKit1.Error.Cancelled" << refused << denied;
    QTest::newRow("interactive authorization required")
        << "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired" << refused
        << QStringList{"administrator", "password prompt"};
    QTest::newRow("no reply") << "org.freedesktop.DBus.Error.NoReply" << unanswered << late;
    QTest::newRow("timeout") << "org.freedesktop.DBus.Error.Timeout" << unanswered << late;
    QTest::newRow("anything else")
        << "org.example.Clock.Error.Jammed" << refused << QStringList{"could not", "mock says no"};
}

void TestDateService::answersBecomeOutcomes()
{
    QFETCH(QString, errorName);
    QFETCH(int, outcome);
    QFETCH(QStringList, keyWords);

    QVERIFY(m_service.setSetTimeCode(raising(errorName)));
    TimedatedClockSetter setter(m_service.bus());
    const auto answer = shiftAndWait(setter, 0us);
    QVERIFY(answer);
    QCOMPARE(int(answer->outcome), outcome);
    for (const QString& word : std::as_const(keyWords))
        QVERIFY2(answer->reason.contains(word, Qt::CaseInsensitive), qPrintable(answer->reason));
    // The person reads this; raw D-Bus names belong in logs, not in the sentence.
    QVERIFY2(!answer->reason.contains(QLatin1String("org.")), qPrintable(answer->reason));
}

// A change that waits for a password leaves the event loop running.
void TestDateService::waitsWithoutBlocking()
{
    QVERIFY(m_service.setSetTimeCode(QStringLiteral("import time; time.sleep(1.5)")));
    TimedatedClockSetter setter(m_service.bus());
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(100);
    QElapsedTimer returned;
    returned.start();
    std::optional<DateChange> answer;
    setter.shift(-1h, [&answer](const DateChange& change) { answer = change; });
    QVERIFY2(returned.elapsed() < 500, qPrintable(QString::number(returned.elapsed())));
    QVERIFY(setter.isPending());
    QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 30000);
    QVERIFY(*answer);
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    QVERIFY(!setter.isPending());
}

// An answer after the timeout is no answer: the change may have landed.
void TestDateService::lateAnswerMayHaveChanged()
{
    QVERIFY(m_service.setSetTimeCode(QStringLiteral("import time; time.sleep(2)")));
    TimedatedClockSetter setter(m_service.bus(), 300ms);
    const auto answer = shiftAndWait(setter, -1h);
    QVERIFY(answer);
    QCOMPARE(answer->outcome, DateChange::Outcome::Unanswered);
}

// At the very end, with no event loop: the change under way is answered first, then the restore
// goes out. Nothing is put back before the change it undoes.
void TestDateService::endWaitsForTheAnswerThenRestores()
{
    QVERIFY(m_service.setSetTimeCode(QStringLiteral("import time; time.sleep(1)")));
    TimedatedClockSetter setter(m_service.bus());
    std::optional<DateChange> first;
    setter.shift(-24h, [&first](const DateChange& change) { first = change; });
    setter.finishPending();
    QVERIFY(first && *first);
    QVERIFY(setter.shiftNow(24h, 30s));
    const auto calls = m_service.setTimeCalls();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0][0].toLongLong(), qlonglong(-86'400'000'000));
    QCOMPARE(calls[1][0].toLongLong(), qlonglong(86'400'000'000));
}

void TestDateService::noBus()
{
    const QString name = QStringLiteral("scd-no-bus");
    const auto disconnect = qScopeGuard([&] { QDBusConnection::disconnectFromBus(name); });
    const QDBusConnection nowhere
        = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/none"), name);
    QVERIFY(!nowhere.isConnected());
    TimedatedClockSetter setter(nowhere);
    const auto answer = shiftAndWait(setter, 0us);
    QVERIFY(answer && answer->isRefused());
    QVERIFY2(answer->reason.contains(QLatin1String("message bus")), qPrintable(answer->reason));
}

// A four-second password prompt: the window goes on ticking meanwhile, and EXIT puts the date
// back only after the change it undoes has been answered.
void TestDateService::slowServiceKeepsTheWindowGoing()
{
    QVERIFY(m_service.setSetTimeCode(QStringLiteral("import time; time.sleep(4)")));
    ProgramSession session(withMock());
    QVERIFY(session.waitForWindow());
    session.click(daysCaption);
    QTest::qWait(1500);
    // Two looks a second apart, while the service still waits: the time line has moved on.
    const QImage before = session.screenshot().copy(timeLine);
    QTest::qWait(1100);
    const QImage after = session.screenshot().copy(timeLine);
    QVERIFY(!before.isNull() && before != after);

    session.click(exitButton);
    QVERIFY(session.program().waitForFinished(60000));
    QCOMPARE(session.program().exitCode(), 0);
    const auto calls = m_service.setTimeCalls();
    QCOMPARE(calls.size(), 2);
    QVERIFY2(
        movesBy(calls[0], offsetToDay(1992y / December / 1), 30s), qPrintable(describe(calls)));
    // The mock sets nothing, so the true present is the clock's own reading.
    QVERIFY2(movesBy(calls[1], 0us, 1s), qPrintable(describe(calls)));
}

// The first change is accepted, the second refused: the notice says what the computer's date is
// now and that it will be put back; EXIT puts it back.
void TestDateService::refusedAfterAFirstChange()
{
    QVERIFY(m_service.setSetTimeCode(
        QStringLiteral("self.scd_calls = getattr(self, 'scd_calls', 0) + 1\n"
                       "if self.scd_calls == 2: %1")
            .arg(raising(QStringLiteral("org.freedesktop.PolicyKit1.Error.NotAuthorized")))));
    ProgramSession session(withMock());
    QVERIFY(session.waitForWindow());
    session.click(daysCaption);
    QTRY_COMPARE_WITH_TIMEOUT(m_service.setTimeCalls().size(), 1, 30000);
    session.click(daysCaption);
    QTRY_COMPARE_WITH_TIMEOUT(session.notices().size(), 1, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(
        session.errors().contains(QLatin1String("could not be changed again")), 10000);
    // The mock changes nothing, so the computer's date is still today's; the notice says so.
    QVERIFY2(session.errors().contains(QLatin1String("now, set by this preview"))
            && session.errors().contains(QLatin1String("will be put back")),
        qPrintable(session.errors()));
    session.dismiss(session.notices().front());

    session.click(exitButton);
    QVERIFY(session.program().waitForFinished(60000));
    QCOMPARE(session.program().exitCode(), 0);
    const auto calls = m_service.setTimeCalls();
    QCOMPARE(calls.size(), 3);
    QVERIFY2(movesBy(calls[2], 0us, 1s), qPrintable(describe(calls)));
}

// Killed outright during a preview: the record it left lets the next start put the true present
// back at once, the same way, and tell the person once.
void TestDateService::killedDuringPreviewRepairedAtNextStart()
{
    ProgramSession session(withMock());
    QVERIFY(session.waitForWindow());
    const QString record = session.stateFolder()
        + QStringLiteral("/santa-count-down/unfinished-preview-timedated.json");
    session.click(daysCaption);
    QTRY_COMPARE_WITH_TIMEOUT(m_service.setTimeCalls().size(), 1, 30000);
    QVERIFY(QFile::exists(record));
    session.program().kill();
    QVERIFY(session.program().waitForFinished(30000));
    QVERIFY(QFile::exists(record));
    QVERIFY(m_service.clearCalls());

    QProcess next;
    session.start(next);
    QTRY_COMPARE_WITH_TIMEOUT(m_service.setTimeCalls().size(), 1, 60000);
    const auto calls = m_service.setTimeCalls();
    QVERIFY2(movesBy(calls[0], 0us, 1s), qPrintable(describe(calls)));
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(record), 10000);
    QString told;
    QTRY_VERIFY_WITH_TIMEOUT((told += QString::fromLocal8Bit(next.readAllStandardError()))
                                 .contains(QLatin1String("has been put back")),
        10000);
    QTest::qWait(500);
    told += QString::fromLocal8Bit(next.readAllStandardError());
    QCOMPARE(told.count(QLatin1String("has been put back")), 1);
    QCOMPARE(m_service.setTimeCalls().size(), 1);
    next.kill();
    next.waitForFinished(30000);
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
    ProgramSession session(withMock(sessionBus));
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
    QCOMPARE(session.windows().size(), 1);
    QCOMPARE(session.program().state(), QProcess::Running);
}

// Losing the display (a log-out) ends the program, but the date goes back before it does.
void TestDateService::lostDisplayRestoresFirst()
{
    ProgramSession session(withMock());
    QVERIFY(session.waitForWindow());
    session.click(daysCaption);
    QTRY_COMPARE_WITH_TIMEOUT(m_service.setTimeCalls().size(), 1, 30000);

    session.endDisplay();
    QVERIFY(session.program().waitForFinished(60000));
    QVERIFY(session.program().exitCode() != 0);
    const auto calls = m_service.setTimeCalls();
    QCOMPARE(calls.size(), 2);
    QVERIFY2(movesBy(calls[1], 0us, 1s), qPrintable(describe(calls)));
    QVERIFY(!QFile::exists(session.stateFolder()
        + QStringLiteral("/santa-count-down/unfinished-preview-timedated.json")));
}

QTEST_GUILESS_MAIN(TestDateService)
#include "tst_dateservice.moc"
