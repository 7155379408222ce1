#include "operations/make_ten_drill.h"

namespace operations {

using namespace platform;

std::vector<ControlDesign> scoreLine(int left, int top) {
    return {
        boardText("Label22", left + 3240, top - 240, 855, 675, QString(), 26.25)
            .align(Alignment::Right),
        boardText("Label20", left + 2880, top - 120, 495, 495, QStringLiteral("SU"), 18).centred(),
        boardText("Label13", left + 1440, top + 360, 615, 615, QString(), 24)
            .align(Alignment::Right),
        boardText("Label12", left + 1440, top - 240, 615, 615, QString(), 24)
            .align(Alignment::Right),
        boardText("Label10", left, top, 1335, 375, QStringLiteral("ESATTI:"), 14.25),
    };
}

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
