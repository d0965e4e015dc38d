// SPDX-License-Identifier: MIT
#pragma once

#include "layout.h"

#include <QKeySequence>
#include <QLabel>

// A caption on the window's own black background. A fixed label keeps its box, breaks its text at
// word boundaries and shows only the lines that fit whole; a fitted label is one line and takes
// exactly the size of its text (or of its minimum box, if larger), growing and shrinking to the
// right; its text always starts at its top left.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(Layout::Box box, QWidget* parent);

    Layout::Box box() const { return m_box; }
    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    // What assistive technology is told of it: a heading, and whether it can be pressed (with
    // the keys that press it). A unit caption names its total through QLabel's buddy; a total
    // is read with its unit ("15.42 days").
    void setHeading(bool heading) { m_heading = heading; }
    bool isHeading() const { return m_heading; }
    void setPressable(const QKeySequence& shortcut);
    bool isPressable() const { return m_pressable; }
    const QKeySequence& shortcut() const { return m_shortcut; }
    void setUnit(const QString& unit);
    // Presses it as a click would, for someone who does not use the mouse.
    void click() { Q_EMIT pressedWithoutMouse(); }

    // The smallest box it takes, whatever its text: the area a click counts in.
    void setMinimumBox(QSize box);

    // The lines of the caption as they are shown in the box, in order.
    QStringList visibleLines() const;

Q_SIGNALS:
    void clicked();
    void pressedWithoutMouse();
    void captionChanged(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToText();
    void updateAccessibleName();

    Layout::Box m_box;
    QSize m_minimumBox;
    QKeySequence m_shortcut;
    QString m_unit;
    bool m_heading = false;
    bool m_pressable = false;
    bool m_pressed = false;
};
