// SPDX-License-Identifier: MIT
// The real program on a virtual display, watched and clicked from outside like a person would.
// It always runs without the right to set the clock and with no system bus, so the kernel and the
// clock service both refuse and the December preview happens in the window only; the present
// moment it reads is faked for that one process, never set.
#include "picturedata.h"

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

constexpr int capSysTime = 25;

bool holdsCapability(const char* field, int capability)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return true;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return (line.mid(qsizetype(qstrlen(field))).trimmed().toULongLong(nullptr, 16) >> capability) & 1;
    }
    return true;
}

// Where each day picture shows, inside its border where it has one.
const QHash<QString, QPoint> pictureOrigins = {
    {"Santa1", {201, 141}},     {"Santa7", {10, 13}},      {"Santa8", {10, 13}},
    {"Santa9", {52, 16}},       {"Santa16", {99, 27}},     {"NightBefore", {112, 7}},
    {"XmassDay", {25, 10}},     {"SantaNotDec", {174, 18}}, {"LogoKestrel", {232, 199}},
};

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
        && samePixels(shot.copy(QRect(pictureOrigins.value(name), picture.size())), picture);
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

QString run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// One virtual display and the program on it.
class Session
{
public:
    explicit Session(const QString& moment)
    {
        m_xvfb.start(QStringLiteral("Xvfb"),
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-br"),
                      QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!m_xvfb.waitForReadyRead(10000))
            return;
        m_display = QLatin1Char(':') + QString::fromLatin1(m_xvfb.readLine().trimmed());

        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("DISPLAY"), m_display);
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                     QStringLiteral("unix:path=/nonexistent/santa-count-down/system_bus_socket"));
        m_env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

        QProcessEnvironment programEnv = m_env;
        programEnv.insert(QStringLiteral("ASAN_OPTIONS"),
                          QStringLiteral("detect_leaks=0:verify_asan_link_order=0"));
        programEnv.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(SCD_LIBFAKETIME));
        programEnv.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + moment);
        programEnv.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        programEnv.insert(QStringLiteral("NO_FAKE_STAT"), QStringLiteral("1"));
        programEnv.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        m_program.setProcessEnvironment(programEnv);
        m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);

        // As root, the program is started without the right to set the clock; otherwise it never
        // had it (the test refuses to start it when that is not so).
        if (::geteuid() == 0) {
            m_program.start(QStringLiteral("setpriv"),
                            {QStringLiteral("--inh-caps"), QStringLiteral("-sys_time"),
                             QStringLiteral("--bounding-set"), QStringLiteral("-sys_time"),
                             QStringLiteral("--"), QStringLiteral(SCD_BINARY)});
        } else {
            m_program.start(QStringLiteral(SCD_BINARY), QStringList{});
        }
        m_started.start();
    }

    ~Session()
    {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished(5000);
        }
        m_xvfb.terminate();
        m_xvfb.waitForFinished(5000);
    }

    QProcess& program() { return m_program; }

    // The top-level windows of the program, as "id WxH".
    QStringList windows() const
    {
        const QString tree = run(QStringLiteral("xwininfo"),
                                 {QStringLiteral("-root"), QStringLiteral("-tree")}, m_env);
        static const QRegularExpression line(
            QStringLiteral(R"((0x[0-9a-f]+) "Santa Count Down": \("santa-count-down".*\)\s+(\d+x\d+)\+)"));
        QStringList found;
        for (auto match = line.globalMatch(tree); match.hasNext();) {
            const auto m = match.next();
            found << m.captured(1) + QLatin1Char(' ') + m.captured(2);
        }
        return found;
    }

    bool waitForWindow()
    {
        for (int i = 0; i < 200; ++i) {
            for (const QString& window : windows()) {
                if (window.endsWith(QLatin1String(" 682x570"))) {
                    m_window = window.section(QLatin1Char(' '), 0, 0);
                    return true;
                }
            }
            QTest::qWait(50);
        }
        return false;
    }

    QStringList notices() const
    {
        QStringList found;
        for (const QString& window : windows()) {
            if (window.section(QLatin1Char(' '), 0, 0) != m_window)
                found << window.section(QLatin1Char(' '), 0, 0);
        }
        return found;
    }

    QImage screenshot() const
    {
        QProcess shot;
        shot.setProcessEnvironment(m_env);
        shot.start(QStringLiteral("sh"),
                   {QStringLiteral("-c"),
                    QStringLiteral("xwd -silent -id %1 | /usr/bin/convert xwd:- png:-").arg(m_window)});
        shot.waitForFinished(10000);
        return QImage::fromData(shot.readAllStandardOutput(), "PNG")
            .convertToFormat(QImage::Format_RGB32);
    }

    void click(const QPoint& at) const
    {
        run(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("--window"), m_window,
             QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
             QStringLiteral("1")},
            m_env);
    }

    void dismiss(const QString& window) const
    {
        run(QStringLiteral("xdotool"),
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window,
             QStringLiteral("key"), QStringLiteral("Return")},
            m_env);
    }

    qint64 sinceStart() const { return m_started.elapsed(); }

private:
    QProcess m_xvfb;
    QProcess m_program;
    QTemporaryDir m_runtime;
    QProcessEnvironment m_env;
    QString m_display;
    QString m_window;
    QElapsedTimer m_started;
};

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
    void firstTick();
    void pictureOfTheDay_data();
    void pictureOfTheDay();
    void previewThenExit();
};

void TestEndToEnd::initTestCase()
{
    // Refuse outright rather than start the real program with the right to set the clock.
    if (::geteuid() != 0 && holdsCapability("CapEff:", capSysTime))
        QFAIL("This process may set the clock; refusing to start the real program.");
    if (::geteuid() == 0 && holdsCapability("CapBnd:", capSysTime)) {
        // setpriv removes the right from the program; check that it can.
        QProcess probe;
        probe.start(QStringLiteral("setpriv"),
                    {QStringLiteral("--inh-caps"), QStringLiteral("-sys_time"),
                     QStringLiteral("--bounding-set"), QStringLiteral("-sys_time"),
                     QStringLiteral("--"), QStringLiteral("grep"), QStringLiteral("CapBnd"),
                     QStringLiteral("/proc/self/status")});
        QVERIFY(probe.waitForFinished(5000));
        const quint64 bounding = probe.readAllStandardOutput().mid(7).trimmed().toULongLong(nullptr, 16);
        QVERIFY2(probe.exitCode() == 0 && !((bounding >> capSysTime) & 1),
                 "Cannot start the program without the right to set the clock; refusing.");
    }
    QVERIFY2(QFile::exists(QStringLiteral(SCD_LIBFAKETIME)), "libfaketime is missing");
}

// After the first tick: the window's size, black ground, the yellow totals and blue lines in
// their places, and exactly one picture.
void TestEndToEnd::firstTick()
{
    Session session(QStringLiteral("2024-12-01 12:00:00"));
    QVERIFY(session.waitForWindow());
    QTest::qWait(2000);
    const QImage shot = session.screenshot();
    saveArtifact(shot, QStringLiteral("first-tick"));

    QCOMPARE(shot.size(), QSize(682, 570));
    for (const QPoint& p : {QPoint(5, 5), QPoint(680, 568), QPoint(495, 300), QPoint(5, 560)})
        QCOMPARE(shot.pixel(p), qRgb(0, 0, 0));
    const QRgb yellow = qRgb(255, 255, 0), blue = qRgb(0, 0, 255);
    for (int top : {180, 240, 300, 360})
        QVERIFY2(countPixels(shot, QRect(510, top, 151, 24), yellow) > 30, qPrintable(QString::number(top)));
    QVERIFY(countPixels(shot, QRect(250, 450, 250, 16), blue) > 100);
    QVERIFY(countPixels(shot, QRect(250, 480, 150, 16), blue) > 50);
    QCOMPARE(countPixels(shot, QRect(0, 0, 682, 570), yellow),
             countPixels(shot, QRect(510, 180, 151, 200), yellow));
    QVERIFY(showsPicture(shot, QStringLiteral("Santa1")));
    const QImage dateLine = renderedCaption(QStringLiteral("Today is, Sunday December 01, 2024"),
                                            QColor(0, 0, 255), 13);
    QVERIFY(samePixels(shot.copy(QRect(QPoint(250, 450), dateLine.size())), dateLine));

    // Exactly one picture area is lit: left of the totals, nothing outside Santa1's box.
    const QRect santa1Box(200, 140, 175, 155);
    for (int y = 0; y < 440; ++y)
        for (int x = 0; x < 500; ++x)
            if (!santa1Box.contains(x, y) && shot.pixel(x, y) != qRgb(0, 0, 0))
                QFAIL(qPrintable(QStringLiteral("lit pixel outside the picture at %1,%2").arg(x).arg(y)));
}

void TestEndToEnd::pictureOfTheDay_data()
{
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QString>("picture");

    QTest::newRow("1 December") << "2025-12-01 08:00:00" << "Santa1";
    QTest::newRow("7 December") << "2025-12-07 08:00:00" << "Santa7";
    QTest::newRow("8 December") << "2025-12-08 08:00:00" << "Santa8";
    QTest::newRow("16 December") << "2025-12-16 23:59:50" << "Santa16";
    QTest::newRow("24 December") << "2025-12-24 18:00:00" << "NightBefore";
    QTest::newRow("25 December") << "2025-12-25 00:00:10" << "XmassDay";
    QTest::newRow("26 December") << "2025-12-26 08:00:00" << "SantaNotDec";
    QTest::newRow("July") << "2025-07-14 08:00:00" << "SantaNotDec";
}

void TestEndToEnd::pictureOfTheDay()
{
    QFETCH(QString, moment);
    QFETCH(QString, picture);

    Session session(moment);
    QVERIFY(session.waitForWindow());
    QTRY_VERIFY_WITH_TIMEOUT(showsPicture(session.screenshot(), picture), 5000);
}

// "Days" steps through December 1992 in the window (the computer's clock is out of reach), the
// refusal is told once, 26 clicks come back to the present, and EXIT shows the farewell screen
// and ends the program with status 0 three seconds later.
void TestEndToEnd::previewThenExit()
{
    Session session(QStringLiteral("2024-12-09 10:00:00"));
    QVERIFY(session.waitForWindow());
    QTRY_VERIFY_WITH_TIMEOUT(showsPicture(session.screenshot(), QStringLiteral("Santa9")), 5000);

    const QPoint days(645, 396);
    session.click(days);
    QTRY_COMPARE_WITH_TIMEOUT(session.notices().size(), 1, 5000);
    session.dismiss(session.notices().front());
    QTRY_VERIFY_WITH_TIMEOUT(session.notices().isEmpty(), 5000);

    const QImage dateLine = renderedCaption(QStringLiteral("Today is, Tuesday December 01, 1992"),
                                            QColor(0, 0, 255), 13);
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
    const QImage present = renderedCaption(QStringLiteral("Today is, Monday December 09, 2024"),
                                           QColor(0, 0, 255), 13);
    QTRY_VERIFY_WITH_TIMEOUT(
        samePixels(session.screenshot().copy(QRect(QPoint(250, 450), present.size())), present),
        5000);
    QVERIFY(showsPicture(session.screenshot(), QStringLiteral("Santa9")));
    QVERIFY(session.notices().isEmpty()); // told once only

    QElapsedTimer sinceExit;
    session.click(QPoint(575, 465));
    sinceExit.start();
    QTest::qWait(1200);
    shot = session.screenshot();
    saveArtifact(shot, QStringLiteral("farewell"));
    QVERIFY(showsPicture(shot, QStringLiteral("Santa16")));
    // Santa16 covers the top of the logo; below it the logo shows.
    const QImage logo = expectedPicture(QStringLiteral("LogoKestrel"));
    QVERIFY(samePixels(shot.copy(QRect(232, 268, 215, 91)), logo.copy(QRect(0, 69, 215, 91))));
    for (const QRect& empty : {QRect(500, 0, 182, 570), QRect(0, 370, 682, 200)})
        QCOMPARE(countPixels(shot, empty, qRgb(0, 0, 0)), empty.width() * empty.height());

    QVERIFY(session.program().waitForFinished(10000));
    const qint64 waited = sinceExit.elapsed();
    QCOMPARE(session.program().exitStatus(), QProcess::NormalExit);
    QCOMPARE(session.program().exitCode(), 0);
    QVERIFY2(waited >= 2900 && waited < 4500, qPrintable(QString::number(waited)));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
