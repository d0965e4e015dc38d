// SPDX-License-Identifier: MIT
#include "daterequests.h"
#include "eventlog.h"
#include "fakesystemdate.h"
#include "fakewindow.h"
#include "fallbacksystemdate.h"
#include "form1.h"
#include "image.h"
#include "inwindowpreview.h"
#include "label.h"
#include "picturebox.h"
#include "previewclock.h"
#include "restoreguard.h"
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

    void controlsByNameAndKind_data();
    void controlsByNameAndKind();
    void controlCounts();
    void startupDateCapturedOnce();
    void designTimeStateBeforeFirstTick();
    void tickWritesSixLabelsInOrder();
    void firstTickAboutOneSecondAfterCreation();
    void closingTheWindowEndsTheProgram();
    void ticksRealignAfterTheSecondStarts();
    void daysClickSetsTheNextDecemberDay();
    void daysClickAboveDayLabel();
    void refusalToldOnceThenPreviewInWindow_data();
    void refusalToldOnceThenPreviewInWindow();
    void exitShowsFarewellAndEnds();
    void clicksAfterTheEndDoNothing();
    void exitWaitsForChangeUnderWay_data();
    void exitWaitsForChangeUnderWay();
    void closingDuringPreviewRestores_data();
    void closingDuringPreviewRestores();
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

void TestForm1::controlsByNameAndKind_data()
{
    QTest::addColumn<Control>("control");
    QTest::addColumn<QByteArray>("kind");

    for (Control control : allControls()) {
        QByteArray kind = "PictureBox";
        const QString name = controlName(control);
        if (name.startsWith(QLatin1String("Label")) || name.endsWith(QLatin1String("Label")))
            kind = "Label";
        else if (control == Control::Image1)
            kind = "Image";
        else if (control == Control::Command1)
            kind = "QPushButton";
        else if (control == Control::Timer1)
            kind = "QTimer";
        QTest::newRow(qPrintable(name)) << control << kind;
    }
}

void TestForm1::controlsByNameAndKind()
{
    QFETCH(Control, control);
    QFETCH(QByteArray, kind);

    FakeWindow window(makeDateValue(2024, 12, 1, 12, 0, 0));
    auto& [clock, log, systemDate, requests, form] = window;

    const QList<QObject*> named = form.findChildren<QObject*>(controlName(control));
    QCOMPARE(named.size(), 1);
    QObject* object = named.front();
    QCOMPARE(QByteArray(object->metaObject()->className()), kind);
    QCOMPARE(object->parent(), &form);
    if (control != Control::Timer1)
        QCOMPARE(form.control(control), object);
}

void TestForm1::controlCounts()
{
    FakeWindow window(makeDateValue(2024, 12, 1, 12, 0, 0));
    auto& [clock, log, systemDate, requests, form] = window;

    QCOMPARE(form.findChildren<Label*>().size(), 12);
    QCOMPARE(form.findChildren<PictureBox*>().size(), 27);
    QCOMPARE(form.findChildren<Image*>().size(), 1);
    QCOMPARE(form.findChildren<QPushButton*>().size(), 1);
    QCOMPARE(form.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Santa Count Down"));
}

void TestForm1::startupDateCapturedOnce()
{
    ScriptedClock clock;
    clock.queue(makeDateValue(2024, 12, 9, 23, 59, 59));
    clock.hold(makeDateValue(2024, 12, 10, 0, 0, 5));
    FakeSystemDate systemDate;
    DateRequests requests(systemDate);
    Form1 form(clock, requests);
    QCOMPARE(form.state().StartupDate, QStringLiteral("12-09-2024"));
    QCOMPARE(clock.nowReadings(), 1);

    // Past midnight, the start-up day stays what it was.
    tick(form);
    tick(form);
    QCOMPARE(form.state().StartupDate, QStringLiteral("12-09-2024"));
    QCOMPARE(form.state().PreviewDay, std::int16_t(0));
    QVERIFY(form.state().PreviewDayText.isEmpty());
}

void TestForm1::designTimeStateBeforeFirstTick()
{
    FakeWindow window(makeDateValue(2024, 12, 1, 12, 0, 0));
    auto& [clock, log, systemDate, requests, form] = window;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    for (Control written : {Control::SecLabel, Control::MinLabel, Control::HouLabel,
             Control::DayLabel, Control::Label9, Control::Label10})
        QVERIFY(qobject_cast<Label*>(form.control(written))->caption().isEmpty());
    for (PictureBox* box : form.findChildren<PictureBox*>())
        QVERIFY2(!box->isVisible(), qPrintable(box->objectName()));
    QVERIFY(form.timer1()->isActive());
    QCOMPARE(form.timer1()->interval(), 1000);
    QCOMPARE(form.timer1()->timerType(), Qt::PreciseTimer);
}

void TestForm1::tickWritesSixLabelsInOrder()
{
    FakeWindow window(makeDateValue(2024, 12, 1, 12, 0, 0));
    auto& [clock, log, systemDate, requests, form] = window;

    QStringList writes;
    for (Label* label : form.findChildren<Label*>()) {
        connect(label, &Label::captionChanged, &form, [&writes, label](const QString& caption) {
            writes << label->objectName() + QStringLiteral(" = ") + caption;
        });
    }
    const int readingsBefore = clock.nowReadings();
    tick(form);

    const QStringList expected = {
        "SecLabel = 2030400.00",
        "MinLabel = 33840.00",
        "HouLabel = 564.00",
        "DayLabel = 23.50",
        "Label9 = Today is, Sunday December 01, 2024",
        "Label10 = at, 12:00:00 pm",
    };
    QCOMPARE(writes, expected);
    // Three for the totals, one each for the date and time lines, three for the December picture.
    QCOMPARE(clock.nowReadings() - readingsBefore, 8);
}

void TestForm1::firstTickAboutOneSecondAfterCreation()
{
    ScriptedClock clock;
    clock.hold(makeDateValue(2024, 12, 1, 12, 0, 0));
    QElapsedTimer sinceCreation;
    sinceCreation.start();
    FakeSystemDate systemDate;
    DateRequests requests(systemDate);
    Form1 form(clock, requests);
    form.show();
    auto* secLabel = qobject_cast<Label*>(form.control(Control::SecLabel));
    QSignalSpy firstTick(secLabel, &Label::captionChanged);

    QVERIFY(firstTick.wait(5000));
    const qint64 waited = sinceCreation.elapsed();
    // Never early; late only by what a busy machine adds, well short of a second interval.
    QVERIFY2(waited >= 950 && waited < 1900, qPrintable(QString::number(waited)));
    QCOMPARE(secLabel->caption(), QStringLiteral("2030400.00"));
}

void TestForm1::closingTheWindowEndsTheProgram()
{
    FakeWindow window(makeDateValue(2024, 12, 1, 12, 0, 0));
    auto& [clock, log, systemDate, requests, form] = window;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // Closing the one window through its frame makes the event loop return, and with it main().
    QTimer::singleShot(0, &form, [&form] { form.close(); });
    QTimer safety;
    safety.setSingleShot(true);
    connect(&safety, &QTimer::timeout, qApp, [] { QCoreApplication::exit(42); });
    safety.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form.isVisible());
}

// A tick that finds itself just before a second begins is moved: the timer starts again so that
// the next tick comes 50 ms into a second, and then runs every 1000 ms from there.
void TestForm1::ticksRealignAfterTheSecondStarts()
{
    FakeWindow window(makeDateValue(2026, 12, 9, 10, 0, 0));
    auto& [clock, log, systemDate, requests, form] = window;
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
    auto& [clock, log, systemDate, requests, form] = window;
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
    auto& [clock, log, systemDate, requests, form] = window;
    const QRect shared
        = form.control(Control::Label4)->geometry() & form.control(Control::DayLabel)->geometry();
    QVERIFY(!shared.isEmpty());
    QCOMPARE(form.childAt(shared.center()), form.control(Control::Label4));
}

// The notice says what the computer's date is: untouched, or the day an accepted change set.
void TestForm1::refusalToldOnceThenPreviewInWindow_data()
{
    QTest::addColumn<int>("acceptedFirst");
    QTest::addColumn<QStringList>("noticeSays");
    QTest::addColumn<QString>("previewDateLine");

    QTest::newRow("refused at once")
        << 0 << QStringList{"in this window only", "clock is not touched"}
        << "Today is, Wednesday December 02, 1992";
    QTest::newRow("refused after a first change")
        << 1
        << QStringList{"The computer's date is Tuesday, December 1, 1992 now",
               "will be put back to the true date"}
        << "Today is, Thursday December 03, 1992";
}

void TestForm1::refusalToldOnceThenPreviewInWindow()
{
    QFETCH(int, acceptedFirst);
    QFETCH(QStringList, noticeSays);
    QFETCH(QString, previewDateLine);

    InWindowPreview window(makeDateValue(2026, 12, 9, 10, 0, 0));
    auto& [computer, preview, inWindow] = window;
    FakeSystemDate computerDate;
    FallbackSystemDate systemDate({&computerDate, &inWindow});
    DateRequests requests(systemDate);
    Form1 form(preview, requests);
    systemDate.setTell(
        [&form](const FallbackSystemDate::Notice& notice) { form.tellDateNotice(notice); });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    for (int click = 0; click < acceptedFirst; ++click)
        QTest::mouseClick(form.control(Control::Label4), Qt::LeftButton, {}, QPoint(5, 5));
    computerDate.refuseSetting(QStringLiteral("Permission to change the date was not given."));
    QTest::mouseClick(form.control(Control::Label4), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(form.control(Control::Label4), Qt::LeftButton, {}, QPoint(5, 5));
    const QList<QMessageBox*> notices = form.findChildren<QMessageBox*>(QStringLiteral("Notice"));
    QCOMPARE(notices.size(), 1);
    QVERIFY(notices.front()->isVisible());
    const QString text = notices.front()->informativeText();
    QVERIFY(text.startsWith(QStringLiteral("Permission to change the date was not given.")));
    for (const QString& says : noticeSays)
        QVERIFY2(text.contains(says), qPrintable(text));
    notices.front()->close();

    QVERIFY(QMetaObject::invokeMethod(form.timer1(), "timeout"));
    QCOMPARE(qobject_cast<Label*>(form.control(Control::Label9))->caption(), previewDateLine);
    QCOMPARE(dateText(computer.now()), QStringLiteral("12-09-2026"));
}

void TestForm1::exitShowsFarewellAndEnds()
{
    FakeWindow window(makeDateValue(2026, 12, 16, 10, 0, 0));
    auto& [clock, log, systemDate, requests, form] = window;
    std::chrono::nanoseconds slept{0};
    form.setFarewellSleep([&](std::chrono::nanoseconds d) {
        slept += d;
        clock.setElapsed(clock.currentElapsed() + d);
    });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(QMetaObject::invokeMethod(form.timer1(), "timeout"));
    QTest::mouseClick(form.control(Control::Label4), Qt::LeftButton, {}, QPoint(5, 5));

    QTest::mouseClick(form.control(Control::Command1), Qt::LeftButton);
    QVERIFY(form.hasEnded());
    QCOMPARE(slept, std::chrono::nanoseconds(std::chrono::seconds{3}));
    QCOMPARE(systemDate.restores(), 1);
    QVERIFY(!form.timer1()->isActive());
    QStringList visible;
    for (QWidget* child : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            visible << child->objectName();
    }
    visible.sort();
    QCOMPARE(visible, (QStringList{"LogoKestrel", "Santa16"}));
}

// Clicks and ticks queued during the farewell reach the window after it has ended: none of them
// runs anything.
void TestForm1::clicksAfterTheEndDoNothing()
{
    FakeWindow window(makeDateValue(2026, 12, 9, 10, 0, 0));
    auto& [clock, log, systemDate, requests, form] = window;
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
    auto& [clock, log, systemDate, requests, form] = window;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    systemDate.holdAnswers(true);
    if (restoreRefused)
        systemDate.refuseRestoring(QStringLiteral("Permission was not given."));
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
    connect(&reader, &QTimer::timeout, &form, [&] {
        for (QMessageBox* notice : form.findChildren<QMessageBox*>(QStringLiteral("Notice"))) {
            if (notice->isVisible()) {
                told = true;
                tickingWhileTold = form.isTicking();
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

// Closing the window during a preview puts the date back first, once a change still waiting for
// permission has been answered; meanwhile the window stays and goes on.
void TestForm1::closingDuringPreviewRestores_data()
{
    QTest::addColumn<bool>("answerLate");
    QTest::newRow("changed") << false;
    QTest::newRow("change waiting for permission") << true;
}

void TestForm1::closingDuringPreviewRestores()
{
    QFETCH(bool, answerLate);

    FakeWindow window(makeDateValue(2026, 12, 9, 10, 0, 0));
    auto& [clock, log, systemDate, requests, form] = window;
    RestoreGuard guard(requests, {});
    guard.guardClosing(&form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    systemDate.holdAnswers(answerLate);
    QTest::mouseClick(form.control(Control::Label4), Qt::LeftButton, {}, QPoint(5, 5));

    QTimer::singleShot(0, &form, [&] {
        form.close();
        QVERIFY(form.isVisible());
        if (answerLate) {
            QCOMPARE(log.entries(), QStringList{"set 12-01-1992"});
            systemDate.answer();
            systemDate.answer();
        }
    });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(log.entries(), (QStringList{"set 12-01-1992", "restore"}));
    QVERIFY(!systemDate.isChanged());
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
