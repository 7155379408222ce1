#include "operations/make_ten_drill.h"

namespace operations {

using namespace platform;

MakeTenDrill::MakeTenDrill(Program& program, int number, const WindowDesign& design,
                           shell::FrameNames names)
    : ExerciseForm(program, number, design, 24, names, {"Label12"}) {}

void MakeTenDrill::bindEvents() {
    ExerciseForm::bindEvents();
    onClick(names.newItem, [this] { newItem(); });
    onKeyPress("Text1", [this](int& key) {
        digitFilter(key);
        completeAnswerRule(textBox("Text1"), key, answer());
    });
    onKeyUp("Text1", [this](int code, int) { keyUp(code); });
}

bool MakeTenDrill::judgeAnswer() {
    const QString text = textBox("Text1").text();
    return judge(score(), answerTest(text, answer(), int(answer().length())));
}

} // namespace operations
