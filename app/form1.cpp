// SPDX-License-Identifier: MIT
#include "form1.h"

#include "accessibility.h"
#include "computecountdown.h"
#include "datekeeper.h"
#include "datevalue.h"
#include "daypicture.h"
#include "exitsequence.h"
#include "image.h"
#include "label.h"
#include "layout.h"
#include "picturebox.h"
#include "pictures.h"
#include "previewstepper.h"
#include "showcountdowntexts.h"
#include "textformats.h"
#include "tickphase.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <cstdio>
#include <thread>

namespace {

QFont controlFont(int pixelSize)
{
    QFont font(QString::fromLatin1(Layout::fontFamily));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

void useFontSubstitutes()
{
    const QString family = QString::fromLatin1(Layout::fontFamily);
    if (QFont::substitutes(family).isEmpty())
        QFont::insertSubstitutions(family, Layout::fontSubstitutes());
}

// One reading, given again: for working out what the window shows from it, with no reading more.
class FixedClock final : public Clock
{
public:
    FixedClock(DateValue reading, Clock& clock)
        : m_reading(reading)
        , m_clock(clock)
    { }

    DateValue now() override { return m_reading; }
    double secondsSinceMidnight() override { return m_clock.secondsSinceMidnight(); }
    WallTime wallTime() override { return m_clock.wallTime(); }
    std::chrono::nanoseconds elapsed() override { return m_clock.elapsed(); }

private:
    DateValue m_reading;
    Clock& m_clock;
};

} // namespace

// The clock as the tick sees it, remembering its last reading: the date the tick showed, with no
// reading more.
class Form1::TickClock final : public Clock
{
public:
    explicit TickClock(Clock& clock)
        : m_clock(clock)
    { }

    DateValue last() const { return m_last; }
    DateValue now() override { return m_last = m_clock.now(); }
    double secondsSinceMidnight() override { return m_clock.secondsSinceMidnight(); }
    WallTime wallTime() override { return m_clock.wallTime(); }
    std::chrono::nanoseconds elapsed() override { return m_clock.elapsed(); }

private:
    Clock& m_clock;
    DateValue m_last{};
};

Form1::Form1(Clock& clock, DateKeeper& keeper, QWidget* parent)
    : QWidget(parent)
    , m_clock(clock)
    , m_keeper(keeper)
    , m_sleep([](std::chrono::nanoseconds duration) { std::this_thread::sleep_for(duration); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(Layout::windowTitle));
    setWindowIcon(Pictures::windowIcon());
    resize(Layout::clientSize);

    QPalette black = palette();
    black.setColor(QPalette::Window, Layout::background);
    setPalette(black);
    setAutoFillBackground(true);

    useFontSubstitutes();
    installAccessibility();
    // Widgets created later lie above those created earlier, so the labels (the window's own
    // surface) come first and the picture boxes last, each group from the bottom up.
    createLabels();
    createPictureBoxesAndButton();
    setTabOrder();
    describeForAssistiveTechnology();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(controlName(Control::Timer1));
    m_timer1->setTimerType(Qt::PreciseTimer);
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    m_timer1->start();

    m_realignment.setSingleShot(true);
    m_realignment.setTimerType(Qt::PreciseTimer);
    connect(&m_realignment, &QTimer::timeout, this, [this] {
        m_timer1->start();
        Timer1_Timer();
    });

    auto* days = qobject_cast<Label*>(control(Control::Label4));
    connect(days, &Label::clicked, this, &Form1::Label4_Click);
    // Pressed without the mouse, the day then previewed is told to a screen reader.
    connect(days, &Label::pressedWithoutMouse, this, &Form1::pressDaysWithoutMouse);
    auto* daysKeys = new QShortcut(QKeySequence(QString::fromLatin1(Layout::daysShortcut)), this);
    connect(daysKeys, &QShortcut::activated, this, &Form1::pressDaysWithoutMouse);
    connect(qobject_cast<QPushButton*>(control(Control::Command1)), &QPushButton::clicked, this,
        &Form1::Command1_Click);

    Form_Load();
}

Form1::~Form1() = default;

void Form1::createLabels()
{
    const auto table = Layout::labels();
    for (auto row = table.rbegin(); row != table.rend(); ++row) {
        if (row->control == Layout::image1StacksBelow) {
            auto* image1 = new Image(Control::Image1, this);
            image1->setObjectName(controlName(Control::Image1));
            image1->move(Layout::image1Geometry.topLeft());
            image1->setToolTip(Layout::image1ToolTip());
            m_controls[std::size_t(Control::Image1)] = image1;
        }
        auto* label = new Label(row->box, this);
        label->setObjectName(controlName(row->control));
        QFont font = controlFont(row->fontPixelSize);
        if (row->control == Layout::heading)
            font.setLetterSpacing(QFont::AbsoluteSpacing, Layout::headingLetterSpacing);
        label->setFont(font);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, Layout::background);
        colours.setColor(QPalette::WindowText, row->colour);
        label->setPalette(colours);
        label->setAlignment(row->alignment);
        label->move(row->topLeft);
        if (row->box == Layout::Box::Fixed)
            label->resize(row->fixedSize);
        label->setCaption(row->caption);
        m_controls[std::size_t(row->control)] = label;
    }
}

void Form1::createPictureBoxesAndButton()
{
    const auto table = Layout::pictureBoxes();
    for (auto row = table.rbegin(); row != table.rend(); ++row) {
        if (row->control == Layout::lastPictureAboveButton)
            createCommand1();
        auto* box = new PictureBox(row->control, row->bordered, this);
        box->setObjectName(controlName(row->control));
        box->move(row->topLeft);
        box->setAccessibleName(Layout::pictureText(row->accessibleName));
        box->setAccessibleDescription(Layout::pictureText(row->description));
        box->hide();
        m_controls[std::size_t(row->control)] = box;
    }
}

void Form1::createCommand1()
{
    auto* command1 = new QPushButton(QStringLiteral("EXIT"), this);
    command1->setObjectName(controlName(Control::Command1));
    command1->setGeometry(Layout::command1Geometry);
    command1->setFont(controlFont(Layout::command1FontPixelSize));
    command1->setAccessibleName(QStringLiteral("EXIT"));
    // Enter as well as Space clicks the focused button, as in a dialog.
    command1->setAutoDefault(true);
    command1->setFocusPolicy(Qt::StrongFocus);
    m_controls[std::size_t(Control::Command1)] = command1;
}

void Form1::setTabOrder()
{
    const auto order = Layout::tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(control(order[i - 1]), control(order[i]));
    // EXIT has the focus whenever the window is first activated, even if a tick has shown a
    // picture box earlier in the tab order by then.
    control(Control::Command1)->setFocus();
}

void Form1::describeForAssistiveTechnology()
{
    qobject_cast<Label*>(control(Layout::heading))->setHeading(true);
    for (const auto& [caption, total, unit] : Layout::unitCaptions) {
        qobject_cast<Label*>(control(caption))->setBuddy(control(total));
        qobject_cast<Label*>(control(total))->setUnit(Layout::unitOfTotal(unit));
    }
    auto* days = qobject_cast<Label*>(control(Control::Label4));
    days->setPressable(QKeySequence(QString::fromLatin1(Layout::daysShortcut)));
    days->setMinimumBox(Layout::daysClickBox);
    days->setToolTip(Layout::daysToolTip());
    days->setAccessibleDescription(Layout::daysDescription());
}

QWidget* Form1::control(Control which) const
{
    return m_controls[std::size_t(which)];
}

void Form1::Form_Load()
{
    const DateValue loaded = m_clock.now();
    m_state.StartupDate = dateText(loaded);
    // A screen reader reads the time left as soon as the window opens, before the first tick:
    // worked out from the same reading, with none more.
    FixedClock atLoad(loaded, m_clock);
    describeTimeLeft(FormatTotal(ComputeCountdown(atLoad).DaysLeft));
}

void Form1::describeTimeLeft(const QString& daysLeft)
{
    m_toldDaysLeft = daysLeft;
    const QString timeLeft = Layout::timeLeftDescription(daysLeft);
    control(Control::Command1)->setAccessibleDescription(timeLeft);
    setAccessibleDescription(timeLeft);
}

void Form1::Timer1_Timer()
{
    if (m_exiting)
        return;
    TickClock clock(m_clock);
    m_tickClock = &clock;
    const CountdownTotals totals = ComputeCountdown(clock);
    ShowCountdownTexts(totals, clock, *this);
    ShowDayPicture(clock, *this);
    m_tickClock = nullptr;
    tellAssistiveTechnology(calendarDateOf(clock.last()));
    keepTicksAfterSecondStarts();
}

void Form1::tellAssistiveTechnology(std::chrono::year_month_day shown)
{
    // After "Days" was pressed without the mouse, the day previewed is told once it shows: the
    // focus goes to its picture, which carries the date in its name. A notice in front (a
    // refusal told) holds it back until the window has the focus again.
    if (m_previewToTell && shown != m_shownWhenPressed && isActiveWindow()) {
        m_previewToTell = false;
        QWidget* picture = control(m_shownDayPicture);
        if (!picture->isHidden() && !picture->hasFocus())
            picture->setFocus(Qt::OtherFocusReason);
    }
    m_lastShown = shown;

    // What a screen reader reads first, and on "where am I": the time left, told anew only when
    // the days total changes, so that the ticks in between stay silent; after the focus has
    // moved, so that a reader hears the day, not the total, when a press changed both.
    const QString daysLeft = qobject_cast<Label*>(control(Control::DayLabel))->caption();
    if (daysLeft != m_toldDaysLeft)
        describeTimeLeft(daysLeft);
}

void Form1::pressDaysWithoutMouse()
{
    if (m_exiting)
        return;
    m_previewToTell = true;
    m_shownWhenPressed = m_lastShown;
    Label4_Click();
}

void Form1::keepTicksAfterSecondStarts()
{
    const auto delay = tickRealignment(m_clock.secondsSinceMidnight());
    if (!delay)
        return;
    // Timer1 keeps its 1000 ms; it only starts again, once, at the right moment.
    m_timer1->stop();
    m_realignment.start(*delay);
}

void Form1::Label4_Click()
{
    if (m_exiting)
        return;
    ::Label4_Click(m_state, m_keeper, [this](const DateChange& restored) {
        if (const auto notice = DateTexts::afterRestore(restored))
            tell(*notice, false);
    });
}

void Form1::Command1_Click()
{
    if (m_exiting)
        return;
    // No tick runs again once the exit has begun, also while the date is being put back and
    // while a failure is told.
    m_exiting = true;
    m_timer1->stop();
    m_realignment.stop();
    ExitSequence(m_keeper, m_clock, *this,
        {m_sleep, [this](const DateNotice& notice) { tell(notice, true); }});
}

void Form1::bringForward()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void Form1::tell(const DateNotice& notice, bool waitForAnswer)
{
    std::fprintf(stderr, "santa-count-down: %s\n", qPrintable(notice.oneLine()));
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle(), notice.text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("Notice"));
    box->setInformativeText(notice.details);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Its icon says, to a screen reader, what it shows.
    if (auto* icon = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        icon->setAccessibleName(tr("Warning"));
    if (waitForAnswer)
        box->exec();
    else
        box->open();
}

void Form1::setCaption(Control label, const QString& text)
{
    auto* target = qobject_cast<Label*>(control(label));
    Q_ASSERT(target);
    target->setCaption(text);
}

void Form1::setVisible(Control which, bool visible)
{
    QWidget* target = control(which);
    Q_ASSERT(target);
    if (int(which) < DayPictureCount) {
        if (visible) {
            // Named, before it shows, after the date the tick read.
            if (m_tickClock) {
                const auto date = calendarDateOf(m_tickClock->last());
                const QString name = Layout::dayPictureName(QLocale().toString(
                    QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))),
                    QLocale::LongFormat));
                if (target->accessibleName() != name)
                    target->setAccessibleName(name);
            }
            m_shownDayPicture = which;
        } else if (target->hasFocus()) {
            // The focus on a day picture that gives way to another goes to that one, rather than
            // on to whatever comes next in the tab order.
            QWidget* shown = control(m_shownDayPicture);
            if (shown != target && !shown->isHidden())
                shown->setFocus(Qt::OtherFocusReason);
            else
                target->clearFocus();
        }
    }
    target->setVisible(visible);
}

void Form1::clear()
{
    // Nothing is ever drawn on the form itself, so clearing leaves just the background.
    update();
}

void Form1::repaintNow()
{
    repaint();
    // Pushes the drawing out to the display server before the event loop would.
    QGuiApplication::sync();
}

void Form1::endProgram(int status)
{
    // Events that arrived during the farewell are still delivered by the event loop on its way
    // out; the handlers see that the program is ending and do nothing.
    m_ended = true;
    m_exitStatus = status;
    m_timer1->stop();
    m_realignment.stop();
    QApplication::exit(status);
}
