// The program around the windows: loading and unloading, pauses, the end, random numbers.
#include "test_form.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QPaintEvent>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <stdexcept>

namespace {

using namespace platform;
using namespace platform_tests;
using testing_support::centreOf;
using testing_support::Pupil;
using Log = std::vector<std::string>;

WindowDesign smallWindow() {
    WindowDesign d;
    d.caption = QStringLiteral("Small");
    d.controls = {label("Label1", 1005, 600, 1500, 450).withCaption("A").back(colours::White),
                  label("Step", 6000, 600, 1500, 450).withCaption("go"),
                  textBox("Text1", 600, 3000, 1500, 450)};
    return d;
}

// Notes the areas a window paints.
class PaintWatch : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(e)->region();
        return QObject::eventFilter(watched, e);
    }
};

TEST(PlatformProgram, SleepPaintsWhatChangedBeforeThePauseAndNothingElse) {
    const std::map<int, TestWindow> table{{1, {smallWindow(), [](TestForm& f) {
                                                   f.onClick("Step", [&f] {
                                                       f.label("Label1").setCaption("B");
                                                       f.textBox("Text1").setText("4");
                                                       f.program().sleep(700);
                                                   });
                                               }}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window()));
    QApplication::processEvents();
    PaintWatch window, box;
    f.window()->installEventFilter(&window);
    f.textBox("Text1").widget()->installEventFilter(&box);
    QRegion duringPause, boxDuringPause;
    pupil.services().onSleep = [&](int) {
        duringPause = window.painted;
        boxDuringPause = box.painted;
    };

    pupil.click("Step");
    EXPECT_EQ(pupil.services().sleeps, std::vector<int>{700});
    // The new caption and the new text were painted before the pause began ...
    const QRect label = f.label("Label1").pixelRect();
    EXPECT_TRUE(duringPause.contains(label));
    EXPECT_EQ(boxDuringPause, QRegion(f.textBox("Text1").widget()->rect()));
    // ... and not the window around them.
    EXPECT_FALSE(duringPause.intersects(QRect(400, 300, 100, 100)));
    const QRect bounds = duringPause.boundingRect();
    EXPECT_LT(bounds.width() * bounds.height(), f.window()->width() * f.window()->height() / 4);
}

TEST(PlatformProgram, DrawingStateStartsFromTheDesignAtEachLoad) {
    WindowDesign design = smallWindow();
    design.foreColor = 0x0000FFFF; // yellow writing
    const std::map<int, TestWindow> table{{1, {design, [](TestForm& f) {
                                                   f.onClick("Step", [&f] {
                                                       f.setFillColor(0x00FF0000);
                                                       f.setFillStyle(6);
                                                       f.setDrawWidth(3);
                                                       f.setForeColor(colours::Black);
                                                       f.setCurrentX(600);
                                                       f.print("5");
                                                       f.print("6");
                                                   });
                                               }}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    pupil.click("Step");
    EXPECT_GT(f.currentY(), 0);
    f.unload();
    pupil.open(1);
    EXPECT_EQ(f.currentX(), 0);
    EXPECT_EQ(f.currentY(), 0);
    EXPECT_EQ(f.fillColor(), colours::Black);
    EXPECT_EQ(f.fillStyle(), 1);
    EXPECT_EQ(f.drawWidth(), 1);
    EXPECT_EQ(f.foreColor(), 0x0000FFFFu);
    EXPECT_TRUE(f.window()->marks().empty());
    // Print writes in the window's colour from the top-left corner again.
    f.print("7");
    const QImage shown = f.window()->grab(QRect(0, 0, 30, 30)).toImage();
    bool yellow = false;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            yellow |= shown.pixel(x, y) == qRgb(255, 255, 0);
    EXPECT_TRUE(yellow);
}

TEST(PlatformProgram, AWindowOnItsWayOutTakesNoInputAndNoClose) {
    const std::map<int, TestWindow> table{
        {1,
         {smallWindow(),
          [](TestForm& f) {
              f.onClick("Step",
                        [&f] { f.label("Label1").setCaption(QString::number(++f.memory)); });
              f.onKeyPress("Text1",
                           [&f](int&) { f.note("KeyPress " + f.textBox("Text1").text()); });
              f.onKeyUp("Text1", [&f](int, int) { f.note("KeyUp"); });
              f.onMouseDown = [&f](int, int, int) { f.note("MouseDown"); };
          }}},
        {2, {smallWindow(), {}}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    pupil.program().show(2);
    QPointer<FormWindow> old = f.window();
    QPointer<QWidget> oldBox = f.textBox("Text1").widget();
    const QPoint step = centreOf(f.label("Step"));
    f.unload();

    // Input still on its way to the unloaded window.
    const auto poke = [&] {
        ASSERT_FALSE(old.isNull());
        QTest::mouseClick(old, Qt::LeftButton, {}, step);
        QTest::mouseClick(old, Qt::LeftButton, {}, {700, 500});
        QTest::mouseClick(oldBox, Qt::LeftButton);
        QTest::keyClick(oldBox, Qt::Key_1, Qt::NoModifier);
    };
    poke();
    EXPECT_EQ(f.memory, 0);
    EXPECT_EQ(f.log, Log{});

    // Back to the same window: the old one's input does not act on the new one.
    pupil.form(2).unload();
    pupil.open(1);
    ASSERT_NE(f.window(), old.data());
    poke();
    EXPECT_EQ(f.memory, 0);
    EXPECT_EQ(pupil.caption("Label1"), "A");
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(f.log, Log{});

    // A late close of the old window leaves the new one alone.
    old->close();
    EXPECT_TRUE(f.isLoaded());
    EXPECT_EQ(pupil.services().ends, 0);
    EXPECT_EQ(pupil.visibleWindows(), 1);
}

TEST(PlatformProgram, UnloadKeepsFormStateAndFreesTheWindow) {
    const std::map<int, TestWindow> table{
        {1, {smallWindow(), {}, [](TestForm& f) { f.note("Load " + QString::number(f.memory)); }}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    f.memory = 7;
    f.label("Label1").setCaption("changed");
    QPointer<FormWindow> first = f.window();

    f.unload();
    EXPECT_FALSE(f.isLoaded());
    pupil.settle();
    EXPECT_TRUE(first.isNull());

    pupil.open(1);
    pupil.open(1); // already loaded: no second Form_Load
    EXPECT_EQ(f.log, (Log{"Load 0", "Load 7"}));
    EXPECT_EQ(pupil.caption("Label1"), "A"); // a fresh window looks as designed
    EXPECT_TRUE(f.window()->isVisible());
}

TEST(PlatformProgram, DesignErrorsThrowAtLoad) {
    WindowDesign twice = smallWindow();
    twice.controls.push_back(label("Step", 0, 0, 100, 100));
    const std::map<int, TestWindow> table{
        {1, {twice, {}}}, {2, {smallWindow(), [](TestForm& f) { f.onClick("Missing", [] {}); }}}};
    Pupil pupil(windows(table));
    EXPECT_THROW(pupil.open(1), std::logic_error);
    EXPECT_THROW(pupil.open(2), std::logic_error);
    EXPECT_EQ(pupil.loadedCount(), 0);
}

TEST(PlatformProgram, EndUnloadsEverythingAndSilencesLaterHandlers) {
    const std::map<int, TestWindow> table{{1,
                                           {smallWindow(),
                                            [](TestForm& f) {
                                                f.onClick("Step", [&f] { f.program().end(); });
                                                f.onKeyPress("Text1",
                                                             [&f](int&) { f.note("KeyPress"); });
                                            }}},
                                          {2, {smallWindow(), {}}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(2);
    pupil.program().show(1);
    ASSERT_EQ(pupil.loadedCount(), 2);
    QPointer<QWidget> box = f.textBox("Text1").widget();

    QTest::mouseClick(f.window(), Qt::LeftButton, {}, centreOf(f.label("Step")));
    EXPECT_EQ(pupil.services().ends, 1);
    EXPECT_EQ(pupil.loadedCount(), 0);

    // A key still on its way to the old window, and a window asked for afterwards.
    ASSERT_FALSE(box.isNull());
    QTest::keyClick(box, Qt::Key_1);
    pupil.program().show(1);
    EXPECT_EQ(pupil.loadedCount(), 0);
    EXPECT_EQ(f.log, Log{});
}

TEST(PlatformProgram, MovesAddUpInTwips) {
    const std::map<int, TestWindow> table{{1, {smallWindow(), [](TestForm& f) {
                                                   f.onClick("Step", [&f] {
                                                       Label& l = f.label("Label1");
                                                       l.setLeft(l.left() + 40);
                                                   });
                                               }}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    for (int i = 0; i < 3; ++i)
        pupil.click("Step");
    EXPECT_EQ(f.label("Label1").left(), 1005 + 120);
    // 1125 twips are 75 pixels: the label is painted from there.
    const QImage shown = f.window()->grab().toImage();
    EXPECT_EQ(shown.pixel(75, 65), qRgb(255, 255, 255));
    EXPECT_NE(shown.pixel(74, 65), qRgb(255, 255, 255));
}

TEST(PlatformRandom, ScriptedValuesComeInOrder) {
    Pupil pupil([](Program&, int) -> std::unique_ptr<Form> { return nullptr; });
    pupil.script({0.25, 0.5, 0.125});
    Program& program = pupil.program();
    const double a = program.rnd(), b = program.rnd(), c = program.rnd();
    EXPECT_EQ(std::vector<double>({a, b, c}), std::vector<double>({0.25, 0.5, 0.125}));
}

TEST(PlatformRandom, DesktopRandomizeMixesWithoutRestarting) {
    auto one = desktopServices(), two = desktopServices();
    QSet<double> seen;
    std::vector<double> first, second;
    for (int i = 0; i < 200; ++i) {
        one->randomize();
        first.push_back(one->rnd());
        two->randomize();
        second.push_back(two->rnd());
        for (double v : {first.back(), second.back()}) {
            EXPECT_GE(v, 0.0);
            EXPECT_LT(v, 1.0);
            seen.insert(v);
        }
    }
    EXPECT_NE(first, second);
    EXPECT_GT(seen.size(), 390);
}

} // namespace
