// The window routes the mouse to its windowless controls, and draws marks under them.
#include "test_form.h"

#include "platform/colour.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <QSet>
#include <QTest>

namespace {

using namespace platform;
using namespace platform_tests;
using testing_support::centreOf;
using testing_support::Pupil;
using Log = std::vector<std::string>;

const QRgb Teal = qRgb(0, 128, 128); // the middle of the board
const Colour Red = 0x0000FF, Blue = 0xFF0000, Yellow = 0x00FFFF;

// Positions are in whole pixels (15 twips) so the expected twips are exact.
WindowDesign mouseBoard() {
    WindowDesign d;
    d.caption = QStringLiteral("Mouse");
    d.foreColor = colours::White;
    d.controls = {
        label("Top", 1500, 1500, 1500, 900).back(colours::White),   // px 100,100 100x60
        label("Under", 2250, 1500, 1500, 900).back(colours::Peach), // px 150,100
        label("Off", 6000, 1500, 1500, 900),                        // px 400,100
        label("Gone", 6000, 3000, 1500, 900),                       // px 400,200
        shape("Box", 1500, 3000, 1500, 900),                        // px 100,200
        image("Pic", 1500, 4500, 480, 480).showing(assets::Picture::UnitBead, false), // px 100,300
        label("Drop", 6000, 4500, 1500, 900),                                         // px 400,300
        label("DropOff", 9000, 4500, 1500, 900),                                      // px 600,300
    };
    return d;
}

void noteMouse(TestForm& f) {
    for (const QString name : {"Top", "Under", "Off", "Gone", "Drop", "DropOff"}) {
        f.onClick(name, [&f, name] { f.note("Click " + name); });
        f.onDragDrop(name, [&f, name] { f.note("DragDrop " + name); });
    }
    f.onMouseDownOf("Pic", [&f](int button, int x, int y) {
        f.note(QString("Pic MouseDown %1 %2 %3").arg(button).arg(x).arg(y));
        if (f.memory)
            f.image("Pic").drag();
    });
    f.onMouseDown = [&f](int button, int x, int y) {
        f.note(QString("Board MouseDown %1 %2 %3").arg(button).arg(x).arg(y));
    };
}

TEST(PlatformMouse, ClicksReachTheTopmostLiveControl) {
    const std::map<int, TestWindow> table{{1, {mouseBoard(), noteMouse}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    const QPoint overlap(175, 130);

    // The pupil sees the first label over the second, and the click agrees.
    EXPECT_EQ(f.window()->grab().toImage().pixel(overlap), qRgb(255, 255, 255));
    pupil.clickAt(overlap);
    f.label("Top").setEnabled(false);
    pupil.clickAt(overlap);
    f.label("Top").setEnabled(true);
    f.label("Top").setVisible(false);
    pupil.clickAt(overlap);
    EXPECT_EQ(f.log, (Log{"Click Top", "Click Under", "Click Under"}));

    // Disabled and hidden labels, shapes and the bare board: the window's own MouseDown.
    f.log.clear();
    f.label("Off").setEnabled(false);
    f.label("Gone").setVisible(false);
    pupil.clickAt({450, 130});
    pupil.clickAt({450, 230});
    pupil.clickAt({120, 230});
    pupil.clickAt({600, 500}, Qt::RightButton);
    // An image is told where inside it the press was.
    pupil.clickAt({104, 306});
    pupil.clickAt({104, 306}, Qt::RightButton);
    EXPECT_EQ(f.log, (Log{"Board MouseDown 1 6750 1950", "Board MouseDown 1 6750 3450",
                          "Board MouseDown 1 1800 3450", "Board MouseDown 2 9000 7500",
                          "Pic MouseDown 1 60 90", "Pic MouseDown 2 60 90"}));
}

TEST(PlatformMouse, DraggedImageDropsOnLiveLabelsOnly) {
    const std::map<int, TestWindow> table{{1, {mouseBoard(), noteMouse}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    f.memory = 1; // the image starts a drag when pressed
    f.label("DropOff").setEnabled(false);
    const QRect home = f.image("Pic").pixelRect();

    pupil.drag("Pic", "Drop");
    EXPECT_EQ(f.log, (Log{"Pic MouseDown 1 225 225", "DragDrop Drop"}));
    f.log.clear();
    pupil.drag("Pic", "DropOff");
    pupil.dragTo("Pic", {700, 500});
    EXPECT_EQ(f.log, (Log{"Pic MouseDown 1 225 225", "Pic MouseDown 1 225 225"}));

    // Only an outline moved: the image is where it was, and is painted there.
    EXPECT_EQ(f.image("Pic").pixelRect(), home);
    EXPECT_FALSE(f.window()->dragging());
    const QImage shown = f.window()->grab().toImage();
    EXPECT_EQ(shown.pixel(home.center()), qRgb(255, 255, 255)); // the white bead
}

// A zone with two beads lying in it, a bead outside it and a zone that is switched off.
WindowDesign abacus() {
    WindowDesign d;
    d.caption = QStringLiteral("Abacus");
    d.controls = {
        image("Bead1", 1500, 1500, 480, 480).showing(assets::Picture::UnitBead, false),
        image("Bead2", 3000, 1500, 480, 480).showing(assets::Picture::UnitBead, false),
        image("Bead3", 1500, 6000, 480, 480).showing(assets::Picture::TenBead, false),
        label("Zone", 1200, 1200, 4500, 1200).transparent().bordered(), // px 80,80 300x80
        image("Bead4", 7500, 1500, 480, 480).showing(assets::Picture::UnitBead, false),
        label("Off", 7200, 1200, 1500, 1200).transparent(),
    };
    return d;
}

TEST(PlatformMouse, DropsOverBeadsReachTheZoneUnderThem) {
    const std::map<int, TestWindow> table{
        {1, {abacus(), [](TestForm& f) {
                 for (const QString bead : {"Bead1", "Bead2", "Bead3", "Bead4"})
                     f.onMouseDownOf(bead, [&f, bead](int, int, int) {
                         f.note("drag " + bead);
                         f.image(bead).drag();
                     });
                 for (const QString zone : {"Zone", "Off"})
                     f.onDragDrop(zone, [&f, zone] { f.note("DragDrop " + zone); });
             }}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    f.label("Off").setEnabled(false);

    pupil.drag("Bead1", "Bead2");      // onto a bead in the zone
    pupil.drag("Bead1", "Bead1");      // onto itself
    pupil.drag("Bead3", "Bead1");      // from outside, onto a bead
    pupil.drag("Bead1", "Bead3");      // onto a bead outside any zone
    pupil.drag("Bead1", "Bead4");      // onto a bead in a disabled zone
    pupil.dragTo("Bead2", {600, 200}); // onto the bare board
    pupil.dragTo("Bead2", centreOf(f.label("Zone")) + QPoint(100, 0)); // the zone itself
    EXPECT_EQ(f.log, (Log{"drag Bead1", "DragDrop Zone", "drag Bead1", "DragDrop Zone",
                          "drag Bead3", "DragDrop Zone", "drag Bead1", "drag Bead1", "drag Bead2",
                          "drag Bead2", "DragDrop Zone"}));
}

TEST(PlatformMouse, EveryPressIsAMouseDownButADoubleClickIsOneClick) {
    const std::map<int, TestWindow> table{{1, {mouseBoard(), noteMouse}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);

    // Four quick presses on the board and on an image: four MouseDowns each.
    pupil.doubleClickAt({600, 500});
    pupil.doubleClickAt({600, 500});
    pupil.doubleClickAt({104, 306});
    pupil.doubleClickAt({104, 306});
    const std::string board = "Board MouseDown 1 9000 7500", pic = "Pic MouseDown 1 60 90";
    EXPECT_EQ(f.log, (Log{board, board, board, board, pic, pic, pic, pic}));
    // A label's double click stays one Click.
    f.log.clear();
    pupil.doubleClickAt({120, 130});
    EXPECT_EQ(f.log, Log{"Click Top"});
}

TEST(PlatformMouse, OnlyTheLeftButtonAimsAClick) {
    const std::map<int, TestWindow> table{{1, {mouseBoard(), noteMouse}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    QWidget* w = f.window();
    const QPoint top(120, 130), off(450, 130);

    // Left pressed on one label, right pressed on another, left let go there: no Click.
    QTest::mousePress(w, Qt::LeftButton, {}, top);
    QTest::mousePress(w, Qt::RightButton, {}, off);
    QTest::mouseRelease(w, Qt::LeftButton, {}, off);
    QTest::mouseRelease(w, Qt::RightButton, {}, off);
    // Left pressed and let go on one label, with the right button pressed and let go in
    // between elsewhere: one Click.
    QTest::mousePress(w, Qt::LeftButton, {}, top);
    QTest::mousePress(w, Qt::RightButton, {}, off);
    QTest::mouseRelease(w, Qt::RightButton, {}, off);
    QTest::mouseRelease(w, Qt::LeftButton, {}, top);
    EXPECT_EQ(f.log, Log{"Click Top"});
}

TEST(PlatformLook, ClassDefaultsAndDisabledCaptionsAsTheDesktopDrawsThem) {
    WindowDesign d;
    d.caption = QStringLiteral("Look");
    d.controls = {
        boardText("On", 1500, 1500, 3000, 600, "CONFERMA", 18),
        boardText("Greyed", 1500, 3000, 3000, 600, "CONFERMA", 18),
        hotspot("Spot", 6000, 1500, 1500, 1500, "ESCI"),
        numberLabel("Number", 4800, 4500, 2175, 2295, 90).fore(colours::Black),
        answerBox("Text1", 7500, 4500, 2175, 2295, 90).colours(colours::Peach, colours::Black),
    };
    d.controls.push_back(shape("Disc", 1500, 4500, 1500, 1500));
    d.controls.back().shape = ShapeKind::Circle;
    d.controls.back().opaque = true;
    const std::map<int, TestWindow> table{{1, {d, {}}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    const auto shot = [&](const QString& name) {
        return f.window()->grab(f.control(name).pixelRect()).toImage();
    };

    // An opaque shape of the class defaults is white inside.
    EXPECT_EQ(f.window()->grab().toImage().pixel(centreOf(f.shape("Disc"))), qRgb(255, 255, 255));

    // A disabled caption is greyed; a caption-less hotspot looks the same either way.
    f.label("Greyed").setEnabled(false);
    EXPECT_NE(shot("On"), shot("Greyed"));
    const QImage spot = shot("Spot");
    f.label("Spot").setEnabled(false);
    EXPECT_EQ(shot("Spot"), spot);
    f.label("Greyed").setEnabled(true);
    EXPECT_EQ(shot("On"), shot("Greyed"));

    // A typed digit stands as high in its box as the same digit in the label beside it.
    f.label("Number").setCaption("7");
    pupil.click("Text1");
    pupil.type("7");
    const auto firstInkRow = [](const QImage& img) {
        // Inside the borders.
        for (int y = 4; y < img.height() - 4; ++y)
            for (int x = 4; x < img.width() - 4; ++x)
                if (qGray(img.pixel(x, y)) < 60)
                    return y;
        return -1;
    };
    const int inLabel = firstInkRow(shot("Number")), inBox = firstInkRow(shot("Text1"));
    ASSERT_GT(inLabel, 0);
    EXPECT_LE(std::abs(inBox - inLabel), 1) << "label " << inLabel << ", box " << inBox;
}

TEST(PlatformDrawing, MarksLieUnderControlsAndClsClearsThem) {
    const std::map<int, TestWindow> table{
        {1,
         {{.caption = "Drawing",
           .controls = {label("Cover", 4500, 1500, 1500, 900).back(colours::Peach)},
           .foreColor = colours::White},
          {}}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    QWidget* w = f.window();

    f.drawBox(1500, 1500, 1500, 900, Red, BoxStyle::Filled); // px 100,100 100x60
    f.setFillColor(Yellow);
    f.setFillStyle(6);
    f.drawBox(3000, 750, 3000, 1500, Blue, BoxStyle::Outlined); // px 200,50 200x100
    f.setCurrentX(1500);
    f.setCurrentY(6000);
    f.print("88"); // px 100,400

    const auto colours = [](const QImage& img, QRect area) {
        QSet<QRgb> seen;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                seen.insert(img.pixel(x, y));
        return seen;
    };
    const QRect hatch(210, 60, 80, 80), writing(100, 400, 40, 20);
    const QImage drawn = w->grab().toImage();
    EXPECT_EQ(drawn.pixel(150, 130), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(200, 80), qRgb(0, 0, 255)); // left side of the outline
    EXPECT_EQ(drawn.pixel(250, 50), qRgb(0, 0, 255)); // its top
    EXPECT_EQ(colours(drawn, hatch), (QSet<QRgb>{Teal, qRgb(255, 255, 0)}));
    // White writing, smoothed at its edges, edged in black so that it also reads where the
    // board is not behind it.
    const auto light = [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; };
    const auto dark = [](QRgb c) { return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40; };
    EXPECT_TRUE(std::ranges::any_of(colours(drawn, writing), light));
    EXPECT_TRUE(std::ranges::any_of(colours(drawn, writing), dark));
    // The opaque label lies over the outlined box.
    EXPECT_EQ(colours(drawn, QRect(300, 100, 100, 50)), QSet<QRgb>{toQColor(colours::Peach).rgb()});

    w->repaint();
    EXPECT_EQ(w->grab().toImage(), drawn);

    f.cls();
    const QImage clean = w->grab().toImage();
    EXPECT_EQ(colours(clean, QRect(100, 50, 300, 110)) - QSet<QRgb>{toQColor(colours::Peach).rgb()},
              QSet<QRgb>{Teal});
    EXPECT_EQ(colours(clean, writing), QSet<QRgb>{Teal});
    EXPECT_EQ(f.currentY(), 0);
}

} // namespace
