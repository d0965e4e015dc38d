// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <QIcon>
#include <QImage>

class QPainter;

// The pictures are built into the program. Each is an 8-bit palette image, as it was drawn, shown
// straight from the program's own data for the whole run.
namespace Pictures {

QImage load(Control owner);
// The same drawing rendered at twice or three times the size (scale 2 or 3), with the same
// colours, for scaled screens; a null image for any other scale.
QImage load(Control owner, int scale);
QIcon windowIcon();

// Draws a picture at its own size in logical pixels. On a scaled screen it uses the rendition
// drawn for that scale (the next larger one for a fractional scale), so that the picture is as
// sharp as the text; at 1x it draws the picture itself, pixel for pixel.
class ScreenPicture
{
public:
    ScreenPicture(Control owner, QImage picture);

    const QImage& picture() const { return m_picture; }
    void draw(QPainter& painter, QPoint topLeft, qreal devicePixelRatio);

private:
    Control m_owner;
    QImage m_picture;
    QImage m_sharp;
    int m_sharpScale = 1;
};

} // namespace Pictures
