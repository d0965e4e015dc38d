// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "picturedata.h"

#include <QPainter>

namespace Pictures {

QImage load(Control owner)
{
    const QString name = controlName(owner);
    QImage picture = PictureData::builtIn(name);
    // The pictures are built into the program, so a missing one is a broken build.
    if (picture.isNull())
        qFatal("The picture %s is missing from the program", qPrintable(name));
    return picture;
}

QImage load(Control owner, int scale)
{
    if (scale != 2 && scale != 3)
        return {};
    return QImage(QStringLiteral(":/pictures@%1x/%2.png").arg(scale).arg(controlName(owner)));
}

ScreenPicture::ScreenPicture(Control owner, QImage picture)
    : m_owner(owner)
    , m_picture(std::move(picture))
{ }

void ScreenPicture::draw(QPainter& painter, QPoint topLeft, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        const int scale = devicePixelRatio > 2 ? 3 : 2;
        if (m_sharpScale != scale) {
            m_sharp = load(m_owner, scale);
            m_sharpScale = scale;
        }
        if (!m_sharp.isNull()) {
            // Without smoothing: a fractional scale picks pixels, so no new colours appear.
            painter.drawImage(QRect(topLeft, m_picture.size()), m_sharp);
            return;
        }
    }
    painter.drawImage(topLeft, m_picture);
}

QIcon windowIcon()
{
    // The 32 x 32 picture alone: the window system scales it where it needs other sizes, and the
    // desktop's menus take the program's icon from the icon theme.
    return QIcon(QStringLiteral(":/icons/icon.png"));
}

} // namespace Pictures
