// SPDX-License-Identifier: MIT
#include "programsession.h"

#include "childprocess.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

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

// Never the right to set the clock; and, where the tests run as root, none of root's rights over
// files either, so that a folder made read-only is read-only to the program too.
QStringList withoutClockRight()
{
    return {QStringLiteral("--inh-caps"), QStringLiteral("-sys_time"),
        QStringLiteral("--bounding-set"),
        QStringLiteral("-sys_time,-dac_override,-dac_read_search,-fowner,-linux_immutable"),
        QStringLiteral("--")};
}

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
        withoutClockRight()
            + QStringList{QStringLiteral("grep"), QStringLiteral("CapBnd"),
                QStringLiteral("/proc/self/status")});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return QStringLiteral(
            "setpriv cannot start the program without the right to set the clock.");
    const quint64 bounding =
        probe.readAllStandardOutput().mid(7).trimmed().toULongLong(nullptr, 16);
    return (bounding >> capSysTime) & 1
        ? QStringLiteral("The program would keep the right to set the clock; refusing.")
        : QString();
}

QString ProgramSession::missingTools()
{
    const std::pair<const char*, const char*> tools[] = {{"Xvfb", "xvfb"}, {"xdotool", "xdotool"},
        {"xwininfo", "x11-utils"}, {"xwd", "x11-apps"}, {"setpriv", "util-linux"}};
    QStringList missing;
    for (const auto& [tool, package] : tools) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            missing << QStringLiteral("%1 (%2)").arg(QLatin1String(tool), QLatin1String(package));
    }
    if (!QFileInfo(QStringLiteral("/usr/bin/convert")).isExecutable())
        missing << QStringLiteral("ImageMagick's convert (imagemagick)");
    if (!QFileInfo::exists(QStringLiteral(SCD_LIBFAKETIME)))
        missing << QStringLiteral("libfaketime (libfaketime)");
    return missing.isEmpty()
        ? QString()
        : QStringLiteral("Not installed: ") + missing.join(QStringLiteral(", "));
}

QString ProgramSession::cannotRun()
{
    const QString missing = missingTools();
    return missing.isEmpty() ? cannotStartSafely() : missing;
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
    if (!options.moment.isEmpty() || !options.simulatedClock.isEmpty()) {
        // Only the wall clock: the boot clock, by which the program keeps the true time, runs on.
        m_programEnv.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(SCD_LIBFAKETIME));
        m_programEnv.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        m_programEnv.insert(QStringLiteral("NO_FAKE_STAT"), QStringLiteral("1"));
    }
    if (!options.moment.isEmpty()) {
        m_programEnv.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + options.moment);
        m_programEnv.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    } else if (!options.simulatedClock.isEmpty()) {
        m_programEnv.insert(QStringLiteral("FAKETIME_TIMESTAMP_FILE"), options.simulatedClock);
        m_programEnv.insert(QStringLiteral("FAKETIME_NO_CACHE"), QStringLiteral("1"));
    }
    for (const QString& name : options.environment.keys())
        m_programEnv.insert(name, options.environment.value(name));
    m_binary = options.binary;
    m_user = options.user;
    if (options.brokenStandardError) {
        int pipe[2] = {-1, -1};
        if (::pipe2(pipe, O_CLOEXEC) == 0) {
            ::close(pipe[0]);
            m_brokenStandardError = pipe[1];
        }
    }

    start(m_program);
}

ProgramSession::~ProgramSession()
{
    if (m_brokenStandardError >= 0)
        ::close(m_brokenStandardError);
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

void ProgramSession::start(
    QProcess& process, const QStringList& arguments, const QProcessEnvironment& also) const
{
    QProcessEnvironment environment = m_programEnv;
    for (const QString& name : also.keys())
        environment.insert(name, also.value(name));
    process.setProcessEnvironment(environment);
    startWithoutClockRight(process, arguments, m_binary, m_brokenStandardError, m_user);
}

void ProgramSession::startWithoutClockRight(QProcess& process, const QStringList& arguments,
    const QString& binary, int standardError, int user)
{
    endWithTest(process, standardError);
    const QString program = binary.isEmpty() ? QStringLiteral(SCD_BINARY) : binary;
    if (::geteuid() != 0) {
        process.start(program, arguments);
        return;
    }
    QStringList setpriv = withoutClockRight();
    if (user >= 0)
        setpriv = QStringList{QStringLiteral("--reuid=%1").arg(user),
                      QStringLiteral("--regid=%1").arg(user), QStringLiteral("--clear-groups")}
            + setpriv;
    process.start(QStringLiteral("setpriv"), setpriv + QStringList{program} + arguments);
}

bool ProgramSession::restart()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished(30000);
    }
    errors();
    start(m_program);
    return waitForWindow();
}

bool ProgramSession::waitForEnd(int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    // The event loop runs meanwhile: a session manager of the test's may have to be answered.
    while (m_program.state() != QProcess::NotRunning) {
        if (waited.elapsed() > milliseconds)
            return false;
        if (m_xvfb.state() == QProcess::Running) {
            for (const QString& notice : notices())
                dismiss(notice);
        }
        QTest::qWait(100);
    }
    errors();
    return true;
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
    const QString tree =
        run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    static const QRegularExpression line(QStringLiteral(
        R"((0x[0-9a-f]+) "Santa Count Down": \("santa-count-down".*\)\s+(\d+x\d+)\+)"));
    QStringList found;
    for (auto match = line.globalMatch(tree); match.hasNext();) {
        const auto m = match.next();
        found << m.captured(1) + QLatin1Char(' ') + m.captured(2);
    }
    return found;
}

QStringList ProgramSession::programWindows() const
{
    // Only those on the screen: a window is made a moment before it is shown, and a click on it
    // meanwhile would go to the screen behind.
    QStringList found;
    for (const QString& window : windows()) {
        const QString id = window.section(QLatin1Char(' '), 0, 0);
        if (window.endsWith(QLatin1String(" 682x570")) && isShown(id))
            found << id;
    }
    return found;
}

bool ProgramSession::waitForWindow()
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000 && m_program.state() != QProcess::NotRunning) {
        if (const QStringList shown = programWindows(); !shown.isEmpty()) {
            m_window = shown.constFirst();
            return true;
        }
        QTest::qWait(50);
    }
    return false;
}

bool ProgramSession::isShown(const QString& window) const
{
    xcb_connection_t* connection = xcb_connect(qPrintable(m_display), nullptr);
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(connection,
        xcb_get_window_attributes(connection, xcb_window_t(window.toUInt(nullptr, 16))), nullptr);
    const bool shown = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    free(attributes);
    xcb_disconnect(connection);
    return shown;
}

QStringList ProgramSession::notices() const
{
    QStringList found;
    for (const QString& window : windows()) {
        if (!window.endsWith(QLatin1String(" 682x570")))
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

void ProgramSession::click(const QPoint& at, const QString& window) const
{
    // Raised first: the click goes to whatever window is on top there, and copies of the program
    // open at the same place.
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowraise"), window, QStringLiteral("mousemove"),
            QStringLiteral("--window"), window, QString::number(at.x()), QString::number(at.y()),
            QStringLiteral("click"), QStringLiteral("1")});
}

void ProgramSession::closeWindow() const
{
    closeWindow(m_window);
}

void ProgramSession::closeWindow(const QString& window) const
{
    xcb_connection_t* connection = xcb_connect(qPrintable(m_display), nullptr);
    const auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return found;
    };
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window.toUInt(nullptr, 16));
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
        reinterpret_cast<const char*>(&message));
    // A round trip: the server has sent the message on before this connection goes.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
}

void ProgramSession::dismiss(const QString& window) const
{
    // Through the notice's frame, as a person may: unlike a key press, it needs no focus, which
    // no window manager hands out here.
    closeWindow(window);
}

bool ProgramSession::answerNotices(bool oneExpected) const
{
    // A notice is told on standard error a moment before its window is made.
    if (oneExpected && !QTest::qWaitFor([this] { return !notices().isEmpty(); }, 30000))
        return false;
    // A notice found before its window is up may miss the first close: closed until none is
    // left, on a listing that shows the program's window (one that failed shows nothing at all).
    return QTest::qWaitFor(
        [this] {
            const QStringList listed = windows();
            bool left = false;
            for (const QString& window : listed) {
                if (!window.endsWith(QLatin1String(" 682x570"))) {
                    dismiss(window.section(QLatin1Char(' '), 0, 0));
                    left = true;
                }
            }
            return !left && listed.join(QLatin1Char(' ')).contains(m_window);
        },
        30000);
}

QStringList ProgramSession::stacking() const
{
    static const QRegularExpression child(
        QStringLiteral(R"(^\s+(0x[0-9a-f]+) )"), QRegularExpression::MultilineOption);
    const QString tree =
        run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-children")});
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
