// SPDX-License-Identifier: MIT
#pragma once

// Form1 is the program's one window. It owns the 42 controls, laid out from the Layout tables, and
// the form state. Every second Timer1 runs Timer1_Timer, which hands the clock and the form (as a
// FormSurface) to the countdown and day-picture logic; the logic reads the clock and writes
// captions and visibility back through the surface, addressing controls by name. The logic never
// sees a widget, and the form never reads the clock itself.

#include "clock.h"
#include "formstate.h"
#include "formsurface.h"

#include <QWidget>

#include <array>

class QTimer;

class Form1 : public QWidget, public FormSurface
{
    Q_OBJECT

public:
    explicit Form1(Clock& clock, QWidget* parent = nullptr);
    ~Form1() override;

    const FormState& state() const { return m_state; }

    // The widget of a control, by its name; Timer1 is a QTimer, not a widget.
    QWidget* control(Control control) const;
    QTimer* timer1() const { return m_timer1; }

    void setCaption(Control label, const QString& text) override;
    void setVisible(Control control, bool visible) override;
    void clear() override;
    void repaintNow() override;
    void endProgram() override;

    using QWidget::setVisible;

private:
    void createLabels();
    void createPictureBoxesAndButton();
    void createCommand1();
    void setTabOrder();

    void Form_Load();
    void Timer1_Timer();

    Clock& m_clock;
    FormState m_state;
    std::array<QWidget*, ControlCount> m_controls{};
    QTimer* m_timer1 = nullptr;
};
