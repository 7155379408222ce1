#include "shell/exercise_frame.h"

#include <cmath>
#include <limits>

namespace shell {

using namespace platform;

ExerciseForm::ExerciseForm(Program& program, int number, const WindowDesign& design, int subMenu,
                           FrameNames frameNames)
    : Form(program, number, design), names(frameNames), subMenu_(subMenu) {}

void ExerciseForm::bindEvents() {
    onClick(names.mainMenu, [this] {
        zeroScore();
        goTo(5);
    });
    onClick(names.subMenu, [this] {
        zeroScore();
        goTo(subMenu_);
    });
    onClick(names.exit, [this] { program().end(); });
}

void ExerciseForm::countItem(int wrapAt) {
    ++itemCount;
    if (itemCount == wrapAt) {
        zeroScore();
        itemCount = 1;
        label(names.rightCount).setCaption(QStringLiteral("0"));
    }
    label(names.itemCount).setCaption(QString::number(itemCount));
}

void ExerciseForm::zeroScore() {
    itemCount = 0;
    rightCount = 0;
    wrongCount = 0;
}

void ExerciseForm::countRight() {
    ++rightCount;
    label(names.rightCount).setCaption(QString::number(rightCount));
}

void ExerciseForm::showFace(Face face) {
    image(names.neutralFace).setVisible(face == Face::Neutral);
    image(names.smilingFace).setVisible(face == Face::Smiling);
    image(names.sadFace).setVisible(face == Face::Sad);
}

void ExerciseForm::judgedWrong() {
    showFace(Face::Sad);
    program().beep();
}

int ExerciseForm::drawNumber(const Draw& draw) {
    program().randomize();
    int value;
    do {
        value = static_cast<int>(std::floor(program().rnd() * draw.k + draw.offset));
    } while (value > draw.max || value < draw.min);
    return value;
}

void ExerciseForm::digitFilter(int& keyAscii) {
    if (keyAscii != 8 && (keyAscii < '0' || keyAscii > '9'))
        keyAscii = 0;
}

void ExerciseForm::completeAnswerRule(TextBox& box, int& keyAscii, const QString& answer,
                                      int length) {
    const QString text = box.text();
    if (text.length() != length)
        return;
    if (text == answer)
        keyAscii = 0;
    else
        box.setText(QString());
}

bool ExerciseForm::answerTest(const QString& text, const QString& answer, int length) {
    return text.length() == length && text == answer;
}

bool ExerciseForm::isDigitKey(int keyCode) {
    return (keyCode >= 48 && keyCode <= 57) || (keyCode >= 96 && keyCode <= 105);
}

void ExerciseForm::countTry(std::int16_t& counter) {
    if (counter < std::numeric_limits<std::int16_t>::max())
        ++counter;
}

} // namespace shell
