// SPDX-License-Identifier: MIT
// Runs Santa Count Down and a minimal Qt Widgets program side by side on a virtual display and
// measures both from outside: start-up, the first tick on screen, memory, processor time, the
// farewell wait; then the tick's own cost and its regularity from tickbench. Prints a table and
// writes the figures as JSON.
//   harness APP MINIMAL TICKBENCH OUT.json [--quick]
// Every program runs without the right to set the clock and with no system bus.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

using namespace std::chrono;
using Clock = steady_clock;

namespace {

[[noreturn]] void die(const std::string& why)
{
    std::fprintf(stderr, "harness: %s\n", why.c_str());
    std::exit(1);
}

// fork + exec; as root, without the right to set the clock.
pid_t launch(const std::vector<std::string>& command)
{
    std::vector<std::string> argv;
    if (geteuid() == 0)
        argv = {"setpriv", "--inh-caps", "-sys_time", "--bounding-set", "-sys_time", "--"};
    argv.insert(argv.end(), command.begin(), command.end());
    const pid_t pid = fork();
    if (pid < 0)
        die("fork failed");
    if (pid == 0) {
        std::vector<char*> args;
        args.reserve(argv.size() + 1);
        for (auto& a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// Runs a command through the shell and returns its output; as root, without the right to set the
// clock.
std::string run(const std::string& command)
{
    const std::string safe = geteuid() == 0
        ? "setpriv --inh-caps -sys_time --bounding-set -sys_time -- " + command
        : command;
    std::string output;
    if (FILE* pipe = popen(safe.c_str(), "r")) {
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output;
}

// Processor time a running process has used so far, in seconds, to the nanosecond (the kernel's
// scheduler statistics; /proc/PID/stat counts only in 10 ms steps).
double cpuSeconds(pid_t pid)
{
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    unsigned long long onCpuNs = 0;
    schedstat >> onCpuNs;
    return double(onCpuNs) / 1e9;
}

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class Display
{
public:
    Display()
    {
        // Two servers starting at once may both try one display number; another try is enough.
        for (int attempt = 0; attempt < 3 && !m_connection; ++attempt)
            start();
        if (!m_connection)
            die("Xvfb did not start");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }

    ~Display()
    {
        xcb_disconnect(m_connection);
        stop();
    }

    // Waits for a top-level window of the given size to be mapped; returns it and when.
    std::optional<std::pair<xcb_window_t, Clock::time_point>> waitForMap(
        int width, int height, milliseconds timeout)
    {
        const auto deadline = Clock::now() + timeout;
        while (Clock::now() < deadline) {
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, 5);
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const auto now = Clock::now();
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                    const auto window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                    free(event);
                    auto* geometry = xcb_get_geometry_reply(
                        m_connection, xcb_get_geometry(m_connection, window), nullptr);
                    const bool match =
                        geometry && geometry->width == width && geometry->height == height;
                    free(geometry);
                    if (match)
                        return std::pair{window, now};
                    continue;
                }
                free(event);
            }
        }
        return std::nullopt;
    }

    // Whether any pixel of the area shows the colour (0xRRGGBB).
    bool shows(xcb_window_t window, int x, int y, int w, int h, uint32_t colour)
    {
        auto* image = xcb_get_image_reply(m_connection,
            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, int16_t(x), int16_t(y),
                uint16_t(w), uint16_t(h), ~0u),
            nullptr);
        if (!image)
            return false;
        const auto* pixels = reinterpret_cast<const uint32_t*>(xcb_get_image_data(image));
        const int count = xcb_get_image_data_length(image) / 4;
        bool found = false;
        for (int i = 0; i < count && !found; ++i)
            found = (pixels[i] & 0xffffff) == colour;
        free(image);
        return found;
    }

    void drain()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
            free(event);
    }

private:
    void start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            die("pipe failed");
        m_xvfb = fork();
        if (m_xvfb == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            // -noreset: the server stays up between the programs measured one after another.
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-br",
                "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // Xvfb may write the number and its newline separately, and it dies if the pipe is
        // closed in between: read the whole line, and keep the pipe open while Xvfb runs.
        m_displayFd = fds[0];
        char number[16] = {};
        ssize_t got = 0;
        while (got < ssize_t(sizeof number - 1) && !std::memchr(number, '\n', std::size_t(got))) {
            const ssize_t more =
                read(m_displayFd, number + got, sizeof number - 1 - std::size_t(got));
            if (more <= 0)
                break;
            got += more;
        }
        if (got <= 0 || number[0] < '0' || number[0] > '9') {
            stop();
            return;
        }
        m_name = ":" + std::string(number, std::strcspn(number, "\n"));
        setenv("DISPLAY", m_name.c_str(), 1);
        m_connection = xcb_connect(m_name.c_str(), nullptr);
        if (xcb_connection_has_error(m_connection)) {
            xcb_disconnect(m_connection);
            m_connection = nullptr;
            stop();
        }
    }

    void stop()
    {
        kill(m_xvfb, SIGTERM);
        waitpid(m_xvfb, nullptr, 0);
        close(m_displayFd);
        m_displayFd = -1;
    }

    pid_t m_xvfb = -1;
    int m_displayFd = -1;
    std::string m_name;
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
};

struct StartUp
{
    double toMapMs = 0;
    double toFirstPaintMs = 0;
    double firstTickAfterMapMs = 0;
};

// Where a program's first paint shows: Santa Count Down's green heading, the minimal program's
// yellow label. The first tick shows in Santa Count Down's yellow totals.
struct Landmarks
{
    int x, y, w, h;
    uint32_t colour;
    bool ticks;
};

StartUp measureStartUp(Display& display, const std::string& program, const Landmarks& landmarks)
{
    display.drain();
    const auto start = Clock::now();
    const pid_t pid = launch({program});
    const auto mapped = display.waitForMap(682, 570, seconds{20});
    if (!mapped)
        die(program + ": no window");
    StartUp result;
    const auto since = [](Clock::time_point from) {
        return duration<double, std::milli>(Clock::now() - from).count();
    };
    result.toMapMs = duration<double, std::milli>(mapped->second - start).count();
    const auto deadline = Clock::now() + seconds{5};
    while (Clock::now() < deadline && result.toFirstPaintMs == 0) {
        if (display.shows(mapped->first, landmarks.x, landmarks.y, landmarks.w, landmarks.h,
                landmarks.colour))
            result.toFirstPaintMs = since(start);
        else
            std::this_thread::sleep_for(microseconds{500});
    }
    while (landmarks.ticks && Clock::now() < deadline && result.firstTickAfterMapMs == 0) {
        if (display.shows(mapped->first, 510, 180, 151, 41, 0xffff00))
            result.firstTickAfterMapMs = since(mapped->second);
        else
            std::this_thread::sleep_for(milliseconds{2});
    }
    stop(pid);
    return result;
}

// The numbers of a one-line JSON object; every key asked for must be there.
class Figures
{
public:
    explicit Figures(std::map<std::string, double> values, std::string source)
        : m_values(std::move(values))
        , m_source(std::move(source))
    { }
    double at(const std::string& key) const
    {
        const auto found = m_values.find(key);
        if (found == m_values.end())
            die(m_source + " gave no " + key);
        return found->second;
    }

private:
    std::map<std::string, double> m_values;
    std::string m_source;
};

std::map<std::string, double> parseJson(const std::string& line)
{
    std::map<std::string, double> values;
    std::size_t at = 0;
    while ((at = line.find('"', at)) != std::string::npos) {
        const auto end = line.find('"', at + 1);
        const std::string key = line.substr(at + 1, end - at - 1);
        const auto colon = line.find(':', end);
        values[key] = std::strtod(line.c_str() + colon + 1, nullptr);
        at = line.find_first_of(",}", colon);
    }
    return values;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5)
        die("usage: harness APP MINIMAL TICKBENCH OUT.json [--quick]");
    const std::string app = argv[1], minimal = argv[2], tickbench = argv[3], out = argv[4];
    const bool quick = argc > 5 && std::string(argv[5]) == "--quick";
    const int runs = quick ? 3 : 10;
    const int cpuWindow = quick ? 10 : 60;
    const int skipWindow = quick ? 20 : 600;

    setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/santa-count-down/system_bus", 1);
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    char runtime[] = "/tmp/scd-bench-XXXXXX";
    if (!mkdtemp(runtime))
        die("mkdtemp failed");
    setenv("XDG_RUNTIME_DIR", runtime, 1);
    setenv("XDG_STATE_HOME", runtime, 1);

    Display display;

    // Start-up, alternating the two programs so that neither profits from a warmer cache.
    const Landmarks appMarks{500, 9, 171, 151, 0x00ff00, true};
    const Landmarks minimalMarks{510, 180, 151, 41, 0xffff00, false};
    std::vector<double> appMap, minimalMap, appPaint, minimalPaint, appText;
    measureStartUp(display, app, appMarks); // warm-up, not counted
    measureStartUp(display, minimal, minimalMarks);
    for (int i = 0; i < runs; ++i) {
        const StartUp a = measureStartUp(display, app, appMarks);
        const StartUp m = measureStartUp(display, minimal, minimalMarks);
        appMap.push_back(a.toMapMs);
        appPaint.push_back(a.toFirstPaintMs);
        appText.push_back(a.firstTickAfterMapMs);
        minimalMap.push_back(m.toMapMs);
        minimalPaint.push_back(m.toFirstPaintMs);
    }

    // Memory and processor time while running, both programs at once.
    display.drain();
    const pid_t appPid = launch({app});
    if (!display.waitForMap(682, 570, seconds{20}))
        die("no window");
    const pid_t minimalPid = launch({minimal});
    if (!display.waitForMap(682, 570, seconds{20}))
        die("no window");
    std::this_thread::sleep_for(seconds{2});
    const double appCpuStart = cpuSeconds(appPid), minimalCpuStart = cpuSeconds(minimalPid);
    std::this_thread::sleep_for(seconds{cpuWindow});
    const double appCpu = cpuSeconds(appPid) - appCpuStart;
    const double minimalCpu = cpuSeconds(minimalPid) - minimalCpuStart;
    const long appPeak = peakResidentKiB(appPid), minimalPeak = peakResidentKiB(minimalPid);
    stop(appPid);
    stop(minimalPid);

    // The farewell: from the click on EXIT to the end of the process.
    display.drain();
    const pid_t exitPid = launch({app});
    const auto exitWindow = display.waitForMap(682, 570, seconds{20});
    if (!exitWindow)
        die("no window");
    std::this_thread::sleep_for(seconds{2});
    const double cpuBeforeExit = cpuSeconds(exitPid);
    const auto clicked = Clock::now();
    run("xdotool mousemove --window " + std::to_string(exitWindow->first) + " 575 465 click 1");
    rusage usage{};
    int status = 0;
    wait4(exitPid, &status, 0, &usage);
    const double farewellMs = duration<double, std::milli>(Clock::now() - clicked).count();
    const double cpuTotal = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    const double farewellCpu = cpuTotal - cpuBeforeExit;
    const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;

    // The tick itself, and its regularity, from inside the program.
    const Figures cost(parseJson(run(tickbench + " cost 3000")), "tickbench cost");
    const Figures skips(
        parseJson(run(tickbench + " skips " + std::to_string(skipWindow))), "tickbench skips");

    const double startRatio = median(appMap) / median(minimalMap);
    const double paintRatio = median(appPaint) / median(minimalPaint);
    const double cpuRatio = minimalCpu > 0 ? appCpu / minimalCpu : 0;
    const double memoryMiB = double(appPeak - minimalPeak) / 1024.0;
    const double farewellShare = farewellCpu / (farewellMs / 1000.0) * 100.0;

    std::printf("%-44s %14s %14s %12s %s\n", "measure", "santa", "minimal", "target", "met");
    auto row = [](const char* name, const std::string& a, const std::string& m,
                   const std::string& target, bool met) {
        std::printf("%-44s %14s %14s %12s %s\n", name, a.c_str(), m.c_str(), target.c_str(),
            met ? "yes" : "NO");
    };
    auto fmt = [](double v, const char* unit) {
        char b[64];
        std::snprintf(b, sizeof b, "%.1f %s", v, unit);
        return std::string(b);
    };
    row("start-up to window mapped (median)", fmt(median(appMap), "ms"),
        fmt(median(minimalMap), "ms"), "<= 1.15x", startRatio <= 1.15);
    row("start-up to first paint (median)", fmt(median(appPaint), "ms"),
        fmt(median(minimalPaint), "ms"), "<= 1.15x", paintRatio <= 1.15);
    row("first tick's texts after mapping (median)", fmt(median(appText), "ms"), "-", "<= 1100 ms",
        median(appText) <= 1100);
    row("peak resident memory", fmt(double(appPeak) / 1024, "MiB"),
        fmt(double(minimalPeak) / 1024, "MiB"), "<= +6 MiB", memoryMiB <= 6);
    row(quick ? "processor time over 10 s" : "processor time over 60 s", fmt(appCpu * 1000, "ms"),
        fmt(minimalCpu * 1000, "ms"), "<= 1.5x", cpuRatio <= 1.5);
    row("processor time during the farewell", fmt(farewellCpu * 1000, "ms"), "-", "< 5 %",
        farewellShare < 5);
    row("farewell, click to end of process", fmt(farewellMs, "ms"), "-", "~3000 ms",
        farewellMs > 2900 && farewellMs < 4000 && exitCode == 0);
    row("one tick (median / p95)", fmt(cost.at("tick_us_median"), "us"),
        fmt(cost.at("tick_us_p95"), "us (p95)"), "< 500 us", cost.at("tick_us_median") < 500);
    char skipText[96];
    std::snprintf(skipText, sizeof skipText, "%d skipped, %d twice", int(skips.at("skipped")),
        int(skips.at("repeated")));
    char phaseText[64];
    std::snprintf(phaseText, sizeof phaseText, "%.0f-%.0f ms in", skips.at("phase_ms_min"),
        skips.at("phase_ms_max"));
    row(quick ? "seconds shown over 20 s" : "seconds shown over 10 minutes", skipText, phaseText,
        "none", skips.at("skipped") == 0 && skips.at("repeated") == 0);

    std::ofstream json(out);
    json << "{\n"
         << "  \"runs\": " << runs << ",\n"
         << "  \"startup_ms_median\": {\"santa\": " << median(appMap)
         << ", \"minimal\": " << median(minimalMap) << ", \"ratio\": " << startRatio << "},\n"
         << "  \"first_paint_ms_median\": {\"santa\": " << median(appPaint)
         << ", \"minimal\": " << median(minimalPaint) << ", \"ratio\": " << paintRatio << "},\n"
         << "  \"first_tick_after_map_ms_median\": " << median(appText) << ",\n"
         << "  \"peak_rss_kib\": {\"santa\": " << appPeak << ", \"minimal\": " << minimalPeak
         << ", \"difference_mib\": " << memoryMiB << "},\n"
         << "  \"cpu_ms\": {\"window_s\": " << cpuWindow << ", \"santa\": " << appCpu * 1000
         << ", \"minimal\": " << minimalCpu * 1000 << ", \"ratio\": " << cpuRatio << "},\n"
         << "  \"farewell\": {\"wall_ms\": " << farewellMs << ", \"cpu_ms\": " << farewellCpu * 1000
         << ", \"share_percent\": " << farewellShare << ", \"exit_code\": " << exitCode << "},\n"
         << "  \"tick_us\": {\"median\": " << cost.at("tick_us_median")
         << ", \"p95\": " << cost.at("tick_us_p95") << "},\n"
         << "  \"seconds_shown\": {\"window_s\": " << skipWindow
         << ", \"ticks\": " << skips.at("ticks") << ", \"skipped\": " << skips.at("skipped")
         << ", \"repeated\": " << skips.at("repeated")
         << ", \"phase_ms_min\": " << skips.at("phase_ms_min")
         << ", \"phase_ms_max\": " << skips.at("phase_ms_max") << "}\n}\n";
    rmdir(runtime);
    return 0;
}
