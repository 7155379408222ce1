// Text boxes as the pupil types into them: KeyPress by reference, KeyUp, Tab, focus.
#include "test_form.h"

#include "platform/colour.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>

namespace {

using namespace platform;
using namespace platform_tests;
using testing_support::Pupil;
using Log = std::vector<std::string>;

const QStringList kBoxes = {"Text1", "Text2", "Text3", "Text4"};

WindowDesign fourBoxes() {
    WindowDesign d;
    d.caption = QStringLiteral("Boxes");
    for (int i = 0; i < 4; ++i)
        d.controls.push_back(textBox(kBoxes[i], 600, 600 + 900 * i, 1500, 450).tab(i));
    d.controls.push_back(label("Label1", 6000, 600, 1500, 450).withCaption("OK"));
    return d;
}

// Every box notes its KeyPress (with its text as the handler finds it), KeyUp, GotFocus and
// Click.
void noteAll(TestForm& f) {
    for (const QString& name : kBoxes) {
        TextBox* box = &f.textBox(name);
        f.onKeyPress(name, [&f, box, name](int& k) {
            f.note(name + " KeyPress " + QString::number(k) + " '" + box->text() + "'");
        });
        f.onKeyUp(name, [&f, name](int code, int shift) {
            f.note(name + " KeyUp " + QString::number(code) + " " + QString::number(shift));
        });
        f.onGotFocus(name, [&f, name] { f.note(name + " GotFocus"); });
        f.onClick(name, [&f, name] { f.note(name + " Click"); });
    }
}

void sendKey(QWidget* w, QEvent::Type type, Qt::Key key, const QString& text, bool autoRepeat) {
    QKeyEvent e(type, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(w, &e);
}

TEST(PlatformKeys, KeyPressFiltersTheKeyByReference) {
    const std::map<int, TestWindow> table{{1, {fourBoxes(), [](TestForm& f) {
                                                   f.onKeyPress("Text1", [&f](int& k) {
                                                       f.note(QString::number(k) + " '" +
                                                              f.textBox("Text1").text() + "'");
                                                       if (k == 'x' || (k == 8 && f.memory))
                                                           k = 0;
                                                       else if (k == 'a')
                                                           k = 'A';
                                                   });
                                               }}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    f.log.clear();

    pupil.type("1a2x");
    EXPECT_EQ(pupil.text("Text1"), "1A2");
    pupil.press(Qt::Key_Backspace);
    EXPECT_EQ(pupil.text("Text1"), "1A");
    f.memory = 1; // now Backspace is swallowed too
    pupil.press(Qt::Key_Backspace);
    EXPECT_EQ(pupil.text("Text1"), "1A");
    // The handler sees the text as it was before each key.
    EXPECT_EQ(f.log, (Log{"49 ''", "97 '1'", "50 '1A'", "120 '1A2'", "8 '1A2'", "8 '1A'"}));
}

TEST(PlatformKeys, KeyUpGivesPhysicalCodesEvenForSwallowedKeys) {
    const std::map<int, TestWindow> table{{1, {fourBoxes(), [](TestForm& f) {
                                                   noteAll(f);
                                                   f.onKeyPress("Text1", [](int& k) { k = 0; });
                                               }}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    f.log.clear();

    pupil.type("09");
    pupil.pressShifted(5, '%');
    pupil.pressKeypad(0);
    pupil.pressKeypad(9);
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(f.log, (Log{"Text1 KeyUp 48 0", "Text1 KeyUp 57 0", "Text1 KeyUp 53 1",
                          "Text1 KeyUp 16 0", "Text1 KeyUp 96 0", "Text1 KeyUp 105 0"}));

    // A held key: its repeated releases are not KeyUps, only the last one is.
    f.log.clear();
    f.onKeyPress("Text1", [&f](int& k) { f.note("KeyPress " + QString::number(k)); });
    QWidget* edit = f.textBox("Text1").widget();
    sendKey(edit, QEvent::KeyPress, Qt::Key_7, "7", false);
    sendKey(edit, QEvent::KeyRelease, Qt::Key_7, "7", true);
    sendKey(edit, QEvent::KeyPress, Qt::Key_7, "7", true);
    sendKey(edit, QEvent::KeyRelease, Qt::Key_7, "7", false);
    EXPECT_EQ(f.log, (Log{"KeyPress 55", "KeyPress 55", "Text1 KeyUp 55 0"}));
    EXPECT_EQ(pupil.text("Text1"), "77");
}

TEST(PlatformFocus, TabFollowsTabIndexAndRaisesNoKeyEvents) {
    const std::map<int, TestWindow> table{{1, {fourBoxes(), noteAll}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    EXPECT_EQ(f.log, Log{"Text1 GotFocus"});
    f.log.clear();

    f.textBox("Text3").setEnabled(false);
    f.textBox("Text4").setVisible(false);
    pupil.tab();
    EXPECT_EQ(pupil.focusedBox(), "Text2");
    pupil.tab(); // past the disabled and the hidden box, round to the first
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    EXPECT_EQ(f.log, (Log{"Text2 GotFocus", "Text1 GotFocus"}));

    // Text4 goes to the front: the others move one place back.
    f.textBox("Text3").setEnabled(true);
    f.textBox("Text4").setVisible(true);
    f.textBox("Text4").setTabIndex(0);
    EXPECT_EQ(f.textBox("Text1").tabIndex(), 1);
    EXPECT_EQ(f.textBox("Text3").tabIndex(), 3);
    f.log.clear();
    for (int i = 0; i < 4; ++i)
        pupil.tab();
    EXPECT_EQ(f.log, (Log{"Text2 GotFocus", "Text3 GotFocus", "Text4 GotFocus", "Text1 GotFocus"}));

    // Text1 goes to the back: Text4 Text2 Text3 Text1.
    f.textBox("Text1").setTabIndex(3);
    EXPECT_EQ(f.textBox("Text2").tabIndex(), 1);
    f.log.clear();
    pupil.tab();
    pupil.tab();
    EXPECT_EQ(f.log, (Log{"Text4 GotFocus", "Text2 GotFocus"}));
    // Shift+Tab goes back the same way.
    pupil.press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(pupil.focusedBox(), "Text4");
}

TEST(PlatformFocus, SendKeysTabWaitsForTheHandlerToReturn) {
    const std::map<int, TestWindow> table{{1, {fourBoxes(), [](TestForm& f) {
                                                   noteAll(f);
                                                   f.onKeyPress("Text1", [&f](int& k) {
                                                       if (k != 13)
                                                           return;
                                                       k = 0;
                                                       f.program().sendKeys(f, "{TAB}");
                                                       f.note("still in " +
                                                              f.window()->focusedBox()->name());
                                                   });
                                               }}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    f.log.clear();

    QTest::sendKeyEvent(QTest::Press, pupil.keyTarget(), Qt::Key_Return, "\r", Qt::NoModifier);
    // Moved as soon as the handler returned, before the key comes up.
    EXPECT_EQ(pupil.focusedBox(), "Text2");
    EXPECT_EQ(f.log, (Log{"still in Text1", "Text2 GotFocus"}));
}

TEST(PlatformFocus, ClickGivesGotFocusThenClickButActivationGivesNothing) {
    const std::map<int, TestWindow> table{{1, {fourBoxes(), noteAll}}, {2, {fourBoxes(), {}}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    f.log.clear();

    pupil.click("Text2");
    pupil.click("Text2");
    EXPECT_EQ(pupil.focusedBox(), "Text2");
    EXPECT_EQ(f.log, (Log{"Text2 GotFocus", "Text2 Click", "Text2 Click"}));

    // Another window comes to the front and goes again: the box keeps its focus silently.
    f.log.clear();
    QWidget* w = f.window();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    pupil.program().show(2);
    pupil.form(2).window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pupil.form(2).window()));
    pupil.form(2).unload();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(QApplication::focusWidget(), f.textBox("Text2").widget());
    EXPECT_EQ(f.log, Log{});
}

TEST(PlatformFocus, AHiddenOrDisabledBoxLosesTheFocusForGood) {
    // Label1 starts a new item: every box hidden and shown again, then a queued Tab.
    const std::map<int, TestWindow> table{{1, {fourBoxes(), [](TestForm& f) {
                                                   noteAll(f);
                                                   f.onClick("Label1", [&f] {
                                                       for (const QString& name : kBoxes)
                                                           f.textBox(name).setVisible(false);
                                                       for (const QString& name : kBoxes)
                                                           f.textBox(name).setVisible(true);
                                                       f.program().sendKeys(f, "{TAB}");
                                                   });
                                               }}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    pupil.type("1");
    TextBox& first = f.textBox("Text1");

    // Hidden and shown again: no box has the focus and the next key lands nowhere.
    first.setVisible(false);
    first.setVisible(true);
    f.log.clear();
    pupil.type("2");
    EXPECT_EQ(pupil.focusedBox(), "");
    EXPECT_EQ(pupil.keyTarget(), f.window());
    EXPECT_EQ(first.text(), "1");
    // The same after a box is disabled and enabled again.
    pupil.click("Text2");
    f.textBox("Text2").setEnabled(false);
    f.textBox("Text2").setEnabled(true);
    pupil.type("3");
    EXPECT_EQ(pupil.focusedBox(), "");
    EXPECT_EQ(f.textBox("Text2").text(), "");
    EXPECT_EQ(f.log, (Log{"Text2 GotFocus", "Text2 Click"}));

    // The new item's Tab starts from nowhere: the first box, with its GotFocus.
    pupil.click("Text3");
    pupil.type("4");
    f.log.clear();
    pupil.click("Label1");
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    EXPECT_EQ(pupil.keyTarget(), first.widget());
    pupil.type("5");
    EXPECT_EQ(first.text(), "15");
    EXPECT_EQ(f.textBox("Text3").text(), "4");
    EXPECT_EQ(f.log, (Log{"Text1 GotFocus", "Text1 KeyPress 53 '1'", "Text1 KeyUp 53 0"}));
}

TEST(PlatformFocus, ATypedTabFromNowhereGoesToTheFirstLiveBox) {
    const std::map<int, TestWindow> table{{1, {fourBoxes(), noteAll}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    f.textBox("Text1").setEnabled(false); // takes the focus away
    f.log.clear();

    pupil.tab();
    EXPECT_EQ(pupil.focusedBox(), "Text2");
    f.textBox("Text2").setVisible(false);
    pupil.press(Qt::Key_Backtab, Qt::ShiftModifier); // backwards, from the last box
    EXPECT_EQ(pupil.focusedBox(), "Text4");
    pupil.type("6");
    EXPECT_EQ(f.textBox("Text4").text(), "6");
    // Shift comes up where the focus now is.
    EXPECT_EQ(f.log, (Log{"Text2 GotFocus", "Text4 GotFocus", "Text4 KeyUp 16 0",
                          "Text4 KeyPress 54 ''", "Text4 KeyUp 54 0"}));

    // With no box that can take it, a Tab does nothing.
    for (const QString& name : kBoxes)
        f.textBox(name).setEnabled(false);
    pupil.tab();
    EXPECT_EQ(pupil.focusedBox(), "");
}

TEST(PlatformTextBox, NothingButKeyPressChangesTheText) {
    const std::map<int, TestWindow> table{{1, {fourBoxes(), noteAll}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    QApplication::clipboard()->setText("77");
    ASSERT_EQ(QApplication::clipboard()->text(), "77");
    if (QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setText("77", QClipboard::Selection);
    pupil.type("1");
    f.log.clear();

    QWidget* edit = f.textBox("Text1").widget();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    pupil.click("Text1", Qt::MiddleButton);
    EXPECT_EQ(pupil.text("Text1"), "1");
    // The handlers hear of the keys all the same (Shift+Insert types nothing).
    EXPECT_EQ(f.log, (Log{"Text1 KeyPress 22 '1'", "Text1 KeyUp 86 2", "Text1 KeyUp 17 0",
                          "Text1 KeyUp 45 1", "Text1 KeyUp 16 0"}));

    // No menu offers Paste: anything that pops up is noted and closed.
    bool menu = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menu = true;
            popup->close();
        }
    });
    QContextMenuEvent ask(QContextMenuEvent::Mouse, edit->rect().center(),
                          edit->mapToGlobal(edit->rect().center()));
    QApplication::sendEvent(edit, &ask);
    QApplication::processEvents();
    EXPECT_FALSE(menu);

    // A locked box still tells its handlers about the keys.
    f.textBox("Text2").setText("5");
    f.textBox("Text2").setLocked(true);
    pupil.click("Text2");
    f.log.clear();
    pupil.type("3\b");
    EXPECT_EQ(pupil.text("Text2"), "5");
    EXPECT_EQ(f.log, (Log{"Text2 KeyPress 51 '5'", "Text2 KeyUp 51 0", "Text2 KeyPress 8 '5'",
                          "Text2 KeyUp 8 0"}));
}

TEST(PlatformTextBox, DisabledBoxKeepsItsColoursAndTakesNoInput) {
    WindowDesign design = fourBoxes();
    design.controls[2].colours(colours::Peach, 0x000000FF);
    const std::map<int, TestWindow> table{{1, {design, noteAll}}};
    Pupil pupil(windows(table));
    TestForm& f = testForm(pupil);
    pupil.open(1);
    TextBox& box = f.textBox("Text3");
    box.setText("4");
    box.setEnabled(false);
    f.log.clear();

    const QPalette pal = box.widget()->palette();
    EXPECT_EQ(pal.color(QPalette::Disabled, QPalette::Base), toQColor(colours::Peach));
    EXPECT_EQ(pal.color(QPalette::Disabled, QPalette::Text), QColor(255, 0, 0));
    const QImage look = box.widget()->grab().toImage();
    EXPECT_EQ(look.pixelColor(look.width() - 4, look.height() / 2), toQColor(colours::Peach));

    pupil.click("Text3");
    pupil.type("9");
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    EXPECT_EQ(box.text(), "4");
    EXPECT_EQ(pupil.text("Text1"), "9");
    EXPECT_EQ(f.log, (Log{"Text1 KeyPress 57 ''", "Text1 KeyUp 57 0"}));
}

} // namespace
