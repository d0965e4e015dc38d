// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include "layout.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

PictureBox::PictureBox(Control owner, bool bordered, QWidget* parent)
    : QWidget(parent)
    , m_picture(owner, Pictures::load(owner))
    , m_bordered(bordered)
{
    const int border = m_bordered ? Layout::borderWidth : 0;
    setFixedSize(picture().size() + QSize(2 * border, 2 * border));
    setFocusPolicy(Qt::StrongFocus);
    // The picture covers every pixel inside the border, so nothing beneath needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect PictureBox::pictureRect() const
{
    const int border = m_bordered ? Layout::borderWidth : 0;
    return QRect(QPoint(border, border), picture().size());
}

QColor PictureBox::borderColour()
{
    return QColor(160, 160, 160);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_bordered) {
        painter.setPen(borderColour());
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    m_picture.draw(painter, pictureRect().topLeft(), devicePixelRatioF());
    // A keyboard user sees where the focus is: the platform's focus frame, over the picture.
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void PictureBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}
