// SPDX-License-Identifier: MIT
#pragma once

#include "pictures.h"

#include <QImage>
#include <QWidget>

// A box that is exactly as large as its picture, plus a 1-px plain border where it has one. The
// picture is drawn at its own size, 1 px in from the edge of a bordered box. With the keyboard
// focus it shows a clear outline.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(Control owner, bool bordered, QWidget* parent);

    const QImage& picture() const { return m_picture.picture(); }
    bool bordered() const { return m_bordered; }
    QRect pictureRect() const;

    static QColor borderColour();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintFocusOutline(QPainter& painter);

    Pictures::ScreenPicture m_picture;
    bool m_bordered;
};
