// What the abacus animations of the make-ten window cost beyond their own pauses: the given
// beads sliding in at a new item, and after a right answer the missing beads sliding in and
// the ten units carried to the tens rod. Every step is a real Sleep(1) and each step is
// painted before its pause, so the pauses alone are the floor; the ratio says what the
// painting adds. The right answer is typed on the keypad, which gives no 2-second pause.
//
// Usage: bench_abacus [rounds]   (each round gives the items 1 to 9 once; default 1)
#include "bench_input.h"
#include "platform/form.h"
#include "platform/program.h"
#include "shell/windows.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QKeyEvent>
#include <vector>

namespace {

constexpr int kWindow = 26;

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The desktop's bell, pause and exit; the number of units given is chosen by the bench;
// each pause is timed.
class BenchServices : public platform::Services {
public:
    BenchServices() : desktop_(platform::desktopServices()) {}
    int units = 1;
    std::vector<std::int64_t> pauseStart, pauseEnd; // of the handler being measured

    void randomize() override {}
    double rnd() override { return (units - 1 + 0.5) / 10.0; }
    void beep() override { desktop_->beep(); }
    void sleep(int ms) override {
        pauseStart.push_back(nowNs());
        desktop_->sleep(ms);
        pauseEnd.push_back(nowNs());
    }
    void end() override { desktop_->end(); }

private:
    std::unique_ptr<platform::Services> desktop_;
};

// One animation: its wall time from its first step to the end of its last pause, against
// the time of its pauses alone.
struct Run {
    long steps = 0;
    double totalMs = 0, pausedMs = 0;
    double ratio() const { return totalMs / pausedMs; }
};

// The last `steps` pauses of the handler that started at `startNs`; the animation starts
// where the pause before it ended, or with the handler.
Run lastSteps(const BenchServices& s, std::int64_t startNs, std::size_t steps) {
    const std::size_t n = s.pauseEnd.size(), first = n - std::min(n, steps);
    Run r;
    r.steps = long(n - first);
    const std::int64_t from = first == 0 ? startNs : s.pauseEnd[first - 1];
    r.totalMs = double(s.pauseEnd.back() - from) / 1e6;
    for (std::size_t i = first; i < n; ++i)
        r.pausedMs += double(s.pauseEnd[i] - s.pauseStart[i]) / 1e6;
    return r;
}

struct Phase {
    const char* name;
    std::vector<Run> runs;
    void report() const {
        Run sum;
        std::vector<double> ratios;
        for (const Run& r : runs) {
            sum.steps += r.steps;
            sum.totalMs += r.totalMs;
            sum.pausedMs += r.pausedMs;
            ratios.push_back(r.ratio());
        }
        std::sort(ratios.begin(), ratios.end());
        const double median = ratios[ratios.size() / 2];
        std::printf("    %-34s %2zu runs, %6ld steps: total %7.0f ms, pauses alone %7.0f "
                    "ms, ratio %.2f (median %.2f, worst %.2f)  aim 1.20 -> %s\n",
                    name, runs.size(), sum.steps, sum.totalMs, sum.pausedMs, sum.ratio(), median,
                    ratios.back(), median <= 1.2 ? "met" : "MISSED");
    }
};

void typeKeypadDigit(QWidget* box, int digit) {
    const Qt::Key key = Qt::Key(Qt::Key_0 + digit);
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeypadModifier, QString::number(digit));
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::KeypadModifier, QString::number(digit));
    QApplication::sendEvent(box, &release);
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    QApplication app(argc, argv);
    auto owned = std::make_unique<BenchServices>();
    BenchServices& services = *owned;
    platform::Program program(std::move(owned), shell::createForm);
    program.show(kWindow);
    platform::Form* form = program.form(kWindow);
    if (!form || !form->window() ||
        !bench::runUntil([&] { return form->window()->paintCount() > 0; })) {
        std::fprintf(stderr, "Form%d did not come up\n", kWindow);
        return 1;
    }
    platform::FormWindow& window = *form->window();
    const QPoint chalkBox = form->control(QStringLiteral("Label17")).pixelRect().center();
    QWidget* answerBox = form->textBox(QStringLiteral("Text1")).widget();

    constexpr std::size_t kExchangeSteps = 2340, kNineBeadSteps = 1098;
    Phase nine{"slide-in of nine given beads"}, exchange{"exchange of ten units for a ten"};
    Phase all{"every animation, all items 1 to 9"};
    for (int round = 0; round < rounds; ++round) {
        for (int units = 1; units <= 9; ++units) {
            services.units = units;
            services.pauseStart.clear();
            services.pauseEnd.clear();
            std::int64_t start = nowNs();
            bench::click(&window, chalkBox);
            if (units == 9)
                nine.runs.push_back(lastSteps(services, start, kNineBeadSteps));
            all.runs.push_back(lastSteps(services, start, services.pauseEnd.size()));
            QCoreApplication::processEvents();

            services.pauseStart.clear();
            services.pauseEnd.clear();
            start = nowNs();
            typeKeypadDigit(answerBox, 10 - units);
            exchange.runs.push_back(lastSteps(services, start, kExchangeSteps));
            all.runs.push_back(lastSteps(services, start, services.pauseEnd.size()));
            QCoreApplication::processEvents();
            if (form->label(QStringLiteral("Label26")).caption() != QLatin1String("1")) {
                std::fprintf(stderr, "the item of %d units was not exchanged\n", units);
                return 1;
            }
        }
    }

    std::printf("platform: %s, scale factor %s\n", qPrintable(QGuiApplication::platformName()),
                qgetenv("QT_SCALE_FACTOR").isEmpty() ? "1"
                                                     : qgetenv("QT_SCALE_FACTOR").constData());
    std::printf("Form%d, items of 1 to 9 units, %d round(s)\n", kWindow, rounds);
    for (const Phase* p : {&nine, &exchange, &all})
        p->report();
    return 0;
}
