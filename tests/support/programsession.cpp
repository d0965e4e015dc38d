// SPDX-License-Identifier: MIT
#include "programsession.h"

#include "childprocess.h"

#include <QFile>
#include <QRegularExpression>
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
            return (line.mid(qsizetype(qstrlen(field))).trimmed().toULongLong(nullptr, 16)
                       >> capability)
                & 1;
    }
    return true;
}

const QStringList withoutClockRight = {QStringLiteral("--inh-caps"), QStringLiteral("-sys_time"),
    QStringLiteral("--bounding-set"), QStringLiteral("-sys_time"), QStringLiteral("--")};

} // namespace

QString ProgramSession::cannotStartSafely()
{
    if (::geteuid() != 0)
        return holdsCapability("CapEff:", capSysTime)
            ? QStringLiteral("This process may set the clock; refusing to start the real program.")
            : QString();
    // As root, setpriv must be able to take the right away.
    QProcess probe;
    probe.start(QStringLiteral("setpriv"),
        withoutClockRight
            + QStringList{QStringLiteral("grep"), QStringLiteral("CapBnd"),
                QStringLiteral("/proc/self/status")});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return QStringLiteral(
            "setpriv cannot start the program without the right to set the clock.");
    const quint64 bounding
        = probe.readAllStandardOutput().mid(7).trimmed().toULongLong(nullptr, 16);
    return (bounding >> capSysTime) & 1
        ? QStringLiteral("The program would keep the right to set the clock; refusing.")
        : QString();
}

ProgramSession::ProgramSession(const Options& options)
{
    // -noreset: without it the server resets whenever its last client leaves (an xwininfo poll,
    // say) and refuses the program if it connects just then.
    endWithTest(m_xvfb);
    m_xvfb.start(QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
            QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-br"),
            QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    // Xvfb prints its display number once it accepts connections, perhaps in two writes.
    QElapsedTimer waited;
    waited.start();
    while (!m_xvfb.canReadLine()) {
        if (m_xvfb.state() == QProcess::NotRunning || waited.elapsed() > 30000)
            return;
        m_xvfb.waitForReadyRead(1000);
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(m_xvfb.readLine().trimmed());

    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert(QStringLiteral("DISPLAY"), m_display);
    m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    m_env.insert(QStringLiteral("XDG_STATE_HOME"), m_state.path());
    m_env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
        QStringLiteral("unix:path=/nonexistent/santa-count-down/system_bus_socket"));
    m_env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    m_env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    m_programEnv = m_env;
    m_programEnv.insert(
        QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:verify_asan_link_order=0"));
    if (!options.moment.isEmpty()) {
        m_programEnv.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(SCD_LIBFAKETIME));
        m_programEnv.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + options.moment);
        m_programEnv.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        m_programEnv.insert(QStringLiteral("NO_FAKE_STAT"), QStringLiteral("1"));
        m_programEnv.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    }
    for (const QString& name : options.environment.keys())
        m_programEnv.insert(name, options.environment.value(name));

    start(m_program);
    m_started.start();
}

ProgramSession::~ProgramSession()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished(10000);
    }
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(10000)) {
            m_xvfb.kill();
            m_xvfb.waitForFinished(10000);
        }
    }
}

void ProgramSession::start(QProcess& process, const QStringList& arguments) const
{
    process.setProcessEnvironment(m_programEnv);
    startWithoutClockRight(process, arguments);
}

void ProgramSession::startWithoutClockRight(QProcess& process, const QStringList& arguments)
{
    endWithTest(process);
    if (::geteuid() == 0)
        process.start(QStringLiteral("setpriv"),
            withoutClockRight + QStringList{QStringLiteral(SCD_BINARY)} + arguments);
    else
        process.start(QStringLiteral(SCD_BINARY), arguments);
}

QString ProgramSession::errors()
{
    m_errors += QString::fromLocal8Bit(m_program.readAllStandardError());
    return m_errors;
}

QString ProgramSession::run(const QString& program, const QStringList& arguments) const
{
    QProcess process;
    process.setProcessEnvironment(m_env);
    endWithTest(process);
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QStringList ProgramSession::windows() const
{
    const QString tree
        = run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    static const QRegularExpression line(QStringLiteral(
        R"((0x[0-9a-f]+) "Santa Count Down": \("santa-count-down".*\)\s+(\d+x\d+)\+)"));
    QStringList found;
    for (auto match = line.globalMatch(tree); match.hasNext();) {
        const auto m = match.next();
        found << m.captured(1) + QLatin1Char(' ') + m.captured(2);
    }
    return found;
}

bool ProgramSession::waitForWindow()
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000 && m_program.state() != QProcess::NotRunning) {
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

QStringList ProgramSession::notices() const
{
    QStringList found;
    for (const QString& window : windows()) {
        if (window.section(QLatin1Char(' '), 0, 0) != m_window)
            found << window.section(QLatin1Char(' '), 0, 0);
    }
    return found;
}

QImage ProgramSession::screenshot() const
{
    QProcess shot;
    shot.setProcessEnvironment(m_env);
    endWithTest(shot);
    shot.start(QStringLiteral("sh"),
        {QStringLiteral("-c"),
            QStringLiteral("xwd -silent -id %1 | /usr/bin/convert xwd:- png:-").arg(m_window)});
    shot.waitForFinished(30000);
    return QImage::fromData(shot.readAllStandardOutput(), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

void ProgramSession::click(const QPoint& at) const
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--window"), m_window, QString::number(at.x()),
            QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

void ProgramSession::dismiss(const QString& window) const
{
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window, QStringLiteral("key"),
            QStringLiteral("Return")});
}

QStringList ProgramSession::stacking() const
{
    static const QRegularExpression child(
        QStringLiteral(R"(^\s+(0x[0-9a-f]+) )"), QRegularExpression::MultilineOption);
    const QString tree
        = run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-children")});
    QStringList ids;
    for (auto match = child.globalMatch(tree); match.hasNext();)
        ids << match.next().captured(1);
    return ids;
}

void ProgramSession::startOnDisplay(
    QProcess& process, const QString& program, const QStringList& arguments) const
{
    process.setProcessEnvironment(m_env);
    endWithTest(process);
    process.start(program, arguments);
}

void ProgramSession::endDisplay()
{
    m_xvfb.kill();
    m_xvfb.waitForFinished(10000);
}
