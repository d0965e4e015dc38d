// SPDX-License-Identifier: MIT
#include "picturedata.h"

#include <QResource>

#include <cstring>

namespace PictureData {
namespace {

constexpr char magic[4] = {'S', 'C', 'D', 'P'};

// Header: magic, width, height, colours, bytes per line; all numbers 16-bit little-endian.
constexpr qsizetype headerSize = 12;

quint16 readNumber(const uchar* at)
{
    return quint16(at[0] | (at[1] << 8));
}

void appendNumber(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

} // namespace

QImage fromRaw(const uchar* data, qsizetype size)
{
    if (!data || size < headerSize || std::memcmp(data, magic, sizeof magic) != 0)
        return {};
    const int width = readNumber(data + 4);
    const int height = readNumber(data + 6);
    const int colours = readNumber(data + 8);
    const int bytesPerLine = readNumber(data + 10);
    const qsizetype pixelsAt = headerSize + qsizetype(colours) * 4;
    if (colours > 256 || bytesPerLine < width || size < pixelsAt + qsizetype(bytesPerLine) * height)
        return {};

    QList<QRgb> table(colours);
    for (int i = 0; i < colours; ++i) {
        const uchar* entry = data + headerSize + qsizetype(i) * 4;
        table[i] = QRgb(entry[0] | (entry[1] << 8) | (entry[2] << 16) | (quint32(entry[3]) << 24));
    }
    QImage image(data + pixelsAt, width, height, bytesPerLine, QImage::Format_Indexed8);
    image.setColorTable(table);
    return image;
}

QImage builtIn(const QString& name)
{
    const QResource resource(QStringLiteral(":/pictures/%1.pix").arg(name));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return fromRaw(resource.data(), resource.size());
}

QByteArray toRaw(const QImage& indexed)
{
    Q_ASSERT(indexed.format() == QImage::Format_Indexed8);
    const int bytesPerLine = (indexed.width() + 3) & ~3;
    QByteArray out(magic, sizeof magic);
    appendNumber(out, quint32(indexed.width()), 2);
    appendNumber(out, quint32(indexed.height()), 2);
    appendNumber(out, quint32(indexed.colorCount()), 2);
    appendNumber(out, quint32(bytesPerLine), 2);
    for (QRgb colour : indexed.colorTable())
        appendNumber(out, colour, 4);
    for (int y = 0; y < indexed.height(); ++y) {
        QByteArray line(reinterpret_cast<const char*>(indexed.constScanLine(y)), indexed.width());
        line.resize(bytesPerLine, '\0');
        out.append(line);
    }
    return out;
}

} // namespace PictureData
