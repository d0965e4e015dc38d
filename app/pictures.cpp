// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "picturedata.h"

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

QIcon windowIcon()
{
    // The 32 x 32 picture alone: the window system scales it where it needs other sizes, and the
    // desktop's menus take the program's icon from the icon theme.
    return QIcon(QStringLiteral(":/icons/icon.png"));
}

} // namespace Pictures
