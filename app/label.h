// SPDX-License-Identifier: MIT
#pragma once

#include "layout.h"

#include <QLabel>

// A caption on the window's own black background. A fixed label keeps its box, breaks its text at
// word boundaries and shows only the lines that fit whole; a fitted label is one line and takes
// exactly the size of its text, growing and shrinking to the right.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(Layout::Box box, QWidget* parent);

    Layout::Box box() const { return m_box; }
    void setCaption(const QString& caption);
    QString caption() const { return text(); }

    // A short name for assistive technology where the caption alone would not say what it is
    // ("Seconds left: 2030400.00").
    void setAccessibleRole(const QString& role);

    // The lines of the caption as they are shown in the box, in order.
    QStringList visibleLines() const;

Q_SIGNALS:
    void clicked();
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
    QString m_accessibleRole;
    bool m_pressed = false;
};
