#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <vector>

#include "platform/form.h"

namespace platform {

class Form;

// What the program asks of the world outside its windows. Tests replace it to script the
// random numbers and to observe beeps, pauses and the end of the program.
class Services {
public:
    virtual ~Services() = default;
    virtual void randomize() = 0; // mixes the clock in; never restarts the sequence
    virtual double rnd() = 0;     // [0, 1)
    virtual void beep() = 0;
    virtual void sleep(int ms) = 0;
    virtual void end() = 0; // stops the program at once
};

// Clock-seeded random numbers, the desktop's bell sound, a real pause and a hard exit.
std::unique_ptr<Services> desktopServices();

class Program {
public:
    using FormFactory = std::function<std::unique_ptr<Form>(Program&, int number)>;

    Program(std::unique_ptr<Services> services, FormFactory factory);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The window's form object, created on first use; nullptr when no such window exists.
    Form* form(int number);
    template <class T> T& as(int number) { return dynamic_cast<T&>(*form(number)); }
    bool exists(int number);

    void start() { show(1); }
    void show(int number);
    std::vector<Form*> loadedForms() const;
    Form* activeForm() const;

    Services& services() { return *services_; }
    void randomize() { services_->randomize(); }
    double rnd() { return services_->rnd(); }
    void beep() { services_->beep(); }
    void sleep(int ms);
    void end();
    bool ended() const { return ended_; }
    // Queues keystrokes ("{TAB}" only) to be carried out once the running handler returns.
    void sendKeys(Form& form, const QString& keys);

    // Runs a handler; at the outermost level, queued keystrokes follow it.
    void runHandler(const std::function<void()>& handler);

    // Where the next window opens: where the window that shows it stands, or where the
    // last one stood.
    std::optional<QPoint> lastPosition;
    std::optional<QPoint> placementFor(const Form& opening) const;
    // An unloaded window goes once no handler of it can still be running.
    void retire(FormWindow* window);
    void windowClosedByUser(Form& form);

private:
    void flushKeys();

    std::unique_ptr<Services> services_;
    FormFactory factory_;
    std::map<int, std::unique_ptr<Form>> forms_;
    std::deque<int> pendingTabs_; // form numbers
    std::vector<QPointer<FormWindow>> retired_;
    int depth_ = 0;
    bool flushing_ = false;
    bool ended_ = false;
};

} // namespace platform
