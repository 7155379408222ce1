#include "neighbours/single_answer_drill.h"

namespace neighbours {

using namespace platform;
using Rules = SingleAnswerRules;

SingleAnswerDrill::SingleAnswerDrill(Program& program, int number, const WindowDesign& design,
                                     int subMenu, SingleAnswerRules rules)
    : ExerciseForm(program, number, design, subMenu), rules_(std::move(rules)) {}

void SingleAnswerDrill::Form_Load() {
    textBox("Text1").setEnabled(false);
}

void SingleAnswerDrill::bindEvents() {
    ExerciseForm::bindEvents();
    onClick(names.newItem, [this] { newItem(); });
    onKeyPress("Text1", [this](int& key) { keyPress(key); });
    onKeyUp("Text1", [this](int code, int) { keyUp(code); });
}

QString SingleAnswerDrill::answer() const {
    return QString::number(currentNumber_ + rules_.answerOffset);
}

int SingleAnswerDrill::lengthOf(Rules::LengthOf which) const {
    return int(
        (which == Rules::LengthOf::Answer ? answer() : QString::number(currentNumber_)).length());
}

void SingleAnswerDrill::newItem() {
    TextBox& box = textBox("Text1");
    box.setEnabled(true);
    label(names.newItem).setEnabled(false);
    countItem();
    showItemCount();
    box.setText(QString());
    score().tries = 0;
    showFace(shell::Face::Neutral);
    currentNumber_ = drawNumber(rules_.draw);
    for (const Rules::Shown& shown : rules_.shown)
        label(shown.label).setCaption(QString::number(currentNumber_ + shown.offset));
    for (const Rules::Shown& shown : rules_.shown)
        shell::paintNumber(label(shown.label), currentNumber_ + shown.offset, shown.colours);
    shell::paintNumber(box, currentNumber_ + rules_.answerOffset, rules_.answerColours);
}

void SingleAnswerDrill::keyPress(int& keyAscii) {
    if (rules_.newItemBack == Rules::NewItemBack::OnKeyPress)
        label(names.newItem).setEnabled(true);
    digitFilter(keyAscii);
    completeAnswerRule(textBox("Text1"), keyAscii, answer(), lengthOf(rules_.filterLength));
}

void SingleAnswerDrill::keyUp(int keyCode) {
    if (!isDigitKey(keyCode))
        return;
    const QString text = textBox("Text1").text();
    const int length = lengthOf(rules_.judgedLength);
    const bool attempt = !rules_.shortIsNoAttempt || text.length() == length;
    if (!attempt)
        return; // the pupil is still typing a longer answer
    judge(score(), answerTest(text, answer(), length));
    if (rules_.newItemBack == Rules::NewItemBack::OnJudgedAnswer)
        label(names.newItem).setEnabled(true);
}

} // namespace neighbours
