#pragma once

#include "support/test_program.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform_tests {

// A window made up by a test: its handlers are bound by the test and note what they see.
class TestForm : public platform::Form {
public:
    using Hook = std::function<void(TestForm&)>;
    TestForm(platform::Program& program, int number, const platform::WindowDesign& design,
             Hook bind, Hook load)
        : Form(program, number, design), bind_(std::move(bind)), load_(std::move(load)) {}

    std::vector<std::string> log; // what the handlers observed, in order
    int loads = 0;
    int memory = 0; // a form-level variable

    void note(const QString& line) { log.push_back(line.toStdString()); }

    using Form::onClick;
    using Form::onDragDrop;
    using Form::onGotFocus;
    using Form::onKeyPress;
    using Form::onKeyUp;
    using Form::onMouseDownOf;

protected:
    void bindEvents() override {
        if (bind_)
            bind_(*this);
    }
    void Form_Load() override {
        ++loads;
        if (load_)
            load_(*this);
    }

private:
    Hook bind_, load_;
};

struct TestWindow {
    platform::WindowDesign design;
    TestForm::Hook bind;
    TestForm::Hook load = {};
};

// The program's windows by number. The table must outlive the pupil.
inline platform::Program::FormFactory windows(const std::map<int, TestWindow>& table) {
    return [&table](platform::Program& p, int n) -> std::unique_ptr<platform::Form> {
        const auto it = table.find(n);
        if (it == table.end())
            return nullptr;
        return std::make_unique<TestForm>(p, n, it->second.design, it->second.bind,
                                          it->second.load);
    };
}

inline TestForm& testForm(testing_support::Pupil& pupil, int number = 1) {
    return dynamic_cast<TestForm&>(pupil.form(number));
}

} // namespace platform_tests
