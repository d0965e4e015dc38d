// SPDX-License-Identifier: MIT
#pragma once

// Form1 is the program's one window. It owns the 42 controls, laid out from the Layout tables, and
// the form state. Every second Timer1 runs Timer1_Timer, which hands the clock and the form (as a
// FormSurface) to the countdown and day-picture logic; the logic reads the clock and writes
// captions and visibility back through the surface, addressing controls by name. A click on
// "Days" (Label4_Click) and on EXIT (Command1_Click) hand the form state and the DateKeeper to
// the preview stepper and the exit sequence, which change the date through it, one change at a
// time and without blocking the window while a change waits for permission; the next tick reads
// the clock afresh and shows the result. What the person is told about the date comes from the
// date logic as a DateNotice; the form only shows it. The logic never sees a widget, and the
// form never reads the clock itself.

#include "clock.h"
#include "datetexts.h"
#include "formstate.h"
#include "formsurface.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <chrono>
#include <functional>

class DateKeeper;

class Form1 : public QWidget, public FormSurface
{
    Q_OBJECT

public:
    using Sleep = std::function<void(std::chrono::nanoseconds)>;

    Form1(Clock& clock, DateKeeper& keeper, QWidget* parent = nullptr);
    ~Form1() override;

    const FormState& state() const { return m_state; }

    // The widget of a control, by its name; Timer1 is a QTimer, not a widget.
    QWidget* control(Control control) const;
    QTimer* timer1() const { return m_timer1; }

    void setCaption(Control label, const QString& text) override;
    void setVisible(Control control, bool visible) override;
    void clear() override;
    void repaintNow() override;
    void endProgram(int status) override;

    using QWidget::setVisible;

    // How the farewell wait passes time; a plain sleep unless a test wants it instant.
    void setFarewellSleep(Sleep sleep) { m_sleep = std::move(sleep); }
    bool hasEnded() const { return m_ended; }
    int exitStatus() const { return m_exitStatus; }
    // Whether a tick is still to come: Timer1, or its one-off start at the right moment.
    bool isTicking() const { return m_timer1->isActive() || m_realignment.isActive(); }

    // Brings the window to the front, as when the program is started a second time.
    void bringForward();

    // Tells the person about the computer's date, in a message box and on standard error; with
    // waitForAnswer the call returns once the box is closed, otherwise at once.
    void tell(const DateNotice& notice, bool waitForAnswer);

private:
    void createLabels();
    void createPictureBoxesAndButton();
    void createCommand1();
    void setTabOrder();
    void describeForAssistiveTechnology();

    void Form_Load();
    void Timer1_Timer();
    void tellAssistiveTechnology(std::chrono::year_month_day shown);
    void describeTimeLeft(const QString& daysLeft);
    void pressDaysWithoutMouse();
    void keepTicksAfterSecondStarts();
    void Label4_Click();
    void Command1_Click();

    Clock& m_clock;
    DateKeeper& m_keeper;
    Sleep m_sleep;
    bool m_exiting = false;
    bool m_ended = false;
    int m_exitStatus = 0;
    FormState m_state;
    std::array<QWidget*, ControlCount> m_controls{};
    QTimer* m_timer1 = nullptr;
    // Starts Timer1 again at the right moment of the second, once. Not a control of the form.
    QTimer m_realignment;
    // What a screen reader has been told: the days total, and the date the last tick showed; a
    // preview day still to tell, pressed while that date showed.
    QString m_toldDaysLeft;
    std::chrono::year_month_day m_lastShown{};
    std::chrono::year_month_day m_shownWhenPressed{};
    bool m_previewToTell = false;
    // The day picture shown last, and the clock of the tick under way, if one is.
    Control m_shownDayPicture = Control::SantaNotDec;
    class TickClock;
    TickClock* m_tickClock = nullptr;
};
