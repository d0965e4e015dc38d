// SPDX-License-Identifier: MIT
#pragma once

#include "controls.h"

#include <QColor>
#include <QIcon>
#include <QImage>

class QPainter;

// The pictures are built into the program. Each is an 8-bit palette image, as it was drawn, shown
// straight from the program's own data for the whole run.
namespace Pictures {

QImage load(Control owner);
// The same drawing rendered for a scaled screen: crisp, in the same colours, at twice or three
// times the size; smooth (anti-aliased) at 1.25 and 1.5 times. A null image for any other scale.
QImage load(Control owner, qreal scale);
QIcon windowIcon();

// Paints a picture in its widget, with a plain border around it where it has one. At 1x the
// picture itself lands pixel for pixel; at whole scale factors the crisp rendition drawn for that
// scale does. At a fractional scale the picture is drawn in the screen's own pixels, unscaled,
// from the smooth rendition drawn at that scale (or the next larger one, made smaller with care),
// so that lines of one weight keep one weight; and the border is at least one screen pixel wide
// on every side.
class ScreenPicture
{
public:
    ScreenPicture(Control owner, QImage picture);

    const QImage& picture() const { return m_picture; }
    void paint(
        QPainter& painter, const QRect& area, int border = 0, const QColor& borderColour = {});

private:
    void paintWhole(
        QPainter& painter, const QRect& area, int border, const QColor& borderColour, int scale);
    void paintFractional(
        QPainter& painter, const QRect& area, int border, const QColor& borderColour, qreal scale);
    // The rendition for the scale, made to the size in screen pixels; kept until either changes.
    const QImage& rendition(qreal scale, QSize size);
    // The picture's size in screen pixels at the scale.
    QSize sizeAt(qreal scale) const;

    Control m_owner;
    QImage m_picture;
    QImage m_shown;
    qreal m_shownScale = 1;
};

// Where a rectangle of the painter's logical pixels falls in the screen's own pixels, rounded to
// whole ones; and the painter set to paint in those.
QRect inScreenPixels(QPainter& painter, const QRect& logical);

} // namespace Pictures
