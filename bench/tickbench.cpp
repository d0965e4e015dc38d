// SPDX-License-Identifier: MIT
// Measures the window's ticks from inside the program.
//   tickbench cost N      the cost of N ticks: compute, six labels, 26 visibilities and the
//                         repaint that follows, in processor time of the window's thread;
//                         prints the median and 95th percentile in µs
//   tickbench skips S     runs the real timer for S seconds and counts seconds that the time line
//                         skipped or showed twice, and where in its second each tick came
// Prints one line of JSON.
#include "datekeeper.h"
#include "form1.h"
#include "inwindowdate.h"
#include "label.h"
#include "localclock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// For the cost, ticks come one after another, not once a second; this clock moves on by a second
// for each, so every tick changes the labels as a real one does, and says each tick comes at a good
// moment of its second, so none asks to move the timer.
class SecondBySecondClock final : public Clock
{
public:
    void nextSecond() { m_now += std::chrono::seconds{1}; }
    DateValue now() override { return m_now; }
    double secondsSinceMidnight() override { return 43200.05; }
    WallTime wallTime() override { return m_computer.wallTime(); }
    std::chrono::nanoseconds elapsed() override { return m_computer.elapsed(); }

private:
    DateValue m_now = makeDateValue(2026, 12, 9, 12, 0, 0);
    LocalClock m_computer;
};

double threadCpuMicroseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e6 + double(ts.tv_nsec) / 1e3;
}

// Counts the window's repaints: the display asks for one a few milliseconds after a tick has
// marked labels as changed.
class RepaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::UpdateRequest || event->type() == QEvent::UpdateLater;
        return false;
    }
};

int measureCost(Form1& form, SecondBySecondClock& clock, int ticks)
{
    form.timer1()->stop();
    RepaintCounter repaints;
    form.windowHandle()->installEventFilter(&repaints);
    form.installEventFilter(&repaints);
    std::vector<double> costs;
    costs.reserve(std::size_t(ticks));
    for (int i = 0; i < ticks; ++i) {
        const int before = repaints.count;
        clock.nextSecond();
        const double start = threadCpuMicroseconds();
        QMetaObject::invokeMethod(form.timer1(), "timeout");
        // The repaint that the tick asked for is part of its cost; waiting for it is not.
        QElapsedTimer waiting;
        waiting.start();
        while (repaints.count == before && waiting.elapsed() < 100)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QCoreApplication::processEvents();
        costs.push_back(threadCpuMicroseconds() - start);
    }
    std::sort(costs.begin(), costs.end());
    std::printf("{\"ticks\": %d, \"tick_us_median\": %.1f, \"tick_us_p95\": %.1f}\n", ticks,
        costs[costs.size() / 2], costs[costs.size() * 95 / 100]);
    return 0;
}

int measureSkips(Form1& form, LocalClock& clock, int seconds)
{
    auto* timeLine = qobject_cast<Label*>(form.control(Control::Label10));
    static const QRegularExpression time(QStringLiteral(R"((\d\d)\D(\d\d)\D(\d\d) (am|pm))"));
    struct Counts
    {
        int previous = -1;
        int ticks = 0, skipped = 0, repeated = 0;
        double phaseMin = 1e9, phaseMax = -1;
    } counts;
    // The connection ends with this function, as the counts do.
    QObject counting;
    QObject::connect(timeLine, &Label::captionChanged, &counting,
        [c = &counts, clock = &clock](const QString& caption) {
            const double since = clock->secondsSinceMidnight();
            const auto m = time.match(caption);
            if (!m.hasMatch())
                return;
            const int hour12 = m.captured(1).toInt() % 12;
            const int second = ((m.captured(4) == QLatin1String("pm") ? 12 : 0) + hour12) * 3600
                + m.captured(2).toInt() * 60 + m.captured(3).toInt();
            if (c->previous >= 0) {
                const int step = (second - c->previous + 86400) % 86400;
                c->skipped += step > 1 ? step - 1 : 0;
                c->repeated += step == 0;
            }
            c->previous = second;
            ++c->ticks;
            // Skip the first few ticks: they come before the timer has found its place.
            if (c->ticks > 3) {
                const double phase = (since - std::floor(since)) * 1000;
                c->phaseMin = std::min(c->phaseMin, phase);
                c->phaseMax = std::max(c->phaseMax, phase);
            }
        });
    QTimer::singleShot(seconds * 1000, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    std::printf("{\"seconds\": %d, \"ticks\": %d, \"skipped\": %d, \"repeated\": %d, "
                "\"phase_ms_min\": %.1f, \"phase_ms_max\": %.1f}\n",
        seconds, counts.ticks, counts.skipped, counts.repeated, counts.phaseMin, counts.phaseMax);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("cost");
    const int amount = argc > 2 ? std::atoi(argv[2]) : 1000;

    LocalClock clock;
    SecondBySecondClock secondBySecond;
    PreviewClock preview(mode == QLatin1String("skips") ? static_cast<Clock&>(clock)
                                                        : static_cast<Clock&>(secondBySecond));
    InWindowDate systemDate(preview, clock);
    DateKeeper keeper(systemDate);
    Form1 form(preview, keeper);
    form.show();
    QElapsedTimer waiting;
    waiting.start();
    while (!form.windowHandle() || !form.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (waiting.elapsed() > 10000)
            return 1;
    }
    return mode == QLatin1String("skips") ? measureSkips(form, clock, amount)
                                          : measureCost(form, secondBySecond, amount);
}
