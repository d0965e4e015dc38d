// SPDX-License-Identifier: MIT
#include "datekeeper.h"
#include "eventlog.h"
#include "fakesystemdate.h"
#include "fakewindow.h"
#include "form1.h"
#include "image.h"
#include "label.h"
#include "picturebox.h"
#include "scriptedclock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

void tick(Form1& form)
{
    QVERIFY(QMetaObject::invokeMethod(form.timer1(), "timeout"));
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void controlsByName();
    void startupDateCapturedOnce();
    void firstTickAboutOneSecondAfterCreation();
    void ticksRealignAfterTheSecondStarts();
    void daysClickSetsTheNextDecemberDay();
    void daysClickAboveDayLabel();
    void clicksAfterTheEndDoNothing();
    void exitWaitsForChangeUnderWay_data();
    void exitWaitsForChangeUnderWay();
};

void TestForm1::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestForm1::init()
{
    // A test whose program ended outside the event loop leaves every loop started afterwards
    // (a notice waiting for its answer) to return at once; one turn of the main loop clears that.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec();
}

void TestForm1::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Each of the 42 controls is found by its name, once, as a child of the form; so many of each
// kind, and the timer is Timer1, running every 1000 ms, precisely.
void TestForm1::controlsByName()
{
    FakeWindow window(makeDateValue(2024, 12, 1, 12, 0, 0));
    auto& [clock, log, systemDate, keeper, form] = window;

    for (Control control : allControls()) {
        const QList<QObject*> named = form.findChildren<QObject*>(controlName(control));
        QVERIFY2(
            named.size() == 1 && named.front()->parent() == &form, controlName(control).data());
        if (control != Control::Timer1)
            QCOMPARE(form.control(control), named.front());
    }
    QCOMPARE(form.findChildren<Label*>().size(), 12);
    QCOMPARE(form.findChildren<PictureBox*>().size(), 27);
    QCOMPARE(form.findChildren<Image*>().size(), 1);
    QCOMPARE(form.findChildren<QPushButton*>().size(), 1);
    QCOMPARE(form.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly),
        QList<QTimer*>{form.timer1()});
    QCOMPARE(form.timer1()->objectName(), QStringLiteral("Timer1"));
    QVERIFY(form.timer1()->isActive());
    QCOMPARE(form.timer1()->interval(), 1000);
    QCOMPARE(form.timer1()->timerType(), Qt::PreciseTimer);
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Santa Count Down"));
}

void TestForm1::startupDateCapturedOnce()
{
    ScriptedClock clock;
    clock.queue(makeDateValue(2024, 12, 9, 23, 59, 59));
    clock.hold(makeDateValue(2024, 12, 10, 0, 0, 5));
    FakeSystemDate systemDate;
    DateKeeper keeper(systemDate);
    Form1 form(clock, keeper);
    QCOMPARE(form.state().StartupDate, QStringLiteral("12-09-2024"));
    QCOMPARE(clock.nowReadings(), 1);

    // Past midnight, the start-up day stays what it was.
    tick(form);
    tick(form);
    QCOMPARE(form.state().StartupDate, QStringLiteral("12-09-2024"));
    QCOMPARE(form.state().PreviewDay, std::int16_t(0));
    QVERIFY(form.state().PreviewDayText.isEmpty());
}

void TestForm1::firstTickAboutOneSecondAfterCreation()
{
    ScriptedClock clock;
    clock.hold(makeDateValue(2024, 12, 1, 12, 0, 0));
    QElapsedTimer sinceCreation;
    sinceCreation.start();
    FakeSystemDate systemDate;
    DateKeeper keeper(systemDate);
    Form1 form(clock, keeper);
    form.show();
    auto* secLabel = qobject_cast<Label*>(form.control(Control::SecLabel));
    QSignalSpy firstTick(secLabel, &Label::captionChanged);

    QVERIFY(firstTick.wait(5000));
    const qint64 waited = sinceCreation.elapsed();
    // Never early; late only by what a busy machine adds, well short of a second interval.
    QVERIFY2(waited >= 950 && waited < 1900, qPrintable(QString::number(waited)));
    QCOMPARE(secLabel->caption(), QStringLiteral("2030400.00"));
}

// A tick that finds itself just before a second begins is moved: the timer starts again so that
// the next tick comes 50 ms into a second, and then runs every 1000 ms from there.
void TestForm1::ticksRealignAfterTheSecondStarts()
{
    FakeWindow window(makeDateValue(2026, 12, 9, 10, 0, 0));
    auto& [clock, log, systemDate, keeper, form] = window;
    auto* secLabel = qobject_cast<Label*>(form.control(Control::SecLabel));

    clock.setSecondsSinceMidnight(36000.700);
    tick(form);
    QVERIFY(!form.timer1()->isActive());
    QSignalSpy realigned(secLabel, &Label::captionChanged);
    QElapsedTimer waited;
    waited.start();
    clock.setSecondsSinceMidnight(36001.050);
    QVERIFY(realigned.wait(2000));
    // 350 ms away, well short of the 1000 ms the timer alone would have taken.
    QVERIFY2(waited.elapsed() >= 300 && waited.elapsed() < 900,
        qPrintable(QString::number(waited.elapsed())));
    QVERIFY(form.timer1()->isActive());
    QCOMPARE(form.timer1()->interval(), 1000);
}

void TestForm1::daysClickSetsTheNextDecemberDay()
{
    FakeWindow window(makeDateValue(2026, 12, 9, 10, 0, 0));
    auto& [clock, log, systemDate, keeper, form] = window;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* label4 = form.control(Control::Label4);
    QTest::mouseClick(label4, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(label4, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(systemDate.datesSet(), (QStringList{"12-01-1992", "12-02-1992"}));
    QCOMPARE(int(form.state().PreviewDay), 2);
    QCOMPARE(form.state().PreviewDayText, QStringLiteral("02"));
    QCOMPARE(form.state().StartupDate, QStringLiteral("12-09-2026"));
    // A press that ends outside the caption is no click.
    QTest::mousePress(label4, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label4, Qt::LeftButton, {}, QPoint(5, 40));
    QCOMPARE(systemDate.datesSet().size(), 2);
}

// Where "Days" overlaps the bottom of the days total, the click goes to "Days".
void TestForm1::daysClickAboveDayLabel()
{
    FakeWindow window(makeDateValue(2026, 12, 9, 10, 0, 0));
    auto& [clock, log, systemDate, keeper, form] = window;
    const QRect shared =
        form.control(Control::Label4)->geometry() & form.control(Control::DayLabel)->geometry();
    QVERIFY(!shared.isEmpty());
    QCOMPARE(form.childAt(shared.center()), form.control(Control::Label4));
}

// Clicks and ticks queued during the farewell reach the window after it has ended: none of them
// runs anything.
void TestForm1::clicksAfterTheEndDoNothing()
{
    FakeWindow window(makeDateValue(2026, 12, 9, 10, 0, 0));
    auto& [clock, log, systemDate, keeper, form] = window;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.control(Control::Command1), Qt::LeftButton);
    QVERIFY(form.hasEnded());
    const int readings = clock.nowReadings();

    QTest::mouseClick(form.control(Control::Label4), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(QMetaObject::invokeMethod(form.timer1(), "timeout"));
    qobject_cast<QPushButton*>(form.control(Control::Command1))->click();
    QVERIFY(systemDate.datesSet().isEmpty());
    QCOMPARE(clock.nowReadings(), readings);
    QVERIFY(form.control(Control::Santa16)->isVisible());
}

// EXIT while a change waits for permission: no tick runs, nothing is put back before that change
// is answered, and a failed restore is told while still no tick runs; the program ends with
// status 1 then.
void TestForm1::exitWaitsForChangeUnderWay_data()
{
    QTest::addColumn<bool>("restoreRefused");
    QTest::newRow("put back") << false;
    QTest::newRow("putting back refused") << true;
}

void TestForm1::exitWaitsForChangeUnderWay()
{
    QFETCH(bool, restoreRefused);

    FakeWindow window(makeDateValue(2026, 12, 9, 10, 0, 0));
    auto& [clock, log, systemDate, keeper, form] = window;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    systemDate.holdAnswers(true);
    if (restoreRefused)
        systemDate.refuseRestoring();
    QTest::mouseClick(form.control(Control::Label4), Qt::LeftButton, {}, QPoint(5, 5));
    // A tick just before a second begins leaves the realignment pending.
    clock.setSecondsSinceMidnight(36000.7);
    tick(form);
    QVERIFY(form.isTicking());

    QTest::mouseClick(form.control(Control::Command1), Qt::LeftButton);
    QVERIFY(!form.isTicking());
    QVERIFY(!form.hasEnded());
    QCOMPARE(log.entries(), QStringList{"set 12-01-1992"});
    systemDate.answer();
    QCOMPARE(log.entries(), (QStringList{"set 12-01-1992", "restore"}));
    QVERIFY(!form.hasEnded());

    // The notice waits for its answer; it is read, and closed, from within.
    bool told = false, tickingWhileTold = false;
    QTimer reader;
    // clang 14, which the analysers use, cannot capture a structured binding: a plain name.
    Form1& shown = form;
    connect(&reader, &QTimer::timeout, &shown, [&] {
        for (QMessageBox* notice : shown.findChildren<QMessageBox*>(QStringLiteral("Notice"))) {
            if (notice->isVisible()) {
                told = true;
                tickingWhileTold = shown.isTicking();
                notice->close();
            }
        }
    });
    reader.start(10);
    systemDate.answer();
    QVERIFY(form.hasEnded());
    QCOMPARE(form.exitStatus(), restoreRefused ? 1 : 0);
    QCOMPARE(told, restoreRefused);
    QVERIFY(!tickingWhileTold);
    QVERIFY(form.control(Control::Santa16)->isVisible());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
