// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// The pictures are built into the program as raw palette bitmaps: a small header, the colour
// table, then the pixel rows. The program shows them straight from its own read-only data, with
// nothing to decode and nothing to copy.
namespace PictureData {

// The built-in picture of that name, sharing the program's data; a null image if there is none.
QImage builtIn(const QString& name);

// A picture read from the raw format; the image refers to the given bytes, which must outlive it.
QImage fromRaw(const uchar* data, qsizetype size);

// The raw format of a palette image.
QByteArray toRaw(const QImage& indexed);

} // namespace PictureData
