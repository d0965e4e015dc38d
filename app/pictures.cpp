// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "layout.h"

#include <QColor>

namespace Pictures {

QImage load(Control owner)
{
    QImage picture(QStringLiteral(":/pictures/%1.png").arg(controlName(owner)));
    if (!picture.isNull())
        return picture;
    // Until a picture is drawn, its box shows a plain stand-in of the picture's exact size.
    const QSize size = owner == Control::Image1 ? Layout::image1Geometry.size()
                                                : Layout::pictureBox(owner).pictureSize;
    QImage standIn(size, QImage::Format_Indexed8);
    standIn.setColorTable({QColor(40, 40, 40).rgb()});
    standIn.fill(0);
    return standIn;
}

QIcon windowIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/icon.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/icon-scalable.svg"));
    return icon;
}

} // namespace Pictures
