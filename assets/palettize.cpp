// SPDX-License-Identifier: MIT
// Build-time tool: turns a rendered picture into a palette image holding exactly its colours, so
// the program can keep every picture in a quarter of the memory of a 32-bit image. OUT.pix is the
// program's own raw format; any other name is written in the format its suffix names (.png), and
// a picture rendered smooth, with more than 256 colours, as plain RGB.
//   palettize IN.png OUT
#include "picturedata.h"

#include <QFile>
#include <QHash>
#include <QImage>

#include <cstdio>

namespace {

int writeWithoutPalette(const QImage& rendered, const char* input, const char* output)
{
    const QString name = QString::fromLocal8Bit(output);
    if (name.endsWith(QLatin1String(".pix"))) {
        std::fprintf(stderr, "palettize: %s has more than 256 colours\n", input);
        return 1;
    }
    if (!rendered.convertToFormat(QImage::Format_RGB32).save(name)) {
        std::fprintf(stderr, "palettize: cannot write %s\n", output);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: palettize IN.png OUT\n");
        return 2;
    }
    const QImage rendered =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    if (rendered.isNull()) {
        std::fprintf(stderr, "palettize: cannot read %s\n", argv[1]);
        return 1;
    }

    QHash<QRgb, int> index;
    QList<QRgb> colours;
    QImage indexed(rendered.size(), QImage::Format_Indexed8);
    for (int y = 0; y < rendered.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rendered.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rendered.width(); ++x) {
            if (qAlpha(in[x]) != 255) {
                std::fprintf(
                    stderr, "palettize: %s has a see-through pixel at %d,%d\n", argv[1], x, y);
                return 1;
            }
            int entry = index.value(in[x], -1);
            if (entry < 0) {
                if (colours.size() == 256)
                    return writeWithoutPalette(rendered, argv[1], argv[2]);
                entry = int(colours.size());
                index.insert(in[x], entry);
                colours << in[x];
            }
            out[x] = uchar(entry);
        }
    }
    indexed.setColorTable(colours);
    const QString output = QString::fromLocal8Bit(argv[2]);
    bool written = false;
    if (output.endsWith(QLatin1String(".pix"))) {
        QFile file(output);
        written = file.open(QIODevice::WriteOnly) && file.write(PictureData::toRaw(indexed)) >= 0
            && file.flush();
    } else {
        written = indexed.save(output);
    }
    if (!written) {
        std::fprintf(stderr, "palettize: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
