// SPDX-License-Identifier: MIT
#include "image.h"

#include <QPainter>

Image::Image(const QImage& picture, QWidget* parent)
    : QWidget(parent)
    , m_picture(picture)
{
    setFixedSize(m_picture.size());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, m_picture);
}
