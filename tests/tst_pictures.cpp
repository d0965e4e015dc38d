// SPDX-License-Identifier: MIT
#include "picturedata.h"

#include <QImage>
#include <QResource>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

enum class Ground { Black, SkyBlue, PaleBlue, Yellow, Orange };

bool looksLike(QRgb colour, Ground ground)
{
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    switch (ground) {
    case Ground::Black:
        return (colour & 0xffffff) == 0;
    case Ground::SkyBlue:
    case Ground::PaleBlue:
        return b > 180 && b > r + 30 && b >= g;
    case Ground::Yellow:
        return r > 200 && g > 150 && b < g - 10;
    case Ground::Orange:
        return r > 200 && g > 100 && g < 200 && b < 110;
    }
    return false;
}

QImage picture(const QString& name)
{
    return PictureData::builtIn(name);
}

QHash<QRgb, int> histogram(const QImage& image)
{
    QHash<QRgb, int> counts;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xff000000];
    }
    return counts;
}

// A picture as seen at a glance: laid over a 24 x 24 grid (stretched to fit), each cell's share of
// ink (any colour but the picture's ground) and its brightness, the latter measured in standard
// deviations from the picture's mean brightness.
struct Glance
{
    static constexpr int cells = 24;
    QList<double> ink = QList<double>(qsizetype(cells) * cells);
    QList<double> brightness = QList<double>(qsizetype(cells) * cells);
};

Glance glanceAt(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const QHash<QRgb, int> counts = histogram(rgb);
    const QRgb ground = std::max_element(counts.begin(), counts.end()).key();
    Glance glance;
    QList<int> pixels(qsizetype(Glance::cells) * Glance::cells);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const int cell =
                y * Glance::cells / rgb.height() * Glance::cells + x * Glance::cells / rgb.width();
            const QRgb pixel = rgb.pixel(x, y);
            ++pixels[cell];
            glance.ink[cell] += pixel != ground;
            glance.brightness[cell] += qGray(pixel);
        }
    }
    double mean = 0;
    for (int cell = 0; cell < pixels.size(); ++cell) {
        glance.ink[cell] /= pixels[cell];
        glance.brightness[cell] /= pixels[cell];
        mean += glance.brightness[cell] / double(pixels.size());
    }
    double variance = 0;
    for (double b : std::as_const(glance.brightness))
        variance += (b - mean) * (b - mean) / double(pixels.size());
    for (double& b : glance.brightness)
        b = (b - mean) / std::max(std::sqrt(variance), 1.0);
    return glance;
}

} // namespace

Q_DECLARE_METATYPE(Ground)

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachPicture_data();
    void eachPicture();
    void noTwoDayPicturesAlike();
    void pairsToldApartAtAGlance_data();
    void pairsToldApartAtAGlance();
    void windowIcon();
};

// Size, colours used and the colour that covers most of each picture.
void TestPictures::eachPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("maxColours");
    QTest::addColumn<Ground>("ground");

    auto row = [](const char* name, int w, int h, int colours, Ground ground) {
        QTest::newRow(name) << QString::fromLatin1(name) << QSize(w, h) << colours << ground;
    };
    row("Santa1", 173, 153, 5, Ground::Black);
    row("Santa2", 175, 151, 5, Ground::Black);
    row("Santa3", 191, 153, 6, Ground::Black);
    row("Santa4", 194, 223, 5, Ground::Black);
    row("Santa5", 204, 223, 7, Ground::Black);
    row("Santa6", 445, 291, 3, Ground::SkyBlue);
    row("Santa7", 478, 291, 3, Ground::Yellow);
    row("Santa8", 478, 291, 3, Ground::Yellow);
    row("Santa9", 383, 291, 3, Ground::Yellow);
    row("Santa10", 242, 239, 6, Ground::Black);
    row("Santa11", 172, 234, 16, Ground::Black);
    row("Santa12", 185, 237, 17, Ground::Black);
    row("Santa13", 262, 233, 2, Ground::Black);
    row("Santa14", 181, 229, 2, Ground::Black);
    row("Santa15", 203, 239, 11, Ground::Black);
    row("Santa16", 320, 240, 2, Ground::Yellow);
    row("Santa17", 320, 239, 3, Ground::Yellow);
    row("Santa18", 320, 240, 4, Ground::Black);
    row("Santa19", 214, 240, 2, Ground::Black);
    row("Santa20", 216, 223, 18, Ground::Black);
    row("Santa21", 150, 238, 19, Ground::Black);
    row("Santa22", 308, 237, 5, Ground::Black);
    row("Santa23", 156, 240, 5, Ground::Black);
    row("NightBefore", 305, 321, 3, Ground::PaleBlue);
    row("XmassDay", 458, 291, 3, Ground::Orange);
    row("SantaNotDec", 224, 239, 5, Ground::Black);
    row("LogoKestrel", 215, 161, 71, Ground::Black);
    row("Image1", 31, 31, 41, Ground::Black);
}

void TestPictures::eachPicture()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, maxColours);
    QFETCH(Ground, ground);

    const QImage image = picture(name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
    // Held as drawn: an 8-bit palette, a quarter of the memory of a 32-bit image, shown straight
    // from the program's data without a copy.
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    const QResource data(QStringLiteral(":/pictures/%1.pix").arg(name));
    QVERIFY(data.data() && image.constBits() > data.data()
        && image.constBits() < data.data() + data.size());
    QVERIFY(!image.hasAlphaChannel());

    const QHash<QRgb, int> counts = histogram(image);
    QVERIFY2(
        counts.size() <= maxColours, qPrintable(QStringLiteral("%1 colours").arg(counts.size())));
    QVERIFY(counts.size() >= 2);
    // The renditions for scaled screens: the same drawing at two and three times the size, in the
    // same colours.
    for (int scale : {2, 3}) {
        const QImage sharp(QStringLiteral(":/pictures@%1x/%2.png").arg(scale).arg(name));
        QCOMPARE(sharp.size(), size * scale);
        const QHash<QRgb, int> sharpCounts = histogram(sharp);
        for (const auto& [colour, count] : sharpCounts.asKeyValueRange())
            QVERIFY2(counts.contains(colour),
                qPrintable(QStringLiteral("%1x: #%2")
                               .arg(scale)
                               .arg(colour & 0xffffff, 6, 16, QLatin1Char('0'))));
    }

    const auto dominant = std::max_element(counts.begin(), counts.end());
    QVERIFY2(looksLike(dominant.key(), ground),
        qPrintable(QStringLiteral("dominant #%1")
                       .arg(dominant.key() & 0xffffff, 6, 16, QLatin1Char('0'))));
}

void TestPictures::noTwoDayPicturesAlike()
{
    QStringList names;
    for (int n = 1; n <= 23; ++n)
        names << QStringLiteral("Santa%1").arg(n);
    names += {"NightBefore", "XmassDay", "SantaNotDec"};
    QSet<QByteArray> seen;
    for (const QString& name : names) {
        const QImage image = picture(name).convertToFormat(QImage::Format_RGB32);
        const QByteArray pixels(
            reinterpret_cast<const char*>(image.constBits()), qsizetype(image.sizeInBytes()));
        QVERIFY2(!seen.contains(pixels), qPrintable(name));
        seen.insert(pixels);
    }
    // The two that share a place must differ most of all.
    const QImage santa7 = picture(QStringLiteral("Santa7")).convertToFormat(QImage::Format_RGB32);
    const QImage santa8 = picture(QStringLiteral("Santa8")).convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < santa7.height(); ++y)
        for (int x = 0; x < santa7.width(); ++x)
            differing += santa7.pixel(x, y) != santa8.pixel(x, y);
    QVERIFY(differing > santa7.width() * santa7.height() / 2);
}

// Pictures that once shared one face or one composition. Their light and dark must not fall in
// the same places, and their subjects must differ on most of the cells that hold either of them.
void TestPictures::pairsToldApartAtAGlance_data()
{
    // clang-format off
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("two laughing heads") << "Santa1" << "Santa3";
    QTest::newRow("heads in a disc, on consecutive days") << "Santa3" << "Santa4";
    QTest::newRow("Santa with a sack, twice") << "Santa13" << "Santa14";
    QTest::newRow("a sack on the back, walking") << "Santa11" << "Santa21";
    QTest::newRow("two engraved Santas") << "Santa7" << "Santa16";
    QTest::newRow("at work, and asleep, on golden ground") << "Santa7" << "XmassDay";
    QTest::newRow("Santas on pale yellow: the book and the toy") << "Santa8" << "Santa9";
    QTest::newRow("Santas on pale yellow: the toy and the telephone")
        << "Santa9" << "Santa16";
    QTest::newRow("Santas on pale yellow: the book and the telephone")
        << "Santa8" << "Santa16";
    // clang-format on
}

void TestPictures::pairsToldApartAtAGlance()
{
    QFETCH(QString, first);
    QFETCH(QString, second);

    const Glance a = glanceAt(picture(first));
    const Glance b = glanceAt(picture(second));
    double correlation = 0;
    int subject = 0, differing = 0;
    for (int cell = 0; cell < a.ink.size(); ++cell) {
        correlation += a.brightness[cell] * b.brightness[cell] / double(a.ink.size());
        if (a.ink[cell] > 0.05 || b.ink[cell] > 0.05) {
            ++subject;
            differing += std::abs(a.ink[cell] - b.ink[cell]) > 0.2;
        }
    }
    QVERIFY2(correlation < 0.6, qPrintable(QString::number(correlation)));
    QVERIFY2(differing * 2 > subject,
        qPrintable(QStringLiteral("%1 of %2").arg(differing).arg(subject)));
}

// At every size a face on a transparent ground: the corners are see-through, every pixel is
// either see-through or solid, and the 32-px icon keeps to 16 colours.
void TestPictures::windowIcon()
{
    for (int size : {16, 24, 32}) {
        const QImage icon = QImage(QStringLiteral(":/icons/icon-%1.png").arg(size))
                                .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(size, size));
        for (const QPoint& corner :
            {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            QCOMPARE(qAlpha(icon.pixel(corner)), 0);
        int solid = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const int alpha = qAlpha(icon.pixel(x, y));
                QVERIFY(alpha == 0 || alpha == 255);
                solid += alpha == 255;
            }
        QVERIFY(solid > size * size / 3);
        if (size == 32)
            QVERIFY(histogram(icon).size() <= 16);
    }
}

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
