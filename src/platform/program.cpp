#include "platform/program.h"

#include "platform/form.h"

#include <chrono>
#include <cstdlib>
#include <QApplication>
#include <QThread>

#ifdef HAVE_CANBERRA
#include <canberra.h>
#endif

namespace platform {

Program::Program(std::unique_ptr<Services> services, FormFactory factory)
    : services_(std::move(services)), factory_(std::move(factory)) {}

Program::~Program() {
    forms_.clear();
    for (const QPointer<FormWindow>& w : retired_)
        delete w.data();
}

Form* Program::form(int number) {
    auto it = forms_.find(number);
    if (it != forms_.end())
        return it->second.get();
    std::unique_ptr<Form> created = factory_(*this, number);
    if (!created)
        return nullptr;
    return forms_.emplace(number, std::move(created)).first->second.get();
}

bool Program::exists(int number) {
    return form(number) != nullptr;
}

void Program::show(int number) {
    if (ended_)
        return;
    if (Form* f = form(number))
        f->show();
}

std::vector<Form*> Program::loadedForms() const {
    std::vector<Form*> loaded;
    for (const auto& [number, f] : forms_)
        if (f->isLoaded())
            loaded.push_back(f.get());
    return loaded;
}

Form* Program::activeForm() const {
    const auto loaded = loadedForms();
    return loaded.size() == 1 ? loaded.front() : nullptr;
}

std::optional<QPoint> Program::placementFor(const Form& opening) const {
    for (const auto& [number, f] : forms_)
        if (f.get() != &opening && f->isLoaded())
            return f->window()->pos();
    return lastPosition;
}

void Program::retire(FormWindow* window) {
    std::erase_if(retired_, [](const QPointer<FormWindow>& w) { return w.isNull(); });
    retired_.emplace_back(window);
    window->deleteLater();
}

void Program::sleep(int ms) {
    // Whatever moved before the pause must be on the screen during it; only what changed
    // is painted, so that a pause after every small step stays a short one.
    for (Form* f : loadedForms())
        f->window()->paintChanges();
    services_->sleep(ms);
}

void Program::end() {
    ended_ = true;
    pendingTabs_.clear();
    services_->end();
    for (Form* f : loadedForms())
        f->unload();
}

void Program::sendKeys(Form& form, const QString& keys) {
    if (keys == QLatin1String("{TAB}"))
        pendingTabs_.push_back(form.number());
}

void Program::runHandler(const std::function<void()>& handler) {
    if (ended_)
        return;
    struct Depth {
        int& d;
        explicit Depth(int& depth) : d(depth) { ++d; }
        ~Depth() { --d; }
    };
    {
        Depth guard(depth_);
        handler();
    }
    if (depth_ == 0 && !flushing_)
        flushKeys();
}

void Program::flushKeys() {
    flushing_ = true;
    while (!pendingTabs_.empty() && !ended_) {
        const int number = pendingTabs_.front();
        pendingTabs_.pop_front();
        Form* f = form(number);
        if (f && f->isLoaded())
            f->window()->tabForward();
    }
    flushing_ = false;
}

void Program::windowClosedByUser(Form& form) {
    form.unload();
    if (loadedForms().empty())
        end();
}

namespace {

class DesktopServices : public Services {
public:
    void randomize() override {
        const auto now = std::chrono::system_clock::now().time_since_epoch().count();
        state_ ^= mix(static_cast<std::uint64_t>(now));
        state_ = mix(state_);
    }

    double rnd() override {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(state_ >> 40) / 16777216.0; // 24 bits: [0, 1)
    }

    void beep() override {
#ifdef HAVE_CANBERRA
        // The X bell is silent on most desktops; the sound theme's bell, played through the
        // desktop's sound server, is heard. Only the server is asked: straight to the sound
        // card, the sound library prints its complaints on every beep where there is none.
        if (!tried_) {
            tried_ = true;
            if (ca_context_create(&ctx_) != CA_SUCCESS)
                ctx_ = nullptr;
            else if (ca_context_set_driver(ctx_, "pulse") != CA_SUCCESS ||
                     ca_context_open(ctx_) != CA_SUCCESS) {
                ca_context_destroy(ctx_);
                ctx_ = nullptr;
            }
        }
        if (ctx_ && ca_context_play(ctx_, 0, CA_PROP_EVENT_ID, "bell", nullptr) == CA_SUCCESS)
            return;
#endif
        QApplication::beep();
    }

    void sleep(int ms) override {
        QThread::msleep(static_cast<unsigned long>(ms));
    }

    [[noreturn]] void end() override {
        std::_Exit(0);
    }

    ~DesktopServices() override {
#ifdef HAVE_CANBERRA
        if (ctx_)
            ca_context_destroy(ctx_);
#endif
    }

private:
    static std::uint64_t mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

    std::uint64_t state_ = 0x853c49e6748fea9bull;
#ifdef HAVE_CANBERRA
    ca_context* ctx_ = nullptr;
    bool tried_ = false;
#endif
};

} // namespace

std::unique_ptr<Services> desktopServices() {
    return std::make_unique<DesktopServices>();
}

} // namespace platform
