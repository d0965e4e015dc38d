// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include "layout.h"

#include <QPainter>

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
    m_picture.paint(painter, rect(), m_bordered ? Layout::borderWidth : 0, borderColour());
    if (hasFocus())
        paintFocusOutline(painter);
}

void PictureBox::paintFocusOutline(QPainter& painter)
{
    // A keyboard user sees where the focus is, on black and on every paper alike: a white ring
    // outside a black one, each two screen pixels wide or more, over the picture's edge.
    const int band = qMax(2, qRound(2 * devicePixelRatioF()));
    painter.save();
    const QRect box = Pictures::inScreenPixels(painter, rect());
    const auto ring = [&painter](const QRect& outer, int width, const QColor& colour) {
        const QRect inner = outer.adjusted(width, width, -width, -width);
        painter.fillRect(QRect(outer.topLeft(), QSize(outer.width(), width)), colour);
        painter.fillRect(
            QRect(QPoint(outer.left(), inner.bottom() + 1), QSize(outer.width(), width)), colour);
        painter.fillRect(
            QRect(QPoint(outer.left(), inner.top()), QSize(width, inner.height())), colour);
        painter.fillRect(
            QRect(QPoint(inner.right() + 1, inner.top()), QSize(width, inner.height())), colour);
    };
    ring(box, band, Qt::white);
    ring(box.adjusted(band, band, -band, -band), band, Qt::black);
    painter.restore();
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
