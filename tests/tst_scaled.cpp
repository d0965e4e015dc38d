// SPDX-License-Identifier: MIT
// The window on a scaled screen (the scale comes from SCD_TEST_SCALE): at a whole scale every
// picture is its crisp rendition for that scale, as sharp as the text, not pixel-doubled; at a
// fractional one it is drawn smooth, each screen row and column carrying the ink of the picture's
// rows and columns it covers, as a point-sampled copy cannot; and every framed box shows its
// frame on all four sides.
#include "datekeeper.h"
#include "fakesystemdate.h"
#include "form1.h"
#include "picturebox.h"
#include "pictures.h"
#include "scriptedclock.h"

#include <QApplication>
#include <QTest>

#include <cmath>

namespace {

qreal testScale()
{
    return qEnvironmentVariable("SCD_TEST_SCALE", QStringLiteral("2")).toDouble();
}

bool isWhole(qreal scale)
{
    return scale == std::round(scale);
}

// How far, on average, the mean brightness of each row (or column) of the shown picture is from
// that of the drawing's rows (columns) that it covers, weighted by how much it covers them: a
// line of one weight drawn one, two or three pixels wide shows here.
double profileError(const QImage& shown, const QImage& drawing, bool rows)
{
    const auto mean = [rows](const QImage& image, int line) {
        const int across = rows ? image.width() : image.height();
        double sum = 0;
        for (int i = 0; i < across; ++i)
            sum += qGray(rows ? image.pixel(i, line) : image.pixel(line, i));
        return sum / across;
    };
    const int shownLines = rows ? shown.height() : shown.width();
    const int lines = rows ? drawing.height() : drawing.width();
    QList<double> own(lines);
    for (int line = 0; line < lines; ++line)
        own[line] = mean(drawing, line);
    double error = 0;
    const double step = double(lines) / shownLines;
    for (int line = 0; line < shownLines; ++line) {
        const double from = line * step, to = (line + 1) * step;
        double covered = 0;
        for (int fine = int(from); fine < lines && fine < to; ++fine)
            covered += own[fine] * (std::min(to, fine + 1.0) - std::max(from, double(fine)));
        error += std::abs(mean(shown, line) - covered / step);
    }
    return error / shownLines;
}

} // namespace

class TestScaled : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pictures_data();
    void pictures();
    void framesShowAllFourSides();

private:
    ScriptedClock m_clock;
    FakeSystemDate m_systemDate;
    std::unique_ptr<DateKeeper> m_keeper;
    std::unique_ptr<Form1> m_form;
};

void TestScaled::init()
{
    m_clock.hold(makeDateValue(2024, 12, 1, 12, 0, 0));
    m_keeper = std::make_unique<DateKeeper>(m_systemDate);
    m_form = std::make_unique<Form1>(m_clock, *m_keeper);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(m_form->devicePixelRatioF(), testScale());
}

void TestScaled::cleanup()
{
    m_form.reset();
    m_keeper.reset();
}

void TestScaled::pictures_data()
{
    QTest::addColumn<Control>("control");
    QTest::newRow("a cartoon") << Control::Santa1;
    QTest::newRow("an engraving with diagonals") << Control::Santa8;
    QTest::newRow("an engraving with a hatched sky") << Control::Santa17;
    QTest::newRow("the logo") << Control::LogoKestrel;
    QTest::newRow("Christmas Eve, its rings") << Control::NightBefore;
}

void TestScaled::pictures()
{
    QFETCH(Control, control);
    const qreal scale = testScale();
    auto* box = qobject_cast<PictureBox*>(m_form->control(control));
    box->show();
    const QImage grabbed = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = box->picture().convertToFormat(QImage::Format_RGB32);
    // The picture in the middle of its box, at its size on the screen.
    const QSize size(qRound(picture.width() * scale), qRound(picture.height() * scale));
    const QSize room = grabbed.size() - size;
    QImage shown = grabbed.copy(QRect(QPoint(room.width() / 2, room.height() / 2), size));
    shown.setDevicePixelRatio(1); // compared pixel for pixel

    if (isWhole(scale)) {
        const QImage sharp = Pictures::load(control, scale).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(sharp.size(), picture.size() * int(scale));
        QCOMPARE(shown.copy(QRect(QPoint(0, 0), sharp.size())), sharp);
        // Not the small picture made larger: the edges are drawn anew at the finer pixels.
        const QImage doubled =
            picture.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        int differing = 0;
        for (int y = 0; y < sharp.height(); ++y)
            for (int x = 0; x < sharp.width(); ++x)
                differing += sharp.pixel(x, y) != doubled.pixel(x, y);
        QVERIFY2(differing > sharp.width() * sharp.height() / 200,
            qPrintable(QString::number(differing)));
        return;
    }

    // A point-sampled copy of the crisp rendition at twice the size, as such a screen once got.
    const QImage sampled = Pictures::load(control, 2)
                               .convertToFormat(QImage::Format_RGB32)
                               .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // The drawing itself, as near as the finest crisp rendition comes to it.
    const QImage drawing = Pictures::load(control, 3).convertToFormat(QImage::Format_RGB32);
    for (bool rows : {true, false}) {
        const double drawn = profileError(shown, drawing, rows);
        const double pointSampled = profileError(sampled, drawing, rows);
        QVERIFY2(drawn < 0.5 * pointSampled,
            qPrintable(QStringLiteral("%1: %2 against %3 point-sampled")
                           .arg(rows ? QLatin1String("rows") : QLatin1String("columns"))
                           .arg(drawn)
                           .arg(pointSampled)));
    }
    // Drawn from the smooth rendition made for this scale, as it is.
    QCOMPARE(shown, Pictures::load(control, scale).convertToFormat(QImage::Format_RGB32));
}

// Each side of every framed box, somewhere in its two outermost lines of screen pixels, is the
// frame's colour along nearly all its length.
void TestScaled::framesShowAllFourSides()
{
    for (PictureBox* box : m_form->findChildren<PictureBox*>()) {
        if (!box->bordered())
            continue;
        box->show();
        const QImage shot = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb frame = PictureBox::borderColour().rgb();
        const auto shareOfFrame = [&](bool vertical, int at) {
            const int length = vertical ? shot.height() : shot.width();
            int count = 0;
            for (int i = 0; i < length; ++i)
                count += (vertical ? shot.pixel(at, i) : shot.pixel(i, at)) == frame;
            return double(count) / length;
        };
        const QList<std::pair<bool, QList<int>>> sides = {{true, {0, 1}},
            {true, {shot.width() - 1, shot.width() - 2}}, {false, {0, 1}},
            {false, {shot.height() - 1, shot.height() - 2}}};
        for (const auto& [vertical, lines] : sides) {
            double best = 0;
            for (int line : lines)
                best = std::max(best, shareOfFrame(vertical, line));
            QVERIFY2(
                best > 0.95, qPrintable(QStringLiteral("%1: %2").arg(box->objectName()).arg(best)));
        }
        box->hide();
    }
}

int main(int argc, char* argv[])
{
    const QByteArray scale = qgetenv("SCD_TEST_SCALE");
    qputenv("QT_SCALE_FACTOR", scale.isEmpty() ? QByteArray("2") : scale);
    QApplication app(argc, argv);
    TestScaled test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaled.moc"
