// The title window and the three menus, driven with the pupil's clicks.
#include "shell/windows.h"
#include "support/test_program.h"

#include <gtest/gtest.h>
#include <QTest>
#include <random>

using testing_support::Pupil;

namespace {

// Exercise windows may draw numbers as they open.
void allowRandom(Pupil& pupil) {
    pupil.services().free = std::mt19937(7);
}

struct Link {
    int from;
    const char* control;
    int to;
};

// Every link of the window graph that leads to a window this build always has.
const Link kShellLinks[] = {
    {1, "Label1", 5}, {5, "Label1", 2},  {5, "Label2", 24},
    {5, "Image1", 1}, {2, "Label26", 5}, {24, "Label25", 5},
};

// The exercise entries of the two number-range menus.
const Link kEntries[] = {
    {2, "Label2", 3},    {2, "Label3", 4},    {2, "Label25", 27},  {2, "Label4", 6},
    {2, "Label5", 7},    {2, "Label6", 8},    {2, "Label7", 9},    {2, "Label8", 10},
    {2, "Label9", 11},   {2, "Label21", 12},  {2, "Label22", 13},  {2, "Label11", 14},
    {2, "Label12", 15},  {2, "Label13", 16},  {2, "Label23", 17},  {2, "Label14", 18},
    {2, "Label16", 19},  {2, "Label15", 20},  {2, "Label17", 21},  {2, "Label18", 22},
    {2, "Label24", 23},  {24, "Label3", 25},  {24, "Label4", 26},  {24, "Label8", 28},
    {24, "Label7", 29},  {24, "Label9", 30},  {24, "Label10", 31}, {24, "Label11", 32},
    {24, "Label12", 33}, {24, "Label13", 34}, {24, "Label21", 35}, {24, "Label22", 36},
    {24, "Label14", 37}, {24, "Label16", 38}, {24, "Label17", 40}, {24, "Label23", 39},
    {24, "Label19", 41}, {24, "Label18", 42}, {24, "Label24", 43},
};

// Clicks `control` on window `from` (opened where the pupil would come to it) and checks
// where the pupil lands.
void followLink(const Link& link, bool targetExists) {
    SCOPED_TRACE(testing::Message()
                 << "Form" << link.from << " " << link.control << " -> Form" << link.to);
    Pupil pupil;
    allowRandom(pupil);
    pupil.open(link.from);
    pupil.current().window()->move(137, 61);
    const QPoint before = pupil.current().window()->pos();

    pupil.click(link.control);
    pupil.settle();

    EXPECT_EQ(pupil.services().ends, 0);
    ASSERT_EQ(pupil.loadedCount(), 1);
    const int expected = targetExists ? link.to : link.from;
    EXPECT_EQ(pupil.current().number(), expected);
    EXPECT_EQ(pupil.current().window()->pos(), before);
    EXPECT_TRUE(pupil.current().window()->isVisible());
}

} // namespace

TEST(ShellMenus, LinksBetweenTheMenusLeaveOneWindowWhereTheLastStood) {
    for (const Link& link : kShellLinks)
        followLink(link, true);
}

TEST(ShellMenus, EntriesOpenTheirExerciseOrDoNothing) {
    Pupil probe;
    int existing = 0;
    for (const Link& link : kEntries) {
        const bool exists = probe.program().exists(link.to);
        existing += exists;
        followLink(link, exists);
    }
    // The registry and the menus agree on what this build has.
    int listed = 0;
    for (int number : shell::existingForms())
        listed += number != 1 && number != 2 && number != 5 && number != 24;
    EXPECT_EQ(existing, listed);
}

TEST(ShellMenus, TheProgramStartsOnTheTitleAndWalksTheMenus) {
    Pupil pupil;
    pupil.program().start();
    ASSERT_EQ(pupil.current().number(), 1);
    const char* const route[][2] = {{"Label1", "5"},  {"Label1", "2"},  {"Label26", "5"},
                                    {"Label2", "24"}, {"Label25", "5"}, {"Image1", "1"},
                                    {"Label1", "5"}};
    for (const auto& [control, to] : route) {
        pupil.click(control);
        pupil.settle();
        ASSERT_EQ(pupil.loadedCount(), 1);
        EXPECT_EQ(pupil.current().number(), QByteArray(to).toInt()) << control;
    }
}

TEST(ShellMenus, CaptionsAreExact) {
    const struct {
        int number;
        const char* caption;
    } windows[] = {
        {1, "vesk - Aritmetica cl. I"},
        {5, "vesk - Aritmetica cl. I  Menu principale"},
        {2, "vesk - Aritmetica   cl. I     Menu operazioni entro 10"},
        {24, "vesk - Aritmetica   cl. I     Menu operazioni entro 20"},
    };
    for (const auto& w : windows) {
        Pupil pupil;
        EXPECT_EQ(pupil.open(w.number).window()->windowTitle(), QString::fromUtf8(w.caption));
    }
}

TEST(ShellMenus, TheExitSpotEndsTheProgram) {
    const struct {
        int number;
        const char* exit;
    } spots[] = {{1, "Label5"}, {5, "Label3"}, {2, "Label20"}, {24, "Label5"}};
    for (const auto& spot : spots) {
        SCOPED_TRACE(spot.number);
        Pupil pupil;
        pupil.open(spot.number);
        // A right click is no click.
        pupil.click(spot.exit, Qt::RightButton);
        EXPECT_EQ(pupil.services().ends, 0);
        EXPECT_EQ(pupil.loadedCount(), 1);

        pupil.click(spot.exit);
        pupil.settle();
        EXPECT_EQ(pupil.services().ends, 1);
        EXPECT_EQ(pupil.loadedCount(), 0);
        EXPECT_TRUE(pupil.program().ended());
        // Nothing opens once the program has ended.
        pupil.program().show(1);
        EXPECT_EQ(pupil.loadedCount(), 0);
    }
}

TEST(ShellMenus, TheTitleBarCloseButtonClosesTheLastWindowAndEndsTheProgram) {
    Pupil pupil;
    pupil.program().start();
    pupil.click("Label1");
    ASSERT_EQ(pupil.current().number(), 5);
    pupil.current().window()->close();
    pupil.settle();
    EXPECT_EQ(pupil.loadedCount(), 0);
    EXPECT_EQ(pupil.services().ends, 1);
}

TEST(ShellMenus, HeadingsAndInformationLinesTakeNoClick) {
    const struct {
        int number;
        std::vector<const char*> still; // labels a click on which changes nothing
        const char* text;               // the caption of the first of them
    } windows[] = {
        {1, {"Label2", "Label3", "Label4", "Label6"}, "Esercizi di aritmetica"},
        {5, {"Label4"}, nullptr},
        {2, {"Label10", "Label1", "Label19"}, "Ordina i numeri:"},
        {24, {"Label2", "Label6", "Label15", "Label1", "Label20"}, "FORMA LA DECINA:"},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.number);
        Pupil pupil;
        pupil.open(w.number);
        if (w.text) {
            EXPECT_EQ(pupil.caption(w.still.front()), QString::fromUtf8(w.text));
        }
        for (const char* name : w.still) {
            for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
                pupil.click(name, button);
                pupil.settle();
                EXPECT_EQ(pupil.services().ends, 0) << name;
                ASSERT_EQ(pupil.loadedCount(), 1) << name;
                EXPECT_EQ(pupil.current().number(), w.number) << name;
            }
        }
    }
    Pupil pupil;
    pupil.open(24);
    EXPECT_EQ(pupil.caption("Label6"), QStringLiteral("DAL 10 AL 20:"));
    EXPECT_EQ(pupil.caption("Label15"), QStringLiteral("Ordina i numeri:"));
}

TEST(ShellTitle, OnlyTheTitleWordAndTheExitSpotAnswer) {
    Pupil pupil;
    pupil.program().start();
    const QWidget* window = pupil.current().window();
    // A grid over the whole window, minus the two live spots.
    const QRect title = pupil.current().control("Label1").pixelRect();
    const QRect exit = pupil.current().control("Label5").pixelRect();
    for (int y = 2; y < window->height(); y += 23) {
        for (int x = 2; x < window->width(); x += 37) {
            const QPoint at(x, y);
            if (title.contains(at) || exit.contains(at))
                continue;
            pupil.clickAt(at);
            pupil.clickAt(at, Qt::RightButton);
            ASSERT_EQ(pupil.loadedCount(), 1) << x << "," << y;
            ASSERT_EQ(pupil.current().number(), 1) << x << "," << y;
        }
    }
    EXPECT_EQ(pupil.services().ends, 0);
    // Only a left click on the title word leads on.
    pupil.click("Label1", Qt::RightButton);
    EXPECT_EQ(pupil.current().number(), 1);
    pupil.click("Label1");
    pupil.settle();
    ASSERT_EQ(pupil.loadedCount(), 1);
    EXPECT_EQ(pupil.current().number(), 5);
}

TEST(ShellMenus, PressingOnALinkAndLettingGoElsewhereDoesNotFollowIt) {
    Pupil pupil;
    pupil.open(5);
    QWidget* window = pupil.current().window();
    const QPoint link = testing_support::centreOf(pupil.current().control("Label1"));
    QTest::mousePress(window, Qt::LeftButton, {}, link);
    QTest::mouseMove(window, QPoint(400, 100));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(400, 100));
    pupil.settle();
    ASSERT_EQ(pupil.loadedCount(), 1);
    EXPECT_EQ(pupil.current().number(), 5);
    // Dragging the arrow away is no click either.
    pupil.dragTo("Image1", QPoint(300, 300));
    pupil.settle();
    ASSERT_EQ(pupil.loadedCount(), 1);
    EXPECT_EQ(pupil.current().number(), 5);
}
