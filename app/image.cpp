// SPDX-License-Identifier: MIT
#include "image.h"

#include <QPainter>

Image::Image(Control owner, QWidget* parent)
    : QWidget(parent)
    , m_picture(owner, Pictures::load(owner))
{
    setFixedSize(picture().size());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_picture.paint(painter, rect());
}
