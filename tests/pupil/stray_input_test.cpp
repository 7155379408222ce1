// Input the pupil did not mean for the window that gets it: a Tab that arrives after a link
// has already unloaded the window, and presses of the mouse's other buttons on the answer
// boxes.
#include "shell/exercise_frame.h"
#include "shell/windows.h"
#include "support/test_program.h"

#include <gtest/gtest.h>
#include <QPointer>

using namespace platform;
using testing_support::centreOf;
using testing_support::Pupil;

namespace {

// Opens a window with the pupil's random draws free and, in a drill, its first item asked for.
Form& openWithItem(Pupil& pupil, int number) {
    pupil.services().free.emplace(number);
    Form& f = pupil.open(number);
    pupil.askForItem();
    return f;
}

std::vector<TextBox*> liveBoxes(Form& form) {
    std::vector<TextBox*> live;
    for (TextBox* box : form.window()->tabOrder())
        if (box->isLive())
            live.push_back(box);
    return live;
}

// A drill with its first item, and the pupil's click into its first box.
shell::ExerciseForm& drillWithFocusInABox(Pupil& pupil, int number) {
    auto& drill = dynamic_cast<shell::ExerciseForm&>(openWithItem(pupil, number));
    pupil.clickInto(liveBoxes(drill).front()->name());
    return drill;
}

// Tabs come from the keyboard to whatever box the old window last gave the focus; their
// GotFocus handlers ask for controls the unloaded window no longer has.
TEST(StrayInput, ATabQueuedBehindALinkOrACloseReachesNoHandlerOfTheOldWindow) {
    // Each window with the menu its "TORNA A" link leads to.
    for (auto [number, menu] : {std::pair{17, 2},
                                {3, 2},
                                {6, 2},
                                {29, 24},
                                {27, 2},
                                {28, 24},
                                {39, 24},
                                {14, 2},
                                {11, 2}}) {
        SCOPED_TRACE("Form" + std::to_string(number));
        Pupil pupil;
        shell::ExerciseForm& drill = drillWithFocusInABox(pupil, number);
        pupil.type("7");
        const int beeps = pupil.services().beeps;
        QPointer<FormWindow> old = drill.window();
        TextBox* focused = old->focusedBox();
        ASSERT_NE(focused, nullptr);

        pupil.queueClickAt(centreOf(drill.control(drill.frameNames().subMenu)));
        pupil.queueTab();
        pupil.runQueued();

        ASSERT_FALSE(old.isNull());
        EXPECT_EQ(old->focusedBox(), nullptr);
        EXPECT_EQ(old->focusWidget(), focused->widget()) << "the old window's focus moved";
        EXPECT_EQ(pupil.services().beeps, beeps);
        EXPECT_EQ(pupil.visibleWindows(), 1);
        EXPECT_EQ(pupil.current().number(), menu);
    }

    // The pupil closes the window; the program ends, and a Tab after it moves nothing.
    for (int number : {17, 11}) {
        SCOPED_TRACE("Form" + std::to_string(number));
        Pupil pupil;
        QPointer<FormWindow> old = drillWithFocusInABox(pupil, number).window();
        QWidget* focus = old->focusWidget();
        pupil.queueClose();
        pupil.queueTab();
        pupil.runQueued();
        EXPECT_EQ(pupil.services().ends, 1);
        EXPECT_EQ(pupil.loadedCount(), 0);
        ASSERT_FALSE(old.isNull());
        EXPECT_EQ(old->focusWidget(), focus);
    }
}

// Only the left and the right button put the focus into a box; the middle and the back
// button do nothing there, so the keyboard and the window never disagree on the focus.
TEST(StrayInput, OtherButtonsGiveNoBoxTheFocus) {
    int windowsWithBoxes = 0;
    for (int number : shell::existingForms()) {
        Pupil pupil;
        Form& f = openWithItem(pupil, number);
        const std::vector<TextBox*> boxes = liveBoxes(f);
        windowsWithBoxes += !boxes.empty();
        for (TextBox* box : boxes) {
            if (box->hasFocus())
                continue;
            for (auto button : {Qt::MiddleButton, Qt::BackButton}) {
                pupil.click(box->name(), button);
                EXPECT_TRUE(pupil.focusAgrees())
                    << "Form" << number << " " << box->name().toStdString();
                EXPECT_FALSE(box->hasFocus())
                    << "Form" << number << " " << box->name().toStdString();
            }
        }
    }
    EXPECT_EQ(windowsWithBoxes, 30); // every window that has answer boxes

    // A digit typed after only a middle click lands nowhere and judges nothing.
    Pupil pupil;
    openWithItem(pupil, 14);
    pupil.click("Text1", Qt::MiddleButton);
    pupil.type("5");
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(pupil.face(), "neutral");
    EXPECT_EQ(pupil.caption("Label4"), "");
}

} // namespace
