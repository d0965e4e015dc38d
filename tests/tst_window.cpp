// SPDX-License-Identifier: MIT
#include "datekeeper.h"
#include "daypicture.h"
#include "fakesystemdate.h"
#include "fallbacksystemdate.h"
#include "form1.h"
#include "image.h"
#include "inwindowpreview.h"
#include "label.h"
#include "picturebox.h"
#include "refusingdate.h"
#include "scriptedclock.h"
#include "translations.h"
#include "windowsystem.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QString greeting()
{
    return QStringLiteral("Season's Greating's From www.santa.example!");
}

void tick(Form1& form)
{
    QVERIFY(QMetaObject::invokeMethod(form.timer1(), "timeout"));
}

QImage grabWindow(Form1& form)
{
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool isBlack(QRgb pixel)
{
    return (pixel & 0xffffff) == 0;
}

// Everything a person could notice about the window's controls, for before/after comparisons.
QStringList snapshot(const Form1& form)
{
    QStringList state;
    for (Control control : allControls()) {
        if (control == Control::Timer1)
            continue;
        QWidget* widget = form.control(control);
        QString entry = QStringLiteral("%1 %2 %3")
                            .arg(controlName(control))
                            .arg(widget->isVisible())
                            .arg(QStringLiteral("%1,%2 %3x%4")
                                     .arg(widget->x())
                                     .arg(widget->y())
                                     .arg(widget->width())
                                     .arg(widget->height()));
        if (auto* label = qobject_cast<Label*>(widget))
            entry += QStringLiteral(" \"%1\"").arg(label->caption());
        state << entry;
    }
    state << form.state().StartupDate << QString::number(form.state().PreviewDay)
          << form.state().PreviewDayText;
    return state;
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void controlLayout_data();
    void controlLayout();
    void windowFrame();
    void fontStandIn();
    void beforeFirstTick();
    void stackingUnitCaptionsOverTotals();
    void stackingSanta16OverLogo();
    void pictureBoxesShowTheirPictures();
    void fittedLabelsRefit();
    void fixedLabelsWrapAndClip();
    void greetingFitsOneLine();
    void focusAndTabOrder();
    void enterAndSpaceClickExit();
    void clicksElsewhereChangeNothing();
    void accessibleTree();
    void focusOutlineShows();
    void exitHasFocusWhenFirstActivated();
    void daysTakesClicksInItsWholeBox_data();
    void daysTakesClicksInItsWholeBox();
    void applicationIdIsTheDesktopEntry();
    void speaksThePersonsLanguage_data();
    void speaksThePersonsLanguage();

private:
    ScriptedClock* m_clock = nullptr;
    std::unique_ptr<FakeSystemDate> m_systemDate;
    std::unique_ptr<DateKeeper> m_keeper;
};

void TestWindow::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestWindow::init()
{
    m_clock = new ScriptedClock;
    m_clock->hold(makeDateValue(2024, 12, 1, 12, 0, 0));
    m_systemDate = std::make_unique<FakeSystemDate>();
    m_keeper = std::make_unique<DateKeeper>(*m_systemDate);
}

void TestWindow::cleanup()
{
    delete m_clock;
    m_clock = nullptr;
    m_keeper.reset();
    m_systemDate.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// One row per control: where it stands, how large it is, its font, colour, alignment, kind and
// whether it shows when the window opens. Fitted labels take the size of their text.
void TestWindow::controlLayout_data()
{
    // clang-format off
    QTest::addColumn<Control>("control");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("caption");

    const QColor none;
    const QColor green(0, 255, 0), yellow(255, 255, 0), red(255, 0, 0), blue(0, 0, 255),
        grey(128, 128, 128);
    const int left = Qt::AlignLeft, centred = Qt::AlignHCenter, right = Qt::AlignRight;
    auto row = [](Control c) -> QTestData& { return QTest::newRow(controlName(c).data()) << c; };

    row(Control::Label5) << QRect(500, 9, 171, 151) << 30 << green << centred << "fixed" << true
                         << "Santa Claus Will be here in:";
    row(Control::SecLabel) << QRect(510, 180, 151, 41) << 20 << yellow << right << "fixed" << true << "";
    row(Control::Label1) << QRect(610, 210, 0, 0) << 13 << red << right << "fitted" << true << "Seconds";
    row(Control::MinLabel) << QRect(510, 240, 151, 41) << 20 << yellow << right << "fixed" << true << "";
    row(Control::Label2) << QRect(620, 270, 0, 0) << 13 << red << right << "fitted" << true << "Minutes";
    row(Control::HouLabel) << QRect(510, 300, 151, 41) << 20 << yellow << right << "fixed" << true << "";
    row(Control::Label3) << QRect(630, 330, 0, 0) << 13 << red << right << "fitted" << true << "Hours";
    row(Control::DayLabel) << QRect(510, 360, 151, 41) << 20 << yellow << right << "fixed" << true << "";
    // "Days" takes clicks in its whole box, wider than the word in the stand-in font.
    row(Control::Label4) << QRect(640, 390, 36, 16) << 13 << red << right << "fitted" << true << "Days";
    row(Control::Label9) << QRect(250, 450, 0, 0) << 13 << blue << centred << "fitted" << true << "";
    row(Control::Label10) << QRect(250, 480, 0, 0) << 13 << blue << centred << "fitted" << true << "";
    row(Control::Label6) << QRect(99, 510, 311, 21) << 13 << grey << left << "fixed" << true << greeting();
    row(Control::Command1) << QRect(550, 450, 51, 31) << 13 << none << 0 << "button" << true << "EXIT";
    row(Control::Image1) << QRect(642, 528, 31, 31) << 0 << none << 0 << "image" << true << "";

    struct Box { Control control; int x, y, w, h; bool framed; };
    const Box boxes[] = {
        {Control::SantaNotDec, 174, 18, 224, 239, false}, {Control::Santa23, 198, 18, 156, 240, false},
        {Control::Santa22, 90, 36, 308, 237, false},      {Control::Santa21, 186, 21, 150, 238, false},
        {Control::Santa20, 132, 24, 216, 223, false},     {Control::Santa19, 132, 27, 214, 240, false},
        {Control::Santa18, 96, 27, 320, 240, false},      {Control::Santa17, 96, 24, 320, 239, false},
        {Control::Santa16, 99, 27, 320, 240, false},      {Control::Santa15, 159, 21, 203, 239, false},
        {Control::Santa14, 189, 36, 181, 229, false},     {Control::Santa13, 126, 21, 262, 233, false},
        {Control::Santa12, 27, 48, 185, 237, false},      {Control::Santa11, 150, 50, 172, 234, false},
        {Control::Santa10, 120, 40, 242, 239, false},     {Control::Santa9, 51, 15, 385, 293, true},
        {Control::Santa8, 9, 12, 480, 293, true},         {Control::Santa7, 9, 12, 480, 293, true},
        {Control::Santa6, 27, 12, 447, 293, true},        {Control::Santa5, 180, 80, 206, 225, true},
        {Control::Santa4, 210, 80, 196, 225, true},       {Control::Santa3, 200, 140, 193, 155, true},
        {Control::Santa2, 260, 110, 177, 153, true},      {Control::XmassDay, 24, 9, 460, 293, true},
        {Control::Santa1, 200, 140, 175, 155, true},      {Control::NightBefore, 111, 6, 307, 323, true},
        {Control::LogoKestrel, 231, 198, 217, 163, true},
    };
    for (const Box& box : boxes) {
        row(box.control) << QRect(box.x, box.y, box.w, box.h) << 0 << none << 0
                         << (box.framed ? "framed box" : "box") << false << "";
    }
    // clang-format on
}

void TestWindow::controlLayout()
{
    QFETCH(Control, control);
    QFETCH(QRect, geometry);
    QFETCH(int, fontPixels);
    QFETCH(QColor, colour);
    QFETCH(int, alignment);
    QFETCH(QString, kind);
    QFETCH(bool, visible);
    QFETCH(QString, caption);

    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget* widget = form.control(control);
    QVERIFY(widget);

    QCOMPARE(widget->pos(), geometry.topLeft());
    QCOMPARE(widget->isVisible(), visible);
    if (fontPixels) {
        QCOMPARE(widget->font().pixelSize(), fontPixels);
        QVERIFY(widget->font().bold());
        QVERIFY(!widget->font().italic());
        QVERIFY(!widget->font().underline());
    }

    if (kind == QLatin1String("fixed") || kind == QLatin1String("fitted")) {
        auto* label = qobject_cast<Label*>(widget);
        QVERIFY(label);
        QCOMPARE(label->caption(), caption);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(label->autoFillBackground());
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(int(label->alignment() & Qt::AlignVertical_Mask), int(Qt::AlignTop));
        QCOMPARE(label->box() == Layout::Box::Fixed, kind == QLatin1String("fixed"));
        if (kind == QLatin1String("fixed")) {
            QCOMPARE(widget->size(), geometry.size());
        } else {
            const QFontMetrics metrics(label->font());
            QCOMPARE(widget->size(),
                QSize(metrics.horizontalAdvance(caption), metrics.height())
                    .expandedTo(geometry.size()));
        }
    } else if (kind == QLatin1String("button")) {
        auto* button = qobject_cast<QPushButton*>(widget);
        QVERIFY(button);
        QCOMPARE(button->geometry(), geometry);
        QCOMPARE(button->text(), caption);
        QVERIFY(button->isEnabled());
    } else if (kind == QLatin1String("image")) {
        auto* image = qobject_cast<Image*>(widget);
        QVERIFY(image);
        QCOMPARE(image->geometry(), geometry);
        QCOMPARE(image->picture().size(), geometry.size());
        QVERIFY(!image->toolTip().isEmpty());
        QVERIFY(!image->toolTip().contains(QLatin1Char('\n')));
    } else {
        auto* box = qobject_cast<PictureBox*>(widget);
        QVERIFY(box);
        QCOMPARE(box->geometry(), geometry);
        QCOMPARE(box->bordered(), kind == QLatin1String("framed box"));
        const int border = box->bordered() ? 2 : 0;
        QCOMPARE(box->picture().size() + QSize(border, border), geometry.size());
    }
}

void TestWindow::windowFrame()
{
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Santa Count Down"));
    QCOMPARE(form.size(), QSize(682, 570));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(form.minimumSize() != form.maximumSize()); // resizable
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.windowIcon().pixmap(32, 32).size(), QSize(32, 32));

    // Nothing moves when the window is made larger or smaller.
    const QStringList before = snapshot(form);
    form.resize(1000, 800);
    QCoreApplication::processEvents();
    QCOMPARE(snapshot(form), before);
    form.resize(400, 300);
    QCoreApplication::processEvents();
    QCOMPARE(snapshot(form), before);
}

void TestWindow::fontStandIn()
{
    Form1 form(*m_clock, *m_keeper);
    for (Control control :
        {Control::Label5, Control::SecLabel, Control::Label1, Control::Command1}) {
        const QFontInfo used(form.control(control)->font());
        QCOMPARE(used.family(), QStringLiteral("Liberation Sans"));
        QVERIFY(used.bold());
    }
}

// Before the first tick: the heading, the four unit captions, the greeting, the emblem and the
// EXIT button, on black, and nothing else.
void TestWindow::beforeFirstTick()
{
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage shot = grabWindow(form);

    const QList<Control> shown = {Control::Label5, Control::Label1, Control::Label2,
        Control::Label3, Control::Label4, Control::Label6, Control::Image1, Control::Command1};
    int lit = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (isBlack(shot.pixel(x, y)))
                continue;
            ++lit;
            const bool inShownControl = std::any_of(shown.begin(), shown.end(),
                [&](Control c) { return form.control(c)->geometry().contains(x, y); });
            QVERIFY2(
                inShownControl, qPrintable(QStringLiteral("lit pixel at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(lit > 1000);
    for (Control c : shown) {
        const QRect area = form.control(c)->geometry();
        bool anyLit = false;
        for (int y = area.top(); y <= area.bottom() && !anyLit; ++y)
            for (int x = area.left(); x <= area.right() && !anyLit; ++x)
                anyLit = !isBlack(shot.pixel(x, y));
        QVERIFY2(anyLit, controlName(c).data());
    }
}

// Each unit caption overlaps the bottom strip of its total and lies above it: its red letters
// show in the shared strip, which the total's black background would otherwise cover.
void TestWindow::stackingUnitCaptionsOverTotals()
{
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    tick(form);
    const QImage shot = grabWindow(form);

    const std::pair<Control, Control> pairs[] = {{Control::Label1, Control::SecLabel},
        {Control::Label2, Control::MinLabel}, {Control::Label3, Control::HouLabel},
        {Control::Label4, Control::DayLabel}};
    for (const auto& [caption, total] : pairs) {
        const QRect shared = form.control(caption)->geometry() & form.control(total)->geometry();
        QCOMPARE(shared.height(), 11);
        int red = 0;
        for (int y = shared.top(); y <= shared.bottom(); ++y)
            for (int x = shared.left(); x <= shared.right(); ++x)
                red += shot.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY2(red > 10, controlName(caption).data());
    }
}

// On the farewell screen Santa16 covers the top strip of the logo.
void TestWindow::stackingSanta16OverLogo()
{
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setVisible(Control::LogoKestrel, true);
    form.setVisible(Control::Santa16, true);
    const QImage shot = grabWindow(form);

    auto* santa16 = qobject_cast<PictureBox*>(form.control(Control::Santa16));
    const QRect shared = santa16->geometry() & form.control(Control::LogoKestrel)->geometry();
    QCOMPARE(shared, QRect(231, 198, 188, 69));
    const QImage picture = santa16->picture().convertToFormat(QImage::Format_RGB32);
    for (int y = shared.top(); y <= shared.bottom(); ++y)
        for (int x = shared.left(); x <= shared.right(); ++x)
            QCOMPARE(shot.pixel(x, y), picture.pixel(x - santa16->x(), y - santa16->y()));
}

// A shown box is its picture, pixel for pixel, at its place; a framed box has its 1-px line.
void TestWindow::pictureBoxesShowTheirPictures()
{
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (PictureBox* box : form.findChildren<PictureBox*>()) {
        box->show();
        const QImage shot = grabWindow(form);
        box->hide();

        const QImage picture = box->picture().convertToFormat(QImage::Format_RGB32);
        const QPoint origin = box->pos() + box->pictureRect().topLeft();
        QCOMPARE(shot.copy(QRect(origin, picture.size())), picture);
        if (box->bordered()) {
            const QRgb line = PictureBox::borderColour().rgb();
            QCOMPARE(shot.pixel(box->x(), box->y()), line);
            QCOMPARE(shot.pixel(box->geometry().right(), box->geometry().bottom()), line);
            QCOMPARE(shot.pixel(box->x() + box->width() / 2, box->y()), line);
        }
    }
}

void TestWindow::fittedLabelsRefit()
{
    Form1 form(*m_clock, *m_keeper);
    auto* label9 = qobject_cast<Label*>(form.control(Control::Label9));
    const QFontMetrics metrics(label9->font());

    const QString longLine = QStringLiteral("Today is, Wednesday September 30, 2026");
    form.setCaption(Control::Label9, longLine);
    QCOMPARE(label9->pos(), QPoint(250, 450));
    QCOMPARE(label9->size(), QSize(metrics.horizontalAdvance(longLine), metrics.height()));

    const QString shortLine = QStringLiteral("Today is, Friday May 01, 2026");
    form.setCaption(Control::Label9, shortLine);
    QCOMPARE(label9->pos(), QPoint(250, 450));
    QCOMPARE(label9->width(), metrics.horizontalAdvance(shortLine));
    QVERIFY(label9->width() < metrics.horizontalAdvance(longLine));
}

// A fixed box breaks its text at word boundaries and shows no line that would be cut by its
// bottom edge.
void TestWindow::fixedLabelsWrapAndClip()
{
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* secLabel = qobject_cast<Label*>(form.control(Control::SecLabel));

    // The heading wraps where it was designed to.
    QCOMPARE(qobject_cast<Label*>(form.control(Control::Label5))->visibleLines(),
        (QStringList{"Santa Claus", "Will be here", "in:"}));

    form.setCaption(Control::SecLabel, QStringLiteral("Merry Christmas and a happy new year"));
    const QStringList lines = secLabel->visibleLines();
    QCOMPARE(lines.size(), 1); // a second 22-px line would end below the 41-px box
    QVERIFY(QStringLiteral("Merry Christmas and a happy new year").startsWith(lines.front()));
    QVERIFY(QStringLiteral("Merry Christmas and a happy new year").at(lines.front().size())
        == QLatin1Char(' '));

    const QImage shot = secLabel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int lineHeight = QFontMetrics(secLabel->font()).height();
    for (int y = lineHeight; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            QVERIFY2(isBlack(shot.pixel(x, y)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));

    auto* label5 = qobject_cast<Label*>(form.control(Control::Label5));
    QCOMPARE(label5->visibleLines().join(QLatin1Char(' ')),
        QStringLiteral("Santa Claus Will be here in:"));
    QVERIFY(label5->visibleLines().size() > 1);
}

void TestWindow::greetingFitsOneLine()
{
    Form1 form(*m_clock, *m_keeper);
    auto* label6 = qobject_cast<Label*>(form.control(Control::Label6));
    QCOMPARE(label6->visibleLines(), QStringList{greeting()});
    QVERIFY(QFontMetrics(label6->font()).horizontalAdvance(greeting()) <= 311);
}

void TestWindow::focusAndTabOrder()
{
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.control(Control::Command1));

    for (Label* label : form.findChildren<Label*>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QCOMPARE(form.control(Control::Image1)->focusPolicy(), Qt::NoFocus);

    // With every picture box shown, Tab walks the boxes and the button by ascending tab order.
    for (PictureBox* box : form.findChildren<PictureBox*>())
        box->show();
    form.control(Control::LogoKestrel)->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 29; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected = {"LogoKestrel", "NightBefore", "Santa1", "XmassDay"};
    for (int n = 2; n <= 9; ++n)
        expected << QStringLiteral("Santa%1").arg(n);
    expected << "Command1";
    for (int n = 10; n <= 23; ++n)
        expected << QStringLiteral("Santa%1").arg(n);
    expected << "SantaNotDec"
             << "LogoKestrel";
    QCOMPARE(visited, expected);
}

void TestWindow::enterAndSpaceClickExit()
{
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* command1 = qobject_cast<QPushButton*>(form.control(Control::Command1));
    // Nothing is connected to the button yet in this test: the clicks are counted, not handled.
    command1->disconnect();
    QSignalSpy clicks(command1, &QPushButton::clicked);
    QTest::keyClick(command1, Qt::Key_Space);
    QTest::keyClick(command1, Qt::Key_Return);
    QTest::keyClick(command1, Qt::Key_Enter);
    QCOMPARE(clicks.size(), 3);
}

// Labels other than "Days", the picture boxes and the emblem run nothing when clicked.
void TestWindow::clicksElsewhereChangeNothing()
{
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    tick(form);
    for (Control c : dayPictureOrder)
        form.setVisible(c, true);
    const QStringList before = snapshot(form);
    const int readings = m_clock->nowReadings();

    for (Control c : {Control::Label1, Control::Label2, Control::Label3, Control::Label5,
             Control::Label6, Control::Label9, Control::Label10, Control::SecLabel,
             Control::MinLabel, Control::HouLabel, Control::DayLabel, Control::Image1,
             Control::LogoKestrel, Control::SantaNotDec, Control::Santa1})
        QTest::mouseClick(form.control(c), Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(snapshot(form), before);
    QCOMPARE(m_clock->nowReadings(), readings);
}

// What a screen reader finds and hears, through the platform's accessibility as a reader would:
// the window, a heading, each total with its unit and labelled by its caption, the pictures as
// images with the date they show (hidden ones not focusable), the emblem passed over, "Days" with
// a press action and its keys. The time left and the Alt+D hint are in what is read when the
// window opens and on "where am I" (EXIT's description, and the window's); a tick that does not
// change the days total tells the reader nothing it would speak; each press of Alt+D is told once,
// naming the day it shows.
void TestWindow::accessibleTree()
{
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    static QList<std::pair<QAccessible::Event, QObject*>> heard;
    heard.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        heard.append({event->type(), event->object()});
    });
    const auto uninstall = qScopeGuard([platform] {
        QAccessible::installUpdateHandler(nullptr);
        platform->setActive(false);
    });

    InWindowPreview preview(makeDateValue(2024, 12, 9, 12, 0, 0));
    DateKeeper keeper(preview.systemDate);
    Form1 form(preview.preview, keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QString timeLeft =
        QStringLiteral("15.50 days until Christmas. Alt+D previews the days of December.");
    // Before the first tick, as the window opens.
    QCOMPARE(QAccessible::queryAccessibleInterface(form.control(Control::Command1))
                 ->text(QAccessible::Description),
        timeLeft);
    tick(form);
    const auto face = [&form](Control control) {
        return QAccessible::queryAccessibleInterface(form.control(control));
    };
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Santa Count Down"));
    QCOMPARE(QApplication::focusWidget(), form.control(Control::Command1));
    QCOMPARE(face(Control::Command1)->text(QAccessible::Description), timeLeft);
    QCOMPARE(window->text(QAccessible::Description), timeLeft);

    QCOMPARE(face(Control::Label5)->role(), QAccessible::Heading);
    QCOMPARE(face(Control::Label9)->role(), QAccessible::StaticText);
    QCOMPARE(
        face(Control::SecLabel)->text(QAccessible::Name), QStringLiteral("1339200.00 seconds"));
    QCOMPARE(face(Control::MinLabel)->text(QAccessible::Name), QStringLiteral("22320.00 minutes"));
    QCOMPARE(face(Control::HouLabel)->text(QAccessible::Name), QStringLiteral("372.00 hours"));
    QCOMPARE(face(Control::DayLabel)->text(QAccessible::Name), QStringLiteral("15.50 days"));
    for (Control picture : {Control::Santa9, Control::Santa2, Control::LogoKestrel}) {
        QCOMPARE(face(picture)->role(), QAccessible::Graphic);
        QVERIFY(face(picture)->text(QAccessible::Description).size() > 20);
    }
    QCOMPARE(face(Control::Santa9)->text(QAccessible::Name),
        QStringLiteral("Picture for Monday, December 9, 2024"));
    QVERIFY(face(Control::Santa9)->state().focusable);
    QVERIFY(!face(Control::Santa2)->state().focusable); // hidden today
    QVERIFY(face(Control::Image1)->state().invisible);
    QVERIFY(face(Control::Image1)->text(QAccessible::Name).isEmpty());

    for (const auto& [caption, total, unit] : Layout::unitCaptions) {
        const auto labelledBy = face(total)->relations(QAccessible::Label);
        QCOMPARE(labelledBy.size(), 1);
        QCOMPARE(labelledBy.front().first->object(), form.control(caption));
        const auto labels = face(caption)->relations(QAccessible::Labelled);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->object(), form.control(total));
    }
    auto* days = face(Control::Label4)->actionInterface();
    QVERIFY(days);
    QVERIFY(days->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(days->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
        QStringList{"Alt+D"});

    // Seconds later, the days total the same: nothing for the focus or the window, nothing told.
    const auto spoken = [&form] {
        QStringList told;
        for (const auto& [type, object] : std::as_const(heard)) {
            if (type == QAccessible::Focus || object == &form
                || object == QApplication::focusWidget())
                told << QStringLiteral("%1 %2").arg(int(type)).arg(object->objectName());
        }
        return told;
    };
    heard.clear();
    preview.computer.hold(makeDateValue(2024, 12, 9, 12, 0, 7));
    tick(form);
    QCOMPARE(spoken(), QStringList{});
    QCOMPARE(face(Control::DayLabel)->text(QAccessible::Name), QStringLiteral("15.50 days"));

    // Presses of Alt+D, each followed by the tick that shows its day: one announcement each, the
    // focus on the day's picture, whose name carries the date (past EXIT in the tab order, too).
    const QString focused = QStringLiteral("%1 ").arg(int(QAccessible::Focus));
    for (int day = 1; day <= 10; ++day) {
        heard.clear();
        QTest::keyClick(&form, Qt::Key_D, Qt::AltModifier);
        tick(form);
        const Control picture = santaForDay(day);
        QCOMPARE(QApplication::focusWidget(), form.control(picture));
        QCOMPARE(face(picture)->text(QAccessible::Name),
            QStringLiteral("Picture for ")
                + QLocale().toString(QDate(1992, 12, day), QLocale::LongFormat));
        QVERIFY2(spoken().filter(focused) == QStringList{focused + controlName(picture)},
            qPrintable(QString::number(day) + spoken().join(QLatin1Char(','))));
    }
    // The press action is told the same way. A click of the mouse moves no focus there, but the
    // focus on a day picture stays with the day picture.
    heard.clear();
    days->doAction(QAccessibleActionInterface::pressAction());
    tick(form);
    QCOMPARE(QApplication::focusWidget(), form.control(Control::Santa11));
    QCOMPARE(spoken().filter(focused), QStringList{focused + QStringLiteral("Santa11")});
    form.control(Control::Command1)->setFocus();
    QTest::mouseClick(form.control(Control::Label4), Qt::LeftButton, {}, QPoint(5, 5));
    tick(form);
    QCOMPARE(QApplication::focusWidget(), form.control(Control::Command1));
}

// The focused picture wears an outline two screen pixels wide or more on all four sides, white
// outside black: seen on the black window and on every paper.
void TestWindow::focusOutlineShows()
{
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    tick(form);
    auto* santa1 = qobject_cast<PictureBox*>(form.control(Control::Santa1));
    santa1->setFocus(Qt::TabFocusReason);
    const QImage shot = santa1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int last = shot.width() - 1, bottom = shot.height() - 1;
    for (int inset : {0, 1}) {
        for (int i = 4; i < shot.width() - 4; ++i) {
            QCOMPARE(shot.pixel(i, inset), qRgb(255, 255, 255));
            QCOMPARE(shot.pixel(i, bottom - inset), qRgb(255, 255, 255));
            QCOMPARE(shot.pixel(i, 2 + inset), qRgb(0, 0, 0));
        }
        for (int i = 4; i < shot.height() - 4; ++i) {
            QCOMPARE(shot.pixel(inset, i), qRgb(255, 255, 255));
            QCOMPARE(shot.pixel(last - inset, i), qRgb(255, 255, 255));
            QCOMPARE(shot.pixel(last - 2 - inset, i), qRgb(0, 0, 0));
        }
    }
}

// Activated only after a tick has shown a picture earlier in the tab order, the window still
// gives EXIT the focus, and Return runs it.
void TestWindow::exitHasFocusWhenFirstActivated()
{
    Form1 form(*m_clock, *m_keeper);
    form.setFarewellSleep(
        [this](std::chrono::nanoseconds d) { m_clock->setElapsed(m_clock->currentElapsed() + d); });
    tick(form);
    QVERIFY(!form.control(Control::Santa1)->isHidden());
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.control(Control::Command1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(form.hasEnded());

    // Tab leads on to the picture, which shows the focus frame.
    Form1 second(*m_clock, *m_keeper);
    tick(second);
    second.show();
    QVERIFY(QTest::qWaitForWindowActive(&second));
    auto* santa1 = qobject_cast<PictureBox*>(second.control(Control::Santa1));
    const QImage unfocused = santa1->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), santa1);
    QVERIFY(santa1->grab().toImage() != unfocused);
}

// A click anywhere in the box of "Days" counts, also where the word does not reach.
void TestWindow::daysTakesClicksInItsWholeBox_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("top left") << QPoint(0, 0);
    QTest::newRow("top right, beyond the word") << QPoint(35, 0);
    QTest::newRow("bottom right") << QPoint(35, 15);
    QTest::newRow("bottom left") << QPoint(0, 15);
}

void TestWindow::daysTakesClicksInItsWholeBox()
{
    QFETCH(QPoint, at);
    Form1 form(*m_clock, *m_keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint inWindow = QPoint(640, 390) + at;
    QCOMPARE(form.childAt(inWindow), form.control(Control::Label4));
    QTest::mouseClick(form.control(Control::Label4), Qt::LeftButton, {}, at);
    QCOMPARE(m_systemDate->datesSet(), QStringList{"12-01-1992"});
}

// The application id, which a Wayland desktop uses to find the icon, is the desktop entry's name.
void TestWindow::applicationIdIsTheDesktopEntry()
{
    nameApplication();
    const QFileInfo entry(QStringLiteral(SCD_DESKTOP_ENTRY));
    QVERIFY2(entry.exists(), qPrintable(entry.filePath()));
    QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"), entry.fileName());
    QFile file(entry.filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\nName=Santa Count Down\n"));
}

// In the person's language: what a screen reader reads first, and the notice of a preview that
// stays in the window. The window's own texts (its title, heading, captions and the lines of the
// date and time) stay as they are designed, with the locale's names of days and months.
void TestWindow::speaksThePersonsLanguage_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("dateLine");
    QTest::addColumn<QString>("button");

    QTest::newRow("German") << "de_DE"
        << "Noch 15,50 Tage bis Weihnachten. Alt+D zeigt eine Vorschau der Dezembertage."
        << "Das Datum des Computers wurde nicht geändert."
        << "Dieses Programm ist nicht berechtigt, die Uhr des Computers zu stellen."
        << "Today is, Montag Dezember 09, 2024" << "OK";
    QTest::newRow("Austrian German, told in German") << "de_AT"
        << "Noch 15,50 Tage bis Weihnachten. Alt+D zeigt eine Vorschau der Dezembertage."
        << "Das Datum des Computers wurde nicht geändert."
        << "Dieses Programm ist nicht berechtigt, die Uhr des Computers zu stellen."
        << "Today is, Montag Dezember 09, 2024" << "OK";
    QTest::newRow("French") << "fr_FR"
        << "15,50 jours avant Noël. Alt+D donne un aperçu des jours de décembre."
        << "La date de l'ordinateur n'a pas été modifiée."
        << "Ce programme n'a pas le droit de régler l'horloge de l'ordinateur."
        << "Today is, lundi décembre 09, 2024" << "OK";
    QTest::newRow("Spanish") << "es_ES"
        << "Faltan 15,50 días para Navidad. Alt+D muestra una vista previa de los días de diciembre."
        << "No se ha cambiado la fecha del ordenador."
        << "Este programa no tiene permiso para ajustar el reloj del ordenador."
        << "Today is, lunes diciembre 09, 2024" << "Aceptar";
    QTest::newRow("a language without a translation: English") << "pt_BR"
        << "15,50 days until Christmas. Alt+D previews the days of December."
        << "The computer's date was not changed."
        << "This program does not have the right to set the computer's clock."
        << "Today is, segunda-feira dezembro 09, 2024" << "OK";
    // clang-format on
}

void TestWindow::speaksThePersonsLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, description);
    QFETCH(QString, notice);
    QFETCH(QString, reason);
    QFETCH(QString, dateLine);
    QFETCH(QString, button);

    QLocale::setDefault(QLocale(locale));
    const auto english =
        qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); });
    Translations::Language language{QLocale(locale)};
    language.install();

    InWindowPreview preview(makeDateValue(2024, 12, 9, 12, 0, 0));
    RefusingDate refusing(DateChange::refused(DateChange::Cause::NoRight), preview.computer);
    FallbackSystemDate ways({&refusing, &preview.systemDate});
    DateKeeper keeper(ways);
    Form1 form(preview.preview, keeper);
    ways.setTell([&form](const DateNotice& told) { form.tell(told, false); });
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    tick(form);

    QCOMPARE(
        QAccessible::queryAccessibleInterface(&form)->text(QAccessible::Description), description);
    const auto caption = [&form](Control control) {
        return qobject_cast<Label*>(form.control(control))->caption();
    };
    QCOMPARE(form.windowTitle(), QStringLiteral("Santa Count Down"));
    QCOMPARE(qobject_cast<QPushButton*>(form.control(Control::Command1))->text(),
        QStringLiteral("EXIT"));
    QCOMPARE(caption(Control::Label4), QStringLiteral("Days"));
    QCOMPARE(caption(Control::Label5), QStringLiteral("Santa Claus Will be here in:"));
    QCOMPARE(caption(Control::Label9), dateLine);
    QVERIFY(caption(Control::Label10).startsWith(QStringLiteral("at, ")));

    QTest::keyClick(&form, Qt::Key_D, Qt::AltModifier);
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = form.findChild<QMessageBox*>(QStringLiteral("Notice"))));
    QCOMPARE(box->text(), notice);
    QVERIFY2(box->informativeText().startsWith(reason), qPrintable(box->informativeText()));
    QCOMPARE(box->button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), button);
    box->close();
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
