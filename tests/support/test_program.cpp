#include "support/test_program.h"

#include "shell/exercise_frame.h"
#include "shell/windows.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

namespace testing_support {

using namespace platform;

double ScriptedServices::rnd() {
    if (!script.empty()) {
        const double v = script.front();
        script.pop_front();
        return v;
    }
    if (free)
        return std::uniform_real_distribution<double>(0.0, 1.0)(*free);
    // A redraw loop must not spin on an empty script: stop the test run loudly.
    std::fprintf(stderr, "FATAL: Rnd was called with no scripted value left\n");
    std::abort();
}

Pupil::Pupil(Program::FormFactory factory) {
    auto services = std::make_unique<ScriptedServices>();
    services_ = services.get();
    program_ = std::make_unique<Program>(std::move(services),
                                         factory ? std::move(factory) : shell::createForm);
}

Pupil::~Pupil() {
    program_.reset();
    settle();
}

Form& Pupil::current() {
    const auto loaded = program_->loadedForms();
    if (loaded.size() != 1) {
        std::fprintf(stderr, "FATAL: %zu windows loaded, expected one\n", loaded.size());
        std::abort();
    }
    return *loaded.front();
}

Form& Pupil::open(int number) {
    program_->show(number);
    return form(number);
}

void Pupil::script(std::initializer_list<double> values) {
    services_->script.insert(services_->script.end(), values);
}

QPoint centreOf(const Control& c) {
    return c.pixelRect().center();
}

void Pupil::click(const QString& control, Qt::MouseButton button) {
    Form& f = current();
    Control& c = f.control(control);
    if (auto* box = dynamic_cast<TextBox*>(&c)) {
        QTest::mouseClick(box->widget(), button, {}, box->widget()->rect().center());
        return;
    }
    clickAt(centreOf(c), button);
}

void Pupil::clickAt(QPoint pixel, Qt::MouseButton button) {
    QWidget* w = current().window();
    QWidget* child = w->childAt(pixel);
    if (child)
        QTest::mouseClick(child, button, {}, child->mapFrom(w, pixel));
    else
        QTest::mouseClick(w, button, {}, pixel);
}

void Pupil::doubleClickAt(QPoint pixel, Qt::MouseButton button) {
    // Through the window, so that Qt itself turns the second press into a double click.
    QTest::mouseDClick(current().window()->windowHandle(), button, {}, pixel);
}

void Pupil::clickInto(const QString& box) {
    click(box);
}

QWidget* Pupil::keyTarget() {
    FormWindow* w = current().window();
    QWidget* focus = w->focusWidget();
    return focus ? focus : w;
}

bool Pupil::focusAgrees() {
    FormWindow* w = current().window();
    const TextBox* box = w->focusedBox();
    return w->focusWidget() == (box ? static_cast<QWidget*>(box->widget()) : nullptr);
}

namespace {
// X key codes of the main-row digits (1 to 9, then 0) and of the keypad's, and of the left
// Shift: Qt passes them on as the native scan code.
int mainRowScanCode(int digit) {
    return digit == 0 ? 19 : 9 + digit;
}
int keypadScanCode(int digit) {
    static const int codes[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
    return codes[digit];
}
constexpr int kShiftScanCode = 50;
} // namespace

void Pupil::sendKey(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text,
                    int scanCode) {
    // Through the window, as the keyboard's events come: Qt hands them to whatever its
    // own focus names.
    QWindow* window = current().window()->windowHandle();
    QKeyEvent e(type, key, mods, quint32(scanCode), 0, 0, text);
    QApplication::sendEvent(window, &e);
    if (!focusAgrees())
        ADD_FAILURE() << "the window's focus and the platform's focused box differ";
}

void Pupil::keyStroke(Qt::Key key, Qt::KeyboardModifiers mods, const QString& text, int scanCode) {
    // As an X keyboard sends a shifted key: Shift goes down with no modifier yet and comes
    // up with Shift still held.
    const bool shifted = mods & Qt::ShiftModifier;
    if (shifted)
        sendKey(QEvent::KeyPress, Qt::Key_Shift, mods & ~Qt::ShiftModifier, {}, kShiftScanCode);
    sendKey(QEvent::KeyPress, key, mods, text, scanCode);
    // The focus may have moved during the press: the key comes up where the focus now is.
    sendKey(QEvent::KeyRelease, key, mods, text, scanCode);
    if (shifted)
        sendKey(QEvent::KeyRelease, Qt::Key_Shift, mods, {}, kShiftScanCode);
}

void Pupil::type(const QString& text) {
    for (QChar ch : text) {
        const ushort u = ch.unicode();
        if (u >= '0' && u <= '9')
            keyStroke(Qt::Key(Qt::Key_0 + (u - '0')), Qt::NoModifier, QString(ch),
                      mainRowScanCode(u - '0'));
        else if (ch == QChar('\b'))
            press(Qt::Key_Backspace);
        else if (u >= 'A' && u <= 'Z')
            press(Qt::Key(Qt::Key_A + (u - 'A')), Qt::ShiftModifier, QString(ch));
        else if (u >= 'a' && u <= 'z')
            press(Qt::Key(Qt::Key_A + (u - 'a')), Qt::NoModifier, QString(ch));
        else
            press(Qt::Key_unknown, Qt::NoModifier, QString(ch));
    }
}

void Pupil::press(Qt::Key key, Qt::KeyboardModifiers mods, QString text) {
    if (text.isEmpty() && key == Qt::Key_Backspace)
        text = QStringLiteral("\b");
    keyStroke(key, mods, text, 0);
}

void Pupil::pressKeypad(int digit) {
    keyStroke(Qt::Key(Qt::Key_0 + digit), Qt::KeypadModifier, QString::number(digit),
              keypadScanCode(digit));
}

void Pupil::pressShifted(int digit, QChar shown) {
    // The key gives the shifted character; only its scan code still names the digit.
    keyStroke(Qt::Key(shown.toUpper().unicode()), Qt::ShiftModifier, QString(shown),
              mainRowScanCode(digit));
}

void Pupil::tab() {
    press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
}

void Pupil::drag(const QString& image, const QString& onto, Qt::MouseButton button) {
    Form& f = current();
    const QPoint from = centreOf(f.control(image));
    const QPoint to = centreOf(f.control(onto));
    QWidget* w = f.window();
    QTest::mousePress(w, button, {}, from);
    QTest::mouseMove(w, (from + to) / 2);
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, button, {}, to);
}

void Pupil::dragTo(const QString& image, QPoint pixel) {
    Form& f = current();
    const QPoint from = centreOf(f.control(image));
    QWidget* w = f.window();
    QTest::mousePress(w, Qt::LeftButton, {}, from);
    QTest::mouseMove(w, pixel);
    QTest::mouseRelease(w, Qt::LeftButton, {}, pixel);
}

void Pupil::moveMouse(QPoint pixel) {
    QTest::mouseMove(current().window(), pixel);
}

void Pupil::queueClickAt(QPoint pixel, Qt::MouseButton button) {
    QWindow* window = current().window()->windowHandle();
    const QPoint global = window->mapToGlobal(pixel);
    QCoreApplication::postEvent(window, new QMouseEvent(QEvent::MouseButtonPress, pixel, global,
                                                        button, button, Qt::NoModifier));
    QCoreApplication::postEvent(window, new QMouseEvent(QEvent::MouseButtonRelease, pixel, global,
                                                        button, Qt::NoButton, Qt::NoModifier));
}

void Pupil::queueTab() {
    QWindow* window = current().window()->windowHandle();
    for (auto type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(
            window, new QKeyEvent(type, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")));
}

void Pupil::queueClose() {
    QCoreApplication::postEvent(current().window()->windowHandle(), new QCloseEvent);
}

void Pupil::runQueued() {
    QCoreApplication::processEvents();
}

QString Pupil::caption(const QString& labelName) {
    return current().label(labelName).caption();
}
QString Pupil::text(const QString& boxName) {
    return current().textBox(boxName).text();
}
bool Pupil::visible(const QString& control) {
    return current().control(control).isVisible();
}
bool Pupil::enabled(const QString& control) {
    return current().control(control).isEnabled();
}

QString Pupil::face(const char* neutral, const char* smiling, const char* sad) {
    Form& f = current();
    // Design order is stacking order: the neutral face lies on top of the other two.
    if (f.control(neutral).isVisible())
        return QStringLiteral("neutral");
    if (f.control(smiling).isVisible())
        return QStringLiteral("smiling");
    if (f.control(sad).isVisible())
        return QStringLiteral("sad");
    return QStringLiteral("none");
}

int Pupil::visibleWindows() const {
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<FormWindow*>(w) && w->isVisible())
            ++shown;
    return shown;
}

QString Pupil::focusedBox() {
    TextBox* box = current().window()->focusedBox();
    return box ? box->name() : QString();
}

bool Pupil::askForItem() {
    const auto* drill = dynamic_cast<const shell::ExerciseForm*>(&current());
    if (drill)
        click(drill->frameNames().newItem);
    return drill;
}

void Pupil::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace testing_support
