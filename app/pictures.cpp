// SPDX-License-Identifier: MIT
#include "pictures.h"

namespace Pictures {

QImage load(Control owner)
{
    const QString name = controlName(owner);
    QImage picture(QStringLiteral(":/pictures/%1.bmp").arg(name));
    // The pictures are built into the program, so a missing one is a broken build.
    if (picture.isNull())
        qFatal("The picture %s is missing from the program", qPrintable(name));
    return picture;
}

QIcon windowIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/icon.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/icon-256.png"), QSize(256, 256));
    return icon;
}

} // namespace Pictures
