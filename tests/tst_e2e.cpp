// SPDX-License-Identifier: MIT
// The real program on a virtual display, watched and clicked from outside like a person would.
// It always runs without the right to set the clock and with no system bus, so the kernel and the
// clock service both refuse and the December preview happens in the window only; the present
// moment it reads is faked for that one process, never set.
#include "picturedata.h"
#include "programsession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// Where each day picture shows, inside its border where it has one.
QPoint pictureOrigin(const QString& name)
{
    static const QHash<QString, QPoint> origins = {
        {"Santa1", {201, 141}},
        {"Santa7", {10, 13}},
        {"Santa8", {10, 13}},
        {"Santa9", {52, 16}},
        {"Santa16", {99, 27}},
        {"NightBefore", {112, 7}},
        {"XmassDay", {25, 10}},
        {"SantaNotDec", {174, 18}},
        {"LogoKestrel", {232, 199}},
    };
    return origins.value(name);
}

// The colours of two images, pixel for pixel (screenshots and pictures may differ in the unused
// alpha byte, which QImage's own comparison counts).
bool samePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) ^ b.pixel(x, y)) & 0xffffff)
                return false;
    return true;
}

// Whether the needle shows somewhere along one row of the shot, starting at y, between x0 and x1.
bool showsAlongRow(const QImage& shot, int y, int x0, int x1, const QImage& needle)
{
    for (int x = x0; x + needle.width() <= x1; ++x) {
        if (samePixels(shot.copy(QRect(QPoint(x, y), needle.size())), needle))
            return true;
    }
    return false;
}

// The message buses that libdbus started for a display (dbus-launch --autolaunch), as it does when
// a session bus is asked for and none runs.
int busesStartedFor(const QString& display)
{
    int found = 0;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile command(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!command.open(QIODevice::ReadOnly) || !command.readAll().startsWith("dbus-launch"))
            continue;
        QFile environment(QStringLiteral("/proc/%1/environ").arg(pid));
        if (environment.open(QIODevice::ReadOnly)
            && environment.readAll().split('\0').contains("DISPLAY=" + display.toLatin1()))
            ++found;
    }
    return found;
}

QImage expectedPicture(const QString& name)
{
    QFile file(QStringLiteral(SCD_PICTURES_DIR "/%1.pix").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray raw = file.readAll();
    return PictureData::fromRaw(reinterpret_cast<const uchar*>(raw.constData()), raw.size())
        .convertToFormat(QImage::Format_RGB32);
}

bool showsPicture(const QImage& shot, const QString& name)
{
    const QImage picture = expectedPicture(name);
    return !picture.isNull()
        && samePixels(shot.copy(QRect(pictureOrigin(name), picture.size())), picture);
}

// A caption as the window draws it: bold 13 px text on black, from the top-left of its label.
QImage renderedCaption(const QString& text, QColor colour, int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text), metrics.height(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(0, metrics.ascent()), text);
    return image;
}

int countPixels(const QImage& shot, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += shot.pixel(x, y) == colour;
    return count;
}

void saveArtifact(const QImage& shot, const QString& name)
{
    QDir().mkpath(QStringLiteral(SCD_ARTIFACTS_DIR));
    shot.save(QStringLiteral(SCD_ARTIFACTS_DIR "/%1.png").arg(name));
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void commandLine_data();
    void commandLine();
    void firstTick();
    void pictureOfTheDay_data();
    void pictureOfTheDay();
    void previewThenExit();
};

void TestEndToEnd::initTestCase()
{
    // Rather than start the real program with the right to set the clock, or without what looks
    // at it, nothing runs.
    SCD_SKIP_WITH_REASON(ProgramSession::cannotRun());
}

// The command line is answered without any display; with no display, the program says it needs
// one.
void TestEndToEnd::commandLine_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errors");

    const QString c = QStringLiteral("C.UTF-8");
    QTest::newRow("--help") << QStringList{"--help"} << c << 0 << "Usage: santa-count-down [options]"
                            << "";
    QTest::newRow("--version") << QStringList{"--version"} << c << 0
                               << "santa-count-down " SCD_VERSION "\n"
                               << "";
    QTest::newRow("Qt's own options pass")
        << QStringList{"-platform", "offscreen", "-v"} << c << 0
        << "santa-count-down " SCD_VERSION "\n"
        << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << c << 2 << ""
                                    << "Unknown option 'frobnicate'.";
    QTest::newRow("stray argument") << QStringList{"tomorrow"} << c << 2 << ""
                                    << "unexpected argument 'tomorrow'";
    QTest::newRow("no display") << QStringList{} << c << 1 << ""
                                << "needs a graphical display to show its window, and no "
                                   "graphical display is set";
    QTest::newRow("a display plugin that does not exist")
        << QStringList{"-platform", "nosuch"} << c << 1 << ""
        << "cannot show its window: Could not find the Qt platform plugin \"nosuch\"";

    // In the person's language: the program's texts and Qt's.
    QTest::newRow("--help in German")
        << QStringList{"--help"} << "de_DE.UTF-8" << 0
        << "Aufruf: santa-count-down [Optionen]\nZählt bis Weihnachten herunter:" << "";
    QTest::newRow("unknown option in French")
        << QStringList{"--frobnicate"} << "fr_FR.UTF-8" << 2 << ""
        << "Option inconnue \"frobnicate\".\nEssayez « santa-count-down --help ».";
    QTest::newRow("no display in Spanish")
        << QStringList{} << "es_ES.UTF-8" << 1 << ""
        << "necesita una pantalla gráfica para mostrar su ventana, pero no hay ninguna pantalla "
           "gráfica definida";
    QTest::newRow("no display in Austrian German, told in German")
        << QStringList{} << "de_AT.UTF-8" << 1 << "" << "benötigt eine grafische Anzeige";
    QTest::newRow("no display in a language without a translation, in English")
        << QStringList{} << "pt_BR.UTF-8" << 1 << "" << "needs a graphical display";
    // clang-format on
}

void TestEndToEnd::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, errors);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
        {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(variable));
    env.insert(QStringLiteral("LANG"), language);
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
        QStringLiteral("unix:path=/nonexistent/santa-count-down/system_bus_socket"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    QProcess program;
    program.setProcessEnvironment(env);
    ProgramSession::startWithoutClockRight(program, arguments);
    QVERIFY(program.waitForFinished(60000));
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == status, qPrintable(out + err));
    QVERIFY2(output.isEmpty() ? out.isEmpty() : out.startsWith(output), qPrintable(out));
    QVERIFY2(errors.isEmpty() ? err.isEmpty() : err.contains(errors), qPrintable(err));
}

// After the first tick: the window's size, black ground, the yellow totals and blue lines in
// their places, and exactly one picture.
void TestEndToEnd::firstTick()
{
    ProgramSession session(ProgramSession::at(QStringLiteral("2024-12-01 12:00:00")));
    QVERIFY(session.waitForWindow());
    constexpr QRgb yellow = qRgb(255, 255, 0), blue = qRgb(0, 0, 255);
    const auto totalsShown = [](const QImage& shot) {
        for (int top : {180, 240, 300, 360}) {
            if (countPixels(shot, QRect(510, top, 151, 24), yellow) <= 30)
                return false;
        }
        return true;
    };
    QImage shot;
    QTRY_VERIFY_WITH_TIMEOUT(totalsShown(shot = session.screenshot()), 10000);
    saveArtifact(shot, QStringLiteral("first-tick"));

    QCOMPARE(shot.size(), QSize(682, 570));
    for (const QPoint& p : {QPoint(5, 5), QPoint(680, 568), QPoint(495, 300), QPoint(5, 560)})
        QCOMPARE(shot.pixel(p), qRgb(0, 0, 0));
    QVERIFY(countPixels(shot, QRect(250, 450, 250, 16), blue) > 100);
    QVERIFY(countPixels(shot, QRect(250, 480, 150, 16), blue) > 50);
    QCOMPARE(countPixels(shot, QRect(0, 0, 682, 570), yellow),
        countPixels(shot, QRect(510, 180, 151, 200), yellow));
    QVERIFY(showsPicture(shot, QStringLiteral("Santa1")));
    const QImage dateLine = renderedCaption(
        QStringLiteral("Today is, Sunday December 01, 2024"), QColor(0, 0, 255), 13);
    QVERIFY(samePixels(shot.copy(QRect(QPoint(250, 450), dateLine.size())), dateLine));

    // Exactly one picture area is lit: left of the totals, nothing outside Santa1's box.
    const QRect santa1Box(200, 140, 175, 155);
    for (int y = 0; y < 440; ++y)
        for (int x = 0; x < 500; ++x)
            if (!santa1Box.contains(x, y) && shot.pixel(x, y) != qRgb(0, 0, 0))
                QFAIL(qPrintable(
                    QStringLiteral("lit pixel outside the picture at %1,%2").arg(x).arg(y)));

    // With no session bus, none was started for the display (it would outlive the program).
    QCOMPARE(busesStartedFor(session.display()), 0);
}

void TestEndToEnd::pictureOfTheDay_data()
{
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QString>("picture");

    QTest::newRow("1 December") << "2025-12-01 08:00:00"
                                << "Santa1";
    QTest::newRow("7 December") << "2025-12-07 08:00:00"
                                << "Santa7";
    QTest::newRow("8 December") << "2025-12-08 08:00:00"
                                << "Santa8";
    QTest::newRow("16 December") << "2025-12-16 23:59:50"
                                 << "Santa16";
    QTest::newRow("24 December") << "2025-12-24 18:00:00"
                                 << "NightBefore";
    QTest::newRow("25 December") << "2025-12-25 00:00:10"
                                 << "XmassDay";
    QTest::newRow("26 December") << "2025-12-26 08:00:00"
                                 << "SantaNotDec";
    QTest::newRow("July") << "2025-07-14 08:00:00"
                          << "SantaNotDec";
}

void TestEndToEnd::pictureOfTheDay()
{
    QFETCH(QString, moment);
    QFETCH(QString, picture);

    ProgramSession session(ProgramSession::at(moment));
    QVERIFY(session.waitForWindow());
    QTRY_VERIFY_WITH_TIMEOUT(showsPicture(session.screenshot(), picture), 5000);
}

// "Days" steps through December 1992 in the window (the computer's clock is out of reach), the
// refusal is told once, 26 clicks come back to the present, and EXIT shows the farewell screen
// and ends the program with status 0 three seconds later.
void TestEndToEnd::previewThenExit()
{
    ProgramSession session(ProgramSession::at(QStringLiteral("2024-12-09 10:00:00")));
    QVERIFY(session.waitForWindow());
    QTRY_VERIFY_WITH_TIMEOUT(showsPicture(session.screenshot(), QStringLiteral("Santa9")), 5000);

    const QPoint days(645, 396);
    session.click(days);
    QTRY_COMPARE_WITH_TIMEOUT(session.notices().size(), 1, 5000);
    session.dismiss(session.notices().constFirst());
    QTRY_VERIFY_WITH_TIMEOUT(session.notices().isEmpty(), 5000);

    const QImage dateLine = renderedCaption(
        QStringLiteral("Today is, Tuesday December 01, 1992"), QColor(0, 0, 255), 13);
    QTRY_VERIFY_WITH_TIMEOUT(
        samePixels(session.screenshot().copy(QRect(QPoint(250, 450), dateLine.size())), dateLine),
        5000);
    QImage shot = session.screenshot();
    saveArtifact(shot, QStringLiteral("preview-1-december-1992"));
    QVERIFY(showsPicture(shot, QStringLiteral("Santa1")));
    // 24 days less ten hours and a little: 23.58 days left.
    const QImage daysLeft = renderedCaption(QStringLiteral("23.58"), QColor(255, 255, 0), 20);
    QVERIFY(showsAlongRow(shot, 360, 510, 661, daysLeft));

    for (int click = 2; click <= 26; ++click)
        session.click(days);
    const QImage present = renderedCaption(
        QStringLiteral("Today is, Monday December 09, 2024"), QColor(0, 0, 255), 13);
    QTRY_VERIFY_WITH_TIMEOUT(
        samePixels(session.screenshot().copy(QRect(QPoint(250, 450), present.size())), present),
        5000);
    QVERIFY(showsPicture(session.screenshot(), QStringLiteral("Santa9")));
    QVERIFY(session.notices().isEmpty()); // told once only

    QElapsedTimer sinceExit;
    session.click(QPoint(575, 465));
    sinceExit.start();
    // The farewell screen: the countdown gone, Santa16 shown.
    const auto farewellShown = [](const QImage& screen) {
        return countPixels(screen, QRect(500, 0, 182, 570), qRgb(0, 0, 0)) == 182 * 570
            && showsPicture(screen, QStringLiteral("Santa16"));
    };
    QTRY_VERIFY_WITH_TIMEOUT(farewellShown(shot = session.screenshot()), 4000);
    saveArtifact(shot, QStringLiteral("farewell"));
    // Santa16 covers the top-left 187 x 68 px of the logo, which hold only its black ground; the
    // whole mark shows beside and below it, star included.
    const QImage logo = expectedPicture(QStringLiteral("LogoKestrel"));
    const QRect covered(0, 0, 187, 68);
    QCOMPARE(countPixels(logo, covered, qRgb(0, 0, 0)), covered.width() * covered.height());
    const QPoint logoAt = pictureOrigin(QStringLiteral("LogoKestrel"));
    for (const QRect& seen : {QRect(0, 68, 215, 93), QRect(187, 0, 28, 68)})
        QVERIFY(samePixels(shot.copy(seen.translated(logoAt)), logo.copy(seen)));
    int gold = 0;
    for (int y = 68; y < 161; ++y)
        for (int x = 0; x < 215; ++x) {
            const QRgb pixel = shot.pixel(logoAt + QPoint(x, y));
            gold += qRed(pixel) > 200 && qGreen(pixel) > 150 && qBlue(pixel) < 100;
        }
    QVERIFY2(gold > 40, qPrintable(QString::number(gold))); // the star
    for (const QRect& empty : {QRect(500, 0, 182, 570), QRect(0, 370, 682, 200)})
        QCOMPARE(countPixels(shot, empty, qRgb(0, 0, 0)), empty.width() * empty.height());

    QVERIFY(session.program().waitForFinished(20000));
    const qint64 waited = sinceExit.elapsed();
    QCOMPARE(session.program().exitStatus(), QProcess::NormalExit);
    QCOMPARE(session.program().exitCode(), 0);
    // Three seconds on the farewell screen, with room for a slow end on a busy machine.
    QVERIFY2(waited >= 2900 && waited < 6000, qPrintable(QString::number(waited)));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
