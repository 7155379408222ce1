#include "support/test_program.h"

#include "shell/windows.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QTest>

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

void Pupil::clickInto(const QString& box) {
    click(box);
}

QWidget* Pupil::keyTarget() {
    Form& f = current();
    TextBox* box = f.window()->focusedBox();
    return box ? static_cast<QWidget*>(box->widget()) : f.window();
}

void Pupil::type(const QString& text) {
    for (QChar ch : text) {
        const ushort u = ch.unicode();
        if (u >= '0' && u <= '9')
            press(Qt::Key(Qt::Key_0 + (u - '0')), Qt::NoModifier, QString(ch));
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
    QTest::sendKeyEvent(QTest::Press, keyTarget(), key, text, mods);
    // The focus may have moved during the press: the key comes up where the focus now is.
    QTest::sendKeyEvent(QTest::Release, keyTarget(), key, text, mods);
}

void Pupil::pressKeypad(int digit) {
    press(Qt::Key(Qt::Key_0 + digit), Qt::KeypadModifier, QString::number(digit));
}

void Pupil::pressShifted(int digit, QChar shown) {
    press(Qt::Key(Qt::Key_0 + digit), Qt::ShiftModifier, QString(shown));
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

QString Pupil::focusedBox() {
    TextBox* box = current().window()->focusedBox();
    return box ? box->name() : QString();
}

void Pupil::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace testing_support
