#include "neighbours/prev_next_drill.h"

namespace neighbours {

using namespace platform;

PrevNextDrill::PrevNextDrill(Program& program, int number, const WindowDesign& design, int subMenu,
                             PrevNextRules rules)
    : ExerciseForm(program, number, design, subMenu), rules_(std::move(rules)) {}

void PrevNextDrill::Form_Load() {
    boxOf(pred).setEnabled(false);
    boxOf(succ).setEnabled(false);
}

void PrevNextDrill::bindEvents() {
    ExerciseForm::bindEvents();
    onClick(names.newItem, [this] { newItem(); });
    for (Side* side : {&pred, &succ}) {
        onKeyPress(side->box, [this, side](int& key) { keyPress(*side, key); });
        onKeyUp(side->box, [this, side](int code, int) { keyUp(*side, code); });
        onClick(side->box, [this, side] { clicked(*side); });
        onGotFocus(side->box, [this, side] { gotFocus(*side); });
    }
}

QString PrevNextDrill::answerOf(const Side& side) const {
    return QString::number(currentNumber_ + side.offset);
}

PrevNextDrill::Holding PrevNextDrill::holding(const Side& side) const {
    const QString answer = answerOf(side);
    const QString text = boxOf(side).text();
    if (answerTest(text, answer, int(answer.length())))
        return Holding::Right;
    return text.length() == answer.length() ? Holding::FullLengthWrong : Holding::Short;
}

void PrevNextDrill::foundRight(Side& side) {
    ++side.right;
    if (pred.right == 1 && succ.right == 1)
        countRight();
}

void PrevNextDrill::judgeTwoWay(const Side& side) {
    if (isRight(side))
        judgedRight();
    else
        judgedWrong();
}

void PrevNextDrill::judgeThreeWay(const Side& side) {
    switch (holding(side)) {
    case Holding::Right:
        judgedRight();
        break;
    case Holding::FullLengthWrong:
        judgedWrong();
        break;
    case Holding::Short:
        break;
    }
}

void PrevNextDrill::newItem() {
    pred.right = 0;
    succ.right = 0;
    boxOf(pred).setEnabled(true);
    boxOf(succ).setEnabled(true);
    label(names.newItem).setEnabled(false);
    countItem();
    showItemCount();
    // The focus goes one stop on: into the left box on the first item, then from box to box.
    // The count never stands at 0 here, not even on the item that restarts the run.
    program().sendKeys(*this, QStringLiteral("{TAB}"));
    boxOf(pred).setText(QString());
    boxOf(succ).setText(QString());
    pred.tries = 0;
    succ.tries = 0;
    showFace(shell::Face::Neutral);
    currentNumber_ = drawNumber(rules_.draw);
    Label& shown = label(QStringLiteral("Label2"));
    shown.setCaption(QString::number(currentNumber_));
    shell::paintNumber(shown, currentNumber_, rules_.shownColours);
    shell::paintNumber(boxOf(pred), currentNumber_ + pred.offset, rules_.predColours);
    shell::paintNumber(boxOf(succ), currentNumber_ + succ.offset, rules_.succColours);
}

void PrevNextDrill::keyPress(Side& side, int& keyAscii) {
    // Only the left box gives the new-item spot back.
    if (&side == &pred)
        label(names.newItem).setEnabled(true);
    digitFilter(keyAscii);
    const QString answer = answerOf(side);
    completeAnswerRule(boxOf(side), keyAscii, answer, int(answer.length()));
}

} // namespace neighbours
