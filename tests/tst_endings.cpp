// SPDX-License-Identifier: MIT
// Every ordinary way of ending a preview, times every way the date and time service may behave,
// on the real program: where the computer's clock ends, the exit status, and what the person is
// told. The service is a mock on a private bus; it keeps a simulated clock, which the program
// reads its time through, so the test sees where the program leaves the clock. The program never
// holds the right to set the real one.
#include "mockdateservice.h"
#include "programsession.h"
#include "sessionmanager.h"

#include <QTest>

#include <cmath>
#include <csignal>

namespace {

const QPoint daysCaption(645, 396);
const QPoint exitButton(575, 465);

// The clock is back when it is this close to where it started, in seconds.
constexpr double closeEnough = 0.25;
// The simulated clock shows December 1992 when it is this far behind, in seconds, or further.
constexpr double inDecember1992 = -1e9;

enum class Ending {
    Exit,
    CloseWindow,
    Terminate,
    KillThenStartAgain,
    LoseDisplay,
    Click26,
    SessionEnd,
    CancelledSessionEndThenPreview,
};

enum class Service {
    AnswersAtOnce,
    Slow,
    RefusesTheSecondChange,
    RefusesAfterTheFirst,
    NetworkTime,
};

const std::pair<Ending, const char*> endings[] = {
    {Ending::Exit, "EXIT"},
    {Ending::CloseWindow, "closed window"},
    {Ending::Terminate, "SIGTERM"},
    {Ending::KillThenStartAgain, "SIGKILL, then a new start"},
    {Ending::LoseDisplay, "lost display"},
    {Ending::Click26, "26th click"},
    {Ending::SessionEnd, "session end"},
    {Ending::CancelledSessionEndThenPreview, "cancelled session end, then a preview"},
};

// Each with the mock's SetTime, in its own Python (see MockDateService::setSetTimeCode).
struct Behaviour
{
    Service service;
    const char* name;
    const char* code;
};
const Behaviour behaviours[] = {
    {Service::AnswersAtOnce, "prompt answered at once", "apply()"},
    {Service::Slow, "slow prompt", "time.sleep(1.5)\napply()"},
    {Service::RefusesTheSecondChange, "second change refused",
        "if n == 2: refuse('org.freedesktop.PolicyKit1.Error.NotAuthorized')\napply()"},
    {Service::RefusesAfterTheFirst, "every change after the first refused",
        "if n >= 2: refuse('org.freedesktop.PolicyKit1.Error.NotAuthorized')\napply()"},
    {Service::NetworkTime, "network time on",
        "refuse('org.freedesktop.timedate1.AutomaticTimeSyncEnabled')"},
};

} // namespace

Q_DECLARE_METATYPE(Ending)
Q_DECLARE_METATYPE(Service)

class TestEndings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyEnd_data();
    void everyEnd();

private:
    MockDateService m_service;
};

void TestEndings::initTestCase()
{
    SCD_SKIP_WITH_REASON(ProgramSession::cannotRun());
    SCD_SKIP_WITH_REASON(MockDateService::missingTools());
    // Belt and braces: even if something asked for the system bus, it would find none.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/none");
    const QString error = m_service.start();
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestEndings::everyEnd_data()
{
    // clang-format off
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<Service>("service");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("clockBack");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("told");

    for (const auto& [ending, endingName] : endings) {
        for (const auto& [service, serviceName, code] : behaviours) {
            // Refused after the first change, the date cannot be put back: the person is told,
            // and the end says so.
            const bool clockBack = service != Service::RefusesAfterTheFirst;
            int status = clockBack ? 0 : 1;
            if (ending == Ending::Terminate)
                status = 128 + SIGTERM;
            if (ending == Ending::LoseDisplay)
                status = 1;

            QStringList told;
            switch (service) {
            case Service::AnswersAtOnce:
            case Service::Slow:
                break;
            case Service::RefusesTheSecondChange:
                told << "could not be changed again";
                break;
            case Service::RefusesAfterTheFirst:
                told << "could not be changed again"
                     << (ending == Ending::KillThenStartAgain ? "Putting it back now failed"
                                                              : "could not be put back");
                break;
            case Service::NetworkTime:
                told << "was not changed" << "network time synchronisation is on";
                break;
            }
            if (ending == Ending::KillThenStartAgain && clockBack && service != Service::NetworkTime)
                told << "has been put back";

            QTest::addRow("%s, %s", endingName, serviceName)
                << ending << service << QString::fromLatin1(code) << clockBack << status << told;
        }
    }
    // clang-format on
}

void TestEndings::everyEnd()
{
    QFETCH(Ending, ending);
    QFETCH(Service, service);
    QFETCH(QString, code);
    QFETCH(bool, clockBack);
    QFETCH(int, status);
    QFETCH(QStringList, told);

    QVERIFY(m_service.clearCalls());
    QVERIFY(m_service.setSetTimeCode(code));
    const bool logOut =
        ending == Ending::SessionEnd || ending == Ending::CancelledSessionEndThenPreview;
    SessionManager manager;
    ProgramSession::Options options;
    options.simulatedClock = m_service.clockFile();
    options.environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_service.address());
    if (logOut) {
        const QString error = manager.start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        options.environment.insert(QStringLiteral("SESSION_MANAGER"), manager.address());
    }
    ProgramSession session(options);
    QVERIFY(session.waitForWindow());
    if (logOut)
        QTRY_VERIFY_WITH_TIMEOUT(manager.hasClient(), 30000);

    // A preview of two days: the first change reaches the service before the second click. A
    // notice (window-modal) is answered before the window is used again.
    const bool changesComputer = service != Service::NetworkTime;
    const bool refusesSecond =
        service == Service::RefusesTheSecondChange || service == Service::RefusesAfterTheFirst;
    session.click(daysCaption);
    if (changesComputer)
        QTRY_VERIFY_WITH_TIMEOUT(m_service.clockOffset() < inDecember1992, 30000);
    QVERIFY(session.answerNotices(!changesComputer));
    const double firstDay = m_service.clockOffset();
    session.click(daysCaption);
    if (refusesSecond) {
        QVERIFY(session.answerNotices(true));
    } else if (changesComputer && ending == Ending::KillThenStartAgain) {
        // Killed with no change under way: one that landed after the next start's repair would
        // be a change of a dead program, not a fault of the repair.
        QTRY_VERIFY_WITH_TIMEOUT(m_service.clockOffset() > firstDay + 86400 - 2, 30000);
    }

    switch (ending) {
    case Ending::Exit:
        session.click(exitButton);
        break;
    case Ending::CloseWindow:
        session.closeWindow();
        break;
    case Ending::Terminate:
        session.program().terminate();
        break;
    case Ending::KillThenStartAgain:
        session.program().kill();
        QVERIFY(session.program().waitForFinished(30000));
        QCOMPARE(m_service.clockOffset() < inDecember1992, changesComputer);
        QVERIFY(session.restart());
        if (clockBack)
            QTRY_VERIFY_WITH_TIMEOUT(std::abs(m_service.clockOffset()) < closeEnough, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(session.errors().contains(told.constLast()), 30000);
        QVERIFY(session.answerNotices(changesComputer));
        session.click(exitButton);
        break;
    case Ending::LoseDisplay:
        session.endDisplay();
        break;
    case Ending::Click26:
        for (int click = 3; click <= 26; ++click)
            session.click(daysCaption);
        // Put back by the 26th click itself, before the program ends.
        if (clockBack)
            QTRY_VERIFY_WITH_TIMEOUT(std::abs(m_service.clockOffset()) < closeEnough, 30000);
        else
            QTRY_VERIFY_WITH_TIMEOUT(session.errors().contains(told.constLast()), 30000);
        QVERIFY(session.answerNotices(!clockBack));
        session.click(exitButton);
        break;
    case Ending::SessionEnd:
    case Ending::CancelledSessionEndThenPreview:
        manager.logOut();
        QTRY_VERIFY_WITH_TIMEOUT(manager.saveDone(), 30000);
        // Put back at once, while the session may yet go on.
        if (clockBack)
            QVERIFY(std::abs(m_service.clockOffset()) < closeEnough);
        if (ending == Ending::SessionEnd) {
            manager.endSession();
            break;
        }
        manager.cancelLogOut();
        QVERIFY(session.answerNotices());
        {
            // The preview goes on after the cancelled log-out, and its end still puts the date
            // back.
            const qsizetype calls = m_service.setTimeCalls().size();
            session.click(daysCaption);
            if (!refusesSecond && changesComputer) {
                QTRY_VERIFY_WITH_TIMEOUT(m_service.setTimeCalls().size() > calls, 30000);
                QTRY_VERIFY_WITH_TIMEOUT(m_service.clockOffset() < inDecember1992, 30000);
            }
        }
        session.click(exitButton);
        break;
    }

    QVERIFY(session.waitForEnd());
    const QString said = session.errors();
    QCOMPARE(session.program().exitStatus(), QProcess::NormalExit);
    QCOMPARE(session.program().exitCode(), status);
    const double offset = m_service.clockOffset();
    if (clockBack)
        QVERIFY2(std::abs(offset) < closeEnough, qPrintable(QString::number(offset, 'f', 6)));
    else
        QVERIFY2(offset < inDecember1992, qPrintable(QString::number(offset, 'f', 6)));
    for (const QString& words : std::as_const(told))
        QVERIFY2(said.contains(words), qPrintable(said));
    if (clockBack) {
        for (const char* words : {"could not be put back", "may be wrong", "may still change"})
            QVERIFY2(!said.contains(QLatin1String(words)), qPrintable(said));
    }
}

QTEST_GUILESS_MAIN(TestEndings)
#include "tst_endings.moc"
