#include "shell/exercise_frame.h"

#include <array>
#include <cmath>
#include <limits>

namespace shell {

using namespace platform;

ExerciseForm::ExerciseForm(Program& program, int number, const WindowDesign& design, int subMenu,
                           FrameNames frameNames, std::vector<const char*> blockLabels)
    : Form(program, number, design), names(frameNames), subMenu_(subMenu) {
    for (const char* label : blockLabels)
        blocks.push_back({label});
}

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

bool ExerciseForm::countItem(int wrapAt) {
    ++itemCount;
    if (itemCount != wrapAt)
        return false;
    zeroScore();
    itemCount = 1;
    for (const ScoreBlock& block : blocks)
        label(block.rightLabel).setCaption(QStringLiteral("0"));
    return true;
}

void ExerciseForm::showItemCount(const char* labelName) {
    label(labelName ? labelName : names.itemCount).setCaption(QString::number(itemCount));
}

void ExerciseForm::zeroScore() {
    itemCount = 0;
    for (ScoreBlock& block : blocks) {
        block.right = 0;
        block.wrong = 0;
    }
}

void ExerciseForm::countTry(std::int16_t& counter) {
    if (counter < std::numeric_limits<std::int16_t>::max())
        ++counter;
}

void ExerciseForm::countRight(ScoreBlock& block) {
    ++block.right;
    label(block.rightLabel).setCaption(QString::number(block.right));
}

bool ExerciseForm::judge(ScoreBlock& block, bool right, WrongBeep beep) {
    countTry(block);
    showJudgement(right, beep);
    if (block.tries == 1)
        right ? countRight(block) : countWrong(block);
    return right;
}

void ExerciseForm::showFace(Face face) {
    image(names.neutralFace).setVisible(face == Face::Neutral);
    image(names.smilingFace).setVisible(face == Face::Smiling);
    image(names.sadFace).setVisible(face == Face::Sad);
}

void ExerciseForm::judgedWrong(WrongBeep beep) {
    showFace(Face::Sad);
    if (beep == WrongBeep::Yes)
        program().beep();
}

int ExerciseForm::draw(const Draw& d) {
    int value;
    do {
        value = static_cast<int>(std::floor(program().rnd() * d.k + d.offset));
    } while (value > d.max || value < d.min);
    return value;
}

int ExerciseForm::drawNumber(const Draw& d) {
    reseed();
    return draw(d);
}

void ExerciseForm::digitFilter(int& keyAscii) {
    if (keyAscii != 8 && (keyAscii < '0' || keyAscii > '9'))
        keyAscii = 0;
}

void ExerciseForm::wordFilter(int& keyAscii, AllowZ z) {
    if (keyAscii == 8)
        return;
    const int upper = (keyAscii >= 'a' && keyAscii <= 'z') ? keyAscii - 'a' + 'A' : keyAscii;
    const bool wordLetter =
        upper > 0 && upper < 128 && QByteArrayView("UNODETRQACISV").contains(char(upper));
    if (wordLetter || (upper == 'Z' && z == AllowZ::Yes))
        keyAscii = upper;
    else
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
    return isMainRowDigitKey(keyCode) || (keyCode >= 96 && keyCode <= 105);
}

QString numberWord(int value) {
    static const std::array<const char*, 21> words = {
        "ZERO",        "UNO",      "DUE",    "TRE",         "QUATTRO",  "CINQUE",     "SEI",
        "SETTE",       "OTTO",     "NOVE",   "DIECI",       "UNDICI",   "DODICI",     "TREDICI",
        "QUATTORDICI", "QUINDICI", "SEDICI", "DICIASSETTE", "DICIOTTO", "DICIANNOVE", "VENTI"};
    if (value < 0 || value > 20)
        return {};
    return QString::fromLatin1(words[std::size_t(value)]);
}

} // namespace shell
