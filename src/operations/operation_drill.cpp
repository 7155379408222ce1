#include "operations/operation_drill.h"

#include "shell/colour_code.h"

#include <algorithm>

namespace operations {

using namespace platform;

namespace {
// Shown by the first item and hidden again only by a new load.
const char* const kItemControls[] = {"Label10", "Label12", "Label3",  "Label4", "Label5",
                                     "Label6",  "Label20", "Label22", "Text1"};

const shell::FrameNames kNames{.newItem = "Label1",
                               .exit = "Label2",
                               .mainMenu = "Label14",
                               .subMenu = "Label15",
                               .itemCount = "Label22"};

// A counting rod is this many twips per unit, long and high; the rows start at the left.
constexpr int kUnit = 855;
constexpr int kRodsLeft = 500;
constexpr int kRowTop[] = {2000, 3000};
} // namespace

OperationDrill::OperationDrill(Program& program, int number, const WindowDesign& design,
                               int subMenu, OperationRules rules)
    : ExerciseForm(program, number, design, subMenu, kNames, {"Label12"}),
      rules_(std::move(rules)) {}

void OperationDrill::Form_Load() {
    for (const char* name : {"Label10", "Label12", "Label3", "Label4", "Label5", "Label6",
                             "Label20", "Label22", "Image1", "Image2", "Image3", "Text1"})
        control(name).setVisible(false);
}

void OperationDrill::bindEvents() {
    ExerciseForm::bindEvents();
    onClick(names.newItem, [this] { newItem(); });
    onKeyPress("Text1", [this](int& key) { keyPress(key); });
    onKeyUp("Text1", [this](int code, int) { keyUp(code); });
}

void OperationDrill::newItem() {
    if (rules_.rods)
        cls();
    if (rules_.kind == OperationRules::Kind::Mixed) {
        // Drawn on the sequence as the last reseeding left it, before this item's own.
        operation_ = std::int16_t(draw({.k = 3, .offset = 1, .max = 2}));
        label("Label4").setCaption(operation_ == Subtraction ? QStringLiteral("-")
                                                             : QStringLiteral("+"));
    } else {
        operation_ = rules_.kind == OperationRules::Kind::Addition ? Addition : Subtraction;
    }
    showFace(shell::Face::Neutral);
    label(names.newItem).setEnabled(false);
    textBox("Text1").setText(QString());
    score().tries = 0;
    countItem();
    for (const char* name : kItemControls)
        control(name).setVisible(true);
    reseed();
    Operands& item = operation_ == Addition ? addition_ : subtraction_;
    if (operation_ == Addition)
        drawAddition(item);
    else
        drawSubtraction(item);
    if (rules_.rods)
        drawRods(item);
}

void OperationDrill::drawAddition(Operands& item) {
    const AdditionDraw& d = rules_.addition;
    do {
        item.first = draw(d.first);
        label("Label3").setCaption(QString::number(item.first));
        item.second = draw(d.second);
        label("Label5").setCaption(QString::number(item.second));
        item.answer = item.first + item.second;
    } while (item.answer > d.maxSum);
}

void OperationDrill::drawSubtraction(Operands& item) {
    const SubtractionDraw& d = rules_.subtraction;
    item.first = draw(d.first);
    label("Label3").setCaption(QString::number(item.first));
    shell::Draw second = d.second;
    second.max = std::min(second.max, item.first);
    item.second = draw(second);
    label("Label5").setCaption(QString::number(item.second));
    item.answer = item.first - item.second;
}

// Lengths add up: an addition's two rods lie end to end above the sum's; a subtraction's
// difference is the outlined gap after the subtrahend, under the end of the minuend.
void OperationDrill::drawRods(const Operands& item) {
    rod(0, 0, item.first, BoxStyle::Filled);
    if (operation_ == Addition) {
        rod(0, item.first, item.second, BoxStyle::Filled);
        rod(1, 0, item.answer, BoxStyle::Filled);
        return;
    }
    rod(1, 0, item.second, BoxStyle::Filled);
    setFillColor(shell::numberColours(item.answer, shell::PaintedOn::Label).back);
    setFillStyle(6);
    rod(1, item.second, item.answer, BoxStyle::Outlined);
}

// The rod of a number is as many units long as the number and wears its colour; a number 0
// has no rod at all.
void OperationDrill::rod(int row, int fromUnit, int units, BoxStyle style) {
    if (units == 0)
        return;
    drawBox(kRodsLeft + kUnit * fromUnit, kRowTop[row], kUnit * units, kUnit,
            shell::numberColours(units, shell::PaintedOn::Label).back, style);
}

void OperationDrill::keyPress(int& keyAscii) {
    label(names.newItem).setEnabled(true);
    digitFilter(keyAscii);
    completeAnswerRule(textBox("Text1"), keyAscii, answer());
}

void OperationDrill::keyUp(int keyCode) {
    if (!isDigitKey(keyCode))
        return;
    // "SU" shows the item on which a digit key was last released.
    showItemCount();
    const QString text = textBox("Text1").text();
    const QString expected = answer();
    if (rules_.wholeAnswer && text.length() != expected.length())
        return; // the pupil is still typing a longer answer
    shell::ScoreBlock& s = score();
    const bool right = judge(s, answerTest(text, expected, int(expected.length())));
    if (!right && s.tries == 1 && operation_ == Addition && rules_.additionWrongCount)
        label(rules_.additionWrongCount).setCaption(QString::number(s.wrong));
}

} // namespace operations
