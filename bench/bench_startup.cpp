// How quickly the program comes up and moves between windows, and whether it holds on to
// memory as the pupil goes round. Prints each figure next to its aim.
//
// Start-up is measured in fresh child processes of this same binary, from just before the
// parent spawns the child to the moment the child's first window is painted, on the shared
// monotonic clock. The child either shows the title window through the real program or an
// empty QWidget of the same size; both pay the same exec, dynamic loading and QApplication
// costs, so the ratio is the price of the title window itself. Measuring the empty window
// in this process instead would hand the second measurement warm font and style caches.
//
// The cost of a pause is measured on a window of about 60 controls in which one bead makes
// 2340 steps of 40 twips with a real Sleep(1) after each, as the abacus exchange does: the
// total time against the time of the pauses alone.
//
// Usage: bench_startup [runs]        (children: bench_startup --child title|empty)
//        bench_startup --pauses      (the pauses alone)
#include "bench_input.h"
#include "platform/form.h"
#include "platform/program.h"
#include "shell/windows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <malloc.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::int64_t monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Taken while this file's statics are set up, before main and before QApplication.
const std::int64_t kStaticInitNs = monotonicNs();

double ms(std::int64_t ns) {
    return double(ns) / 1e6;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double percentile(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

// A field of /proc/self/status in KiB.
long statusKiB(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    return -1;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, e);
    }
};

// ---- the child side of the start-up measurement

int childMain(int argc, char** argv, bool title) {
    QApplication app(argc, argv);
    const std::int64_t appNs = monotonicNs();
    std::int64_t shownNs = 0, paintedNs = 0;
    if (title) {
        platform::Program program(platform::desktopServices(), shell::createForm);
        program.start();
        shownNs = monotonicNs();
        platform::Form* form = program.form(1);
        if (!form || !form->window())
            return 3;
        // The window is already showing; its own count sees the first paint.
        if (!bench::runUntil([&] { return form->window()->paintCount() > 0; }))
            return 4;
        paintedNs = monotonicNs();
    } else {
        QWidget empty;
        empty.setFixedSize(792, 573);
        PaintCounter counter;
        empty.installEventFilter(&counter);
        empty.show();
        shownNs = monotonicNs();
        if (!bench::runUntil([&] { return counter.paints > 0; }))
            return 4;
        paintedNs = monotonicNs();
    }
    std::printf("%lld %lld %lld %lld\n", static_cast<long long>(kStaticInitNs),
                static_cast<long long>(appNs), static_cast<long long>(shownNs),
                static_cast<long long>(paintedNs));
    std::fflush(stdout);
    return 0;
}

// ---- the parent side

// Milliseconds from the spawn to each stage of a child's start.
struct StartUp {
    double loaded = 0;  // this file's statics run: exec and dynamic loading done
    double app = 0;     // QApplication constructed
    double shown = 0;   // the window built and shown
    double painted = 0; // its first paint done
    bool ok = false;
};

StartUp spawnChild(const char* kind) {
    StartUp result;
    int fds[2];
    if (pipe(fds) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char exe[] = "/proc/self/exe";
    char child[] = "--child";
    std::string kindArg = kind;
    char* args[] = {exe, child, kindArg.data(), nullptr};
    pid_t pid = 0;
    const std::int64_t spawnedNs = monotonicNs();
    const int rc = posix_spawn(&pid, exe, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return result;
    }
    std::string out;
    char buffer[256];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, size_t(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long stage[4] = {};
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
        std::sscanf(out.c_str(), "%lld %lld %lld %lld", &stage[0], &stage[1], &stage[2],
                    &stage[3]) == 4) {
        result.loaded = ms(stage[0] - spawnedNs);
        result.app = ms(stage[1] - spawnedNs);
        result.shown = ms(stage[2] - spawnedNs);
        result.painted = ms(stage[3] - spawnedNs);
        result.ok = true;
    }
    return result;
}

platform::Form* onlyWindow(platform::Program& program) {
    return program.activeForm();
}

// The label on an exercise window that leads back to its own menu: "TORNA A MENU10" and
// the like, not the main menu.
QString backLinkOf(const platform::Form& form) {
    QString fallback;
    for (const auto& c : form.window()->controls()) {
        auto* label = dynamic_cast<const platform::Label*>(c.get());
        if (!label || !label->isLive() || label->pointer() != assets::Pointer::PointingHand)
            continue;
        if (!label->caption().contains(QLatin1String("MENU")))
            continue;
        if (!label->caption().contains(QLatin1String("PRINCIPALE")))
            return label->name();
        fallback = label->name();
    }
    return fallback;
}

struct Step {
    int from;
    QString control; // empty: the exercise window's way back
    int to;
};

// One switch: the click, the new window's first paint and the old window's disposal.
bool timedSwitch(platform::Program& program, const Step& step, std::vector<double>& times) {
    platform::Form* from = onlyWindow(program);
    if (!from || from->number() != step.from) {
        std::fprintf(stderr, "expected Form%d on the screen\n", step.from);
        return false;
    }
    const QString name = step.control.isEmpty() ? backLinkOf(*from) : step.control;
    platform::Control* control = from->window()->find(name);
    if (!control) {
        std::fprintf(stderr, "no way on from Form%d\n", step.from);
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    bench::click(from->window(), control->pixelRect().center());
    platform::Form* to = program.form(step.to);
    if (!to || !to->isLoaded()) {
        std::fprintf(stderr, "Form%d %s did not open Form%d\n", step.from, qPrintable(name),
                     step.to);
        return false;
    }
    platform::FormWindow* window = to->window();
    if (!bench::runUntil([&] { return window->paintCount() > 0; }))
        return false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    times.push_back(double(timer.nsecsElapsed()) / 1e6);
    return program.loadedForms().size() == 1;
}

// Shows every window once, each where the one before stood, as the pupil would see it.
bool visitAll(platform::Program& program) {
    for (int number : shell::existingForms()) {
        platform::Form* before = onlyWindow(program);
        if (before && before->number() == number)
            continue;
        program.show(number);
        platform::Form* now = program.form(number);
        if (!now || !now->isLoaded())
            return false;
        platform::FormWindow* window = now->window();
        if (!bench::runUntil([&] { return window->paintCount() > 0; }))
            return false;
        if (before)
            before->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

long trimmedRssKiB() {
    // Give the allocator's free pages back first: what is left is what the program holds.
    malloc_trim(0);
    return statusKiB("VmRSS");
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

// The desktop's services, with the time spent in the pauses themselves added up.
class TimedPauses : public platform::Services {
public:
    TimedPauses() : desktop_(platform::desktopServices()) {}
    std::int64_t pausedNs = 0;

    void randomize() override { desktop_->randomize(); }
    double rnd() override { return desktop_->rnd(); }
    void beep() override { desktop_->beep(); }
    void sleep(int ms) override {
        const std::int64_t start = monotonicNs();
        desktop_->sleep(ms);
        pausedNs += monotonicNs() - start;
    }
    void end() override { desktop_->end(); }

private:
    std::unique_ptr<platform::Services> desktop_;
};

// A busy drill window: titles, score line, number boxes, answer boxes, faces, rods and
// beads, about 60 controls in all.
platform::WindowDesign busyWindow() {
    using namespace platform;
    WindowDesign d;
    d.caption = QStringLiteral("bench");
    d.controls.push_back(
        image("Image1", 600, 600, 480, 480).showing(assets::Picture::TenBead, false));
    d.controls.push_back(
        boardText("Label1", 240, 600, 11535, 615, "Forma la decina", 18.75).centred());
    for (int i = 0; i < 18; ++i)
        d.controls.push_back(boardText(QStringLiteral("Word%1").arg(i), 600 + 1200 * (i % 9),
                                       1500 + 600 * (i / 9), 1095, 495, "ESATTI", 14.25));
    for (int i = 0; i < 12; ++i)
        d.controls.push_back(
            numberLabel(QStringLiteral("Number%1").arg(i), 600 + 900 * i, 3000, 855, 855, 36)
                .withCaption(QString::number(i)));
    for (int i = 0; i < 3; ++i)
        d.controls.push_back(
            answerBox(QStringLiteral("Text%1").arg(i), 600 + 2400 * i, 4200, 1815, 1695, 72));
    for (int i = 0; i < 12; ++i)
        d.controls.push_back(image(QStringLiteral("Bead%1").arg(i), 8400 + 480 * (i % 6),
                                   4200 + 480 * (i / 6), 480, 480)
                                 .showing(assets::Picture::UnitBead, false));
    for (const assets::Picture face :
         {assets::Picture::NeutralFace, assets::Picture::SmilingFace, assets::Picture::SadFace})
        d.controls.push_back(image(QStringLiteral("Face%1").arg(int(face)), 7200, 5760, 1200, 1185)
                                 .showing(face, true));
    for (int i = 0; i < 6; ++i) {
        ControlDesign rod =
            line(QStringLiteral("Line%1").arg(i), 1200 + 1800 * i, 6300, 1200 + 1800 * i, 7800);
        rod.borderColor = 0x00004080;
        rod.borderWidth = 3;
        d.controls.push_back(rod);
    }
    d.controls.push_back(hotspot("Label9", 480, 7680, 1095, 975, "DAMMI IL NUMERO"));
    d.controls.push_back(hotspot("Label10", 1680, 7680, 855, 855, "ESCI"));
    return d;
}

class BusyForm : public platform::Form {
public:
    BusyForm(platform::Program& program, int number, const platform::WindowDesign& design)
        : Form(program, number, design) {}

    // 2340 steps of 40 twips, back and forth across the board, a pause after each.
    void exchange() {
        platform::Image& bead = image("Image1");
        int dx = 40;
        for (int step = 0; step < 2340; ++step) {
            if (bead.left() + dx < 600 || bead.left() + dx > 10800)
                dx = -dx;
            bead.move(bead.left() + dx, bead.top());
            program().sleep(1);
        }
    }
};

// (d) the cost of a pause: total time of the exchange against its pauses alone.
bool timedPauses() {
    const platform::WindowDesign design = busyWindow();
    auto services = std::make_unique<TimedPauses>();
    TimedPauses& timed = *services;
    platform::Program program(
        std::move(services), [&](platform::Program& p, int n) -> std::unique_ptr<platform::Form> {
            return n == 1 ? std::make_unique<BusyForm>(p, n, design) : nullptr;
        });
    program.show(1);
    auto& form = program.as<BusyForm>(1);
    if (!bench::runUntil([&] { return form.window()->paintCount() > 0; }))
        return false;
    int controls = int(form.window()->controls().size());
    std::vector<double> totals, pauses;
    for (int run = 0; run < 3; ++run) {
        timed.pausedNs = 0;
        const std::int64_t start = monotonicNs();
        form.dispatch([&] { form.exchange(); });
        totals.push_back(ms(monotonicNs() - start));
        pauses.push_back(ms(timed.pausedNs));
        QCoreApplication::processEvents();
    }
    const double total = median(totals), paused = median(pauses), ratio = total / paused;
    std::printf("\n(d) pauses, %d controls, 2340 steps of 40 twips with Sleep(1), median of 3\n",
                controls);
    std::printf(
        "    total %.0f ms, pauses alone %.0f ms, ratio %.2f (scale factor %s)\n", total, paused,
        ratio, qgetenv("QT_SCALE_FACTOR").isEmpty() ? "1" : qgetenv("QT_SCALE_FACTOR").constData());
    std::printf("    aim: within 1.20  -> %s\n", verdict(ratio <= 1.20));
    return true;
}

int parentMain(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::printf("platform: %s\n", qgetenv("QT_QPA_PLATFORM").isEmpty()
                                      ? "(default)"
                                      : qgetenv("QT_QPA_PLATFORM").constData());

    // (a) start-up, alternating the two kinds so that drifts hit both alike; one warm-up
    // run of each fills the disk cache.
    spawnChild("empty");
    spawnChild("title");
    std::vector<StartUp> empty, title;
    for (int i = 0; i < runs; ++i) {
        for (const char* kind : {"empty", "title"}) {
            const StartUp s = spawnChild(kind);
            if (!s.ok) {
                std::fprintf(stderr, "the %s child failed\n", kind);
                return 1;
            }
            (kind[0] == 'e' ? empty : title).push_back(s);
        }
    }
    auto stage = [](const std::vector<StartUp>& runs, double StartUp::*field) {
        std::vector<double> v;
        for (const StartUp& s : runs)
            v.push_back(s.*field);
        return median(v);
    };
    const double ratio = stage(title, &StartUp::painted) / stage(empty, &StartUp::painted);
    std::printf("\n(a) start-up, process spawn to first paint, median of %d runs each\n", runs);
    std::printf(
        "                            loaded  QApplication  shown  painted (ms from spawn)\n");
    for (const auto& [name, runsOf] :
         {std::pair{"empty 792x573 QWidget", &empty}, std::pair{"title window Form1   ", &title}})
        std::printf("    %s  %7.2f  %12.2f  %5.2f  %7.2f\n", name, stage(*runsOf, &StartUp::loaded),
                    stage(*runsOf, &StartUp::app), stage(*runsOf, &StartUp::shown),
                    stage(*runsOf, &StartUp::painted));
    std::printf("    ratio %.2f   aim: within 1.30x the empty window  -> %s\n", ratio,
                verdict(ratio <= 1.30));

    QApplication app(argc, argv);
    platform::Program program(platform::desktopServices(), shell::createForm);
    program.start();
    if (!bench::runUntil([&] { return program.form(1)->window()->paintCount() > 0; }))
        return 1;

    // (b) window switches round the menus, and into an exercise and back where there is one.
    std::vector<Step> round = {
        {1, "Label1", 5},  {5, "Label1", 2},   {2, "Label26", 5},
        {5, "Label2", 24}, {24, "Label25", 5}, {5, "Label1", 2},
    };
    if (program.exists(14)) {
        round.push_back({2, "Label11", 14});
        round.push_back({14, QString(), 2});
    }
    round.push_back({2, "Label26", 5});
    if (program.exists(37)) {
        round.push_back({5, "Label2", 24});
        round.push_back({24, "Label14", 37});
        round.push_back({37, QString(), 24});
        round.push_back({24, "Label25", 5});
    }
    round.push_back({5, "Image1", 1});
    std::vector<double> switches;
    for (int lap = 0; lap < 30; ++lap)
        for (const Step& step : round)
            if (!timedSwitch(program, step, switches))
                return 1;
    const double switchMedian = median(switches);
    std::printf("\n(b) window switch, click to the new window painted, %zu switches\n",
                switches.size());
    std::printf("    median %.3f ms, 90th percentile %.3f ms, slowest %.3f ms\n", switchMedian,
                percentile(switches, 0.9), percentile(switches, 1.0));
    std::printf("    aim: within 16.7 ms (one frame at 60 Hz)  -> %s\n",
                verdict(switchMedian <= 16.7));

    // (c) memory.
    if (!visitAll(program))
        return 1;
    const long peak = statusKiB("VmHWM");
    const long once = trimmedRssKiB();
    for (int lap = 1; lap < 5; ++lap)
        if (!visitAll(program))
            return 1;
    const long fiveTimes = trimmedRssKiB();
    const long growth = fiveTimes - once;
    std::printf("\n(c) memory, %zu windows\n", shell::existingForms().size());
    std::printf("    peak (VmHWM) after every window shown once: %ld KiB\n", peak);
    std::printf("    resident after all windows 1x: %ld KiB, 5x: %ld KiB, growth %+ld KiB\n", once,
                fiveTimes, growth);
    std::printf("    aim: not growing (within 256 KiB)  -> %s\n", verdict(growth <= 256));
    for (platform::Form* f : program.loadedForms())
        f->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    if (!timedPauses())
        return 1;
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return childMain(argc, argv, std::strcmp(argv[2], "title") == 0);
    if (argc == 2 && std::strcmp(argv[1], "--pauses") == 0) {
        QApplication app(argc, argv);
        return timedPauses() ? 0 : 1;
    }
    return parentMain(argc, argv);
}
