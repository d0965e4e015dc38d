// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "picturedata.h"

#include <QPainter>

#include <cmath>

namespace Pictures {

namespace {

// The scales drawn for, smallest first. A fractional scale in between is served by the next
// larger one.
constexpr qreal renditionScales[] = {1.25, 1.5, 2, 3};

bool sameScale(qreal a, qreal b)
{
    return std::abs(a - b) < 0.001;
}

bool isWhole(qreal scale)
{
    return sameScale(scale, std::round(scale));
}

QString scaleName(qreal scale)
{
    return QString::number(scale, 'g', 3);
}

} // namespace

QImage load(Control owner)
{
    const QString name = controlName(owner);
    QImage picture = PictureData::builtIn(name);
    // The pictures are built into the program, so a missing one is a broken build.
    if (picture.isNull())
        qFatal("The picture %s is missing from the program", qPrintable(name));
    return picture;
}

QImage load(Control owner, qreal scale)
{
    for (qreal drawn : renditionScales) {
        if (sameScale(scale, drawn))
            return QImage(
                QStringLiteral(":/pictures@%1x/%2.png").arg(scaleName(drawn), controlName(owner)));
    }
    return {};
}

QRect inScreenPixels(QPainter& painter, const QRect& logical)
{
    const QTransform toScreen = painter.deviceTransform();
    const QRectF exact = toScreen.mapRect(QRectF(logical));
    painter.setWorldTransform(toScreen.inverted() * painter.worldTransform());
    return QRect(QPoint(qRound(exact.left()), qRound(exact.top())),
        QPoint(qRound(exact.right()) - 1, qRound(exact.bottom()) - 1));
}

ScreenPicture::ScreenPicture(Control owner, QImage picture)
    : m_owner(owner)
    , m_picture(std::move(picture))
{ }

void ScreenPicture::paint(
    QPainter& painter, const QRect& area, int border, const QColor& borderColour)
{
    const qreal scale = painter.device()->devicePixelRatioF();
    if (isWhole(scale))
        paintWhole(painter, area, border, borderColour, qRound(scale));
    else
        paintFractional(painter, area, border, borderColour, scale);
}

void ScreenPicture::paintWhole(
    QPainter& painter, const QRect& area, int border, const QColor& borderColour, int scale)
{
    if (border > 0) {
        painter.setPen(borderColour);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
    const QRect inside = area.adjusted(border, border, -border, -border);
    if (scale > 1) {
        const QImage& sharp = rendition(scale, m_picture.size() * scale);
        if (!sharp.isNull()) {
            painter.drawImage(inside, sharp);
            return;
        }
    }
    painter.drawImage(inside.topLeft(), m_picture);
}

void ScreenPicture::paintFractional(
    QPainter& painter, const QRect& area, int border, const QColor& borderColour, qreal scale)
{
    painter.save();
    const QRect box = inScreenPixels(painter, area);
    // The picture at the scale's own size, in the middle of its box: what is left around it is
    // the border, a screen pixel wide or more on every side.
    const QImage& shown = rendition(scale, sizeAt(scale));
    if (border > 0) {
        painter.fillRect(box, borderColour);
        painter.setClipRect(box.adjusted(1, 1, -1, -1));
    }
    const QSize room = box.size() - shown.size();
    painter.drawImage(box.topLeft() + QPoint(room.width() / 2, room.height() / 2),
        shown.isNull() ? m_picture : shown);
    painter.restore();
}

QSize ScreenPicture::sizeAt(qreal scale) const
{
    return QSize(qRound(m_picture.width() * scale), qRound(m_picture.height() * scale));
}

const QImage& ScreenPicture::rendition(qreal scale, QSize size)
{
    if (m_shownScale == scale && m_shown.size() == size)
        return m_shown;
    m_shownScale = scale;
    m_shown = {};
    for (qreal drawn : renditionScales) {
        if (drawn < scale && !sameScale(drawn, scale))
            continue;
        const QImage source = load(m_owner, drawn);
        if (source.isNull())
            break;
        // A whole scale keeps its crisp rendition as it is, and so does the one drawn for the
        // scale; another is made to the size with an area-averaging filter that keeps every
        // line's weight.
        m_shown = sameScale(drawn, scale) || isWhole(scale)
            ? source
            : source.convertToFormat(QImage::Format_RGB32)
                  .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        break;
    }
    return m_shown;
}

QIcon windowIcon()
{
    // Drawn for each size a title bar or task bar shows; the desktop's menus take the program's
    // icon from the icon theme.
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addFile(QStringLiteral(":/icons/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace Pictures
