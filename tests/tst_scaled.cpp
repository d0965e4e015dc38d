// SPDX-License-Identifier: MIT
// The window on a screen scaled twice, as on most laptops: every picture is drawn from its own
// rendition at twice the size, as sharp as the text, not pixel-doubled.
#include "datekeeper.h"
#include "fakesystemdate.h"
#include "form1.h"
#include "picturebox.h"
#include "pictures.h"
#include "scriptedclock.h"

#include <QApplication>
#include <QTest>

class TestScaled : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picturesAtTwiceTheSize_data();
    void picturesAtTwiceTheSize();
};

void TestScaled::picturesAtTwiceTheSize_data()
{
    QTest::addColumn<Control>("control");
    QTest::addColumn<QPoint>("pictureAt");
    QTest::newRow("a cartoon") << Control::Santa1 << QPoint(1, 1);
    QTest::newRow("an engraving") << Control::Santa16 << QPoint(0, 0);
    QTest::newRow("the logo") << Control::LogoKestrel << QPoint(1, 1);
    QTest::newRow("Christmas Eve") << Control::NightBefore << QPoint(1, 1);
}

void TestScaled::picturesAtTwiceTheSize()
{
    QFETCH(Control, control);
    QFETCH(QPoint, pictureAt);

    ScriptedClock clock;
    clock.hold(makeDateValue(2024, 12, 1, 12, 0, 0));
    FakeSystemDate systemDate;
    DateKeeper keeper(systemDate);
    Form1 form(clock, keeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatioF(), 2.0);
    QWidget* widget = form.control(control);
    widget->show();

    const QImage picture = Pictures::load(control).convertToFormat(QImage::Format_RGB32);
    const QImage sharp = Pictures::load(control, 2).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(sharp.size(), picture.size() * 2);
    QImage shown = widget->grab()
                       .toImage()
                       .convertToFormat(QImage::Format_RGB32)
                       .copy(QRect(pictureAt * 2, sharp.size()));
    shown.setDevicePixelRatio(1); // compared pixel for pixel
    QCOMPARE(shown, sharp);

    // Not the small picture made larger: the edges are drawn anew at the finer pixels.
    const QImage doubled
        = picture.scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int differing = 0;
    for (int y = 0; y < sharp.height(); ++y)
        for (int x = 0; x < sharp.width(); ++x)
            differing += sharp.pixel(x, y) != doubled.pixel(x, y);
    QVERIFY2(
        differing > sharp.width() * sharp.height() / 200, qPrintable(QString::number(differing)));
}

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestScaled test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaled.moc"
