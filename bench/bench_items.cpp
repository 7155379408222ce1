// How quickly a drill window answers the chalk box: from the click on the new-item spot to
// the window painted with the new item (numbers, rods, faces), in the mixed rod window up to
// 10, which draws the most per item. Real random draws, real painting; between items one
// letter typed in the answer box gives the chalk box back, as a pupil's key would.
//
// Usage: bench_items [items]
#include "bench_input.h"
#include "platform/form.h"
#include "platform/program.h"
#include "shell/windows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <vector>

namespace {

constexpr int kWindow = 20;
constexpr double kFrameMs = 1000.0 / 60.0;

// The value below which a share p of the sorted samples lie.
double quantile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

void typeLetter(QWidget* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(box, &release);
}

// Runs the event loop until the window has painted more than `before` times.
bool paintedAfter(const platform::FormWindow& window, int before) {
    return bench::runUntil([&] { return window.paintCount() > before; }, 5000);
}

} // namespace

int main(int argc, char** argv) {
    const int items = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    QApplication app(argc, argv);
    platform::Program program(platform::desktopServices(), shell::createForm);
    program.show(kWindow);
    platform::Form* form = program.form(kWindow);
    if (!form || !form->window() || !paintedAfter(*form->window(), 0)) {
        std::fprintf(stderr, "Form%d did not come up\n", kWindow);
        return 1;
    }
    platform::FormWindow& window = *form->window();
    const QPoint chalkBox = form->control(QStringLiteral("Label1")).pixelRect().center();
    QWidget* answerBox = form->textBox(QStringLiteral("Text1")).widget();

    std::vector<double> handled, painted;
    for (int i = 0; i < items; ++i) {
        const int before = window.paintCount();
        QElapsedTimer timer;
        timer.start();
        bench::click(&window, chalkBox);
        handled.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!paintedAfter(window, before)) {
            std::fprintf(stderr, "item %d was not painted\n", i + 1);
            return 1;
        }
        // The answer box repaints itself apart from the window; let it finish too.
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        painted.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (form->label(QStringLiteral("Label3")).caption().isEmpty()) {
            std::fprintf(stderr, "item %d shows no numbers\n", i + 1);
            return 1;
        }
        typeLetter(answerBox);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

    const double median = quantile(painted, 0.5);
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("Form%d, chalk-box click to the item painted, %d items\n", kWindow, items);
    std::printf("    handler alone: median %.3f ms\n", quantile(handled, 0.5));
    std::printf("    painted:       median %.3f ms, 90th percentile %.3f ms, slowest %.3f ms\n",
                median, quantile(painted, 0.9), quantile(painted, 1.0));
    std::printf("    aim: within %.1f ms (one frame at 60 Hz)  -> %s\n", kFrameMs,
                median <= kFrameMs ? "met" : "MISSED");
    return 0;
}
