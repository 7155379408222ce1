#pragma once

#include "platform/form.h"
#include "platform/program.h"

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <QEvent>
#include <QPoint>
#include <QString>
#include <random>
#include <vector>

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace testing_support {

// Scripted random numbers, counted beeps, recorded pauses and an observed end.
class ScriptedServices : public platform::Services {
public:
    std::deque<double> script;        // the values Rnd gives, in order
    std::optional<std::mt19937> free; // used once the script is empty, when set
    int randomizeCalls = 0;
    int beeps = 0;
    std::vector<int> sleeps;
    int ends = 0;
    std::function<void(int ms)> onSleep;

    void randomize() override { ++randomizeCalls; }
    double rnd() override;
    void beep() override { ++beeps; }
    void sleep(int ms) override {
        sleeps.push_back(ms);
        if (onSleep)
            onSleep(ms);
    }
    void end() override { ++ends; }
};

// A fresh program per test, with the pupil's hands: clicks, keys and drags go through the
// real windows as Qt input events.
class Pupil {
public:
    explicit Pupil(platform::Program::FormFactory factory = {});
    ~Pupil();

    platform::Program& program() { return *program_; }
    ScriptedServices& services() { return *services_; }
    platform::Form& form(int number) { return *program_->form(number); }
    // The one loaded window; fails loudly when there is not exactly one.
    platform::Form& current();
    int loadedCount() const { return int(program_->loadedForms().size()); }

    // Opens a window directly, as if the pupil had come to it from its menu.
    platform::Form& open(int number);
    // Values for the next draws: Int(Rnd * k) + offset gives what the test wants.
    void script(std::initializer_list<double> values);
    // The Rnd value that makes Int(value * k) equal n.
    static double pick(int n, int k) { return (n + 0.5) / k; }

    void click(const QString& control, Qt::MouseButton button = Qt::LeftButton);
    void clickAt(QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    // Two quick clicks, the second of which the desktop calls a double click.
    void doubleClickAt(QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    void clickInto(const QString& box);
    // Types text into whatever has the keyboard focus (nothing, when no box has it).
    void type(const QString& text);
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier, QString text = {});
    void pressKeypad(int digit);
    void pressShifted(int digit, QChar shown);
    void tab();
    void drag(const QString& image, const QString& onto, Qt::MouseButton button = Qt::LeftButton);
    void dragTo(const QString& image, QPoint pixel);
    void moveMouse(QPoint pixel);
    // Input that waits in the queue while the program is busy: carried out in order by the
    // next pass of the event loop (runQueued), whatever the earlier input did meanwhile.
    void queueClickAt(QPoint pixel, Qt::MouseButton button = Qt::LeftButton);
    void queueTab();
    void queueClose();
    void runQueued();

    // Where the keyboard's next key goes: the widget the window's own focus names.
    QWidget* keyTarget();
    // The platform's focused box is the widget that has the window's focus (or neither is).
    bool focusAgrees();
    // Windows of the program on the screen, unloaded ones on their way out included.
    int visibleWindows() const;
    QString caption(const QString& labelName);
    QString text(const QString& boxName);
    bool visible(const QString& control);
    bool enabled(const QString& control);
    // Which face the pupil sees: the topmost visible of the three pictures.
    QString face(const char* neutral = "Image1", const char* smiling = "Image2",
                 const char* sad = "Image3");
    QString focusedBox();
    void settle(); // lets unloaded windows go
    // In a drill window, clicks the spot that gives a new item; false in any other window.
    bool askForItem();

private:
    void sendKey(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text,
                 int scanCode);
    void keyStroke(Qt::Key key, Qt::KeyboardModifiers mods, const QString& text, int scanCode);

    ScriptedServices* services_;
    std::unique_ptr<platform::Program> program_;
};

QPoint centreOf(const platform::Control& c);

} // namespace testing_support
