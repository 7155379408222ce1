#include "reading_writing/rods_drill.h"

#include "shell/colour_code.h"
#include "shell/frame_design.h"

namespace reading_writing {

using namespace platform;

namespace {
const shell::FrameNames kNames{
    .newItem = "Label15",
    .exit = "Label16",
    .mainMenu = "Label41",
    .subMenu = "Label40",
    .itemCount = "Label22",
};
const char* const kCheck = "Label30";
const char* const kHelp = "Label29";
const char* const kWordsCount = "Label31";
struct BlockNames {
    const char *heading, *word, *right, *su, *count;
    const char* headingText;
};
std::vector<ControlDesign> scoreBlockDesign(const BlockNames& n, const ScoreBlockPlaces& p,
                                            const QString& rightStart) {
    auto at = [](const char* name, QPoint pos, int width, int height, const QString& text,
                 double points) {
        return boardText(name, pos.x(), pos.y(), width, height, text, points);
    };
    return {
        at(n.heading, p.heading, 3975, 375, QString::fromLatin1(n.headingText), 15.75),
        at(n.word, p.word, 1335, 375, QStringLiteral("ESATTI:"), 14.25),
        // The counts are right-aligned in the frame's sizes, so that "SU" and its number
        // stand apart.
        at(n.right, p.right, 615, 615, rightStart, 24).align(Alignment::Right),
        at(n.su, p.su, 495, 495, QStringLiteral("SU"), 18),
        at(n.count, p.count, 855, 675, QString(), 26.25).align(Alignment::Right),
    };
}
} // namespace

RodsDrill::RodsDrill(Program& program, int number, const WindowDesign& design, int subMenu,
                     RodsRules rules)
    : ExerciseForm(program, number, design, subMenu, kNames, {"Label13", "Label34"}),
      rules_(std::move(rules)) {}

void RodsDrill::hideRodsAndSquares() {
    for (const char* rod : rules_.rods)
        label(rod).setVisible(false);
    if (rules_.tenRod)
        label(rules_.tenRod).setVisible(false);
    for (const char* square : rules_.squares)
        label(square).setVisible(false);
}

void RodsDrill::Form_Load() {
    label(kCheck).setEnabled(false);
    if (rules_.helpNeedsItem)
        label(kHelp).setEnabled(false);
    hideRodsAndSquares();
    for (const char* box : {"Text1", "Text2"}) {
        textBox(box).setText(QString());
        textBox(box).setEnabled(false);
    }
    // The item of an earlier visit is not on the board: "AIUTO" has nothing to count.
    drawnSinceLoad_ = false;
}

void RodsDrill::bindEvents() {
    ExerciseForm::bindEvents();
    onClick(names.newItem, [this] { newItem(); });
    onClick(kHelp, [this] { help(); });
    onClick(kCheck, [this] { check(); });
    onKeyPress("Text1", [this](int& key) {
        digitFilter(key);
        completeAnswerRule(textBox("Text1"), key, answer());
    });
    onKeyUp("Text1", [this](int code, int) { digitKeyUp(code); });
    if (rules_.digitsJudgedOnFocus)
        onGotFocus("Text1", [this] { digitsFocused(); });
    onKeyPress("Text2", [this](int& key) { wordKeyPress(key); });
    onKeyUp("Text2", [this](int, int) { wordKeyUp(); });
    onGotFocus("Text2", [this] { wordFocused(); });
}

void RodsDrill::newItem() {
    textBox("Text1").setEnabled(true);
    textBox("Text2").setEnabled(true);
    if (rules_.helpNeedsItem)
        label(kHelp).setEnabled(true);
    label(kCheck).setEnabled(false);
    label(names.newItem).setEnabled(false);
    digits().tries = 0;
    words().tries = 0;
    showFace(shell::Face::Neutral);
    textBox("Text1").setText(QString());
    textBox("Text2").setText(QString());
    countItem();
    hideRodsAndSquares();
    currentNumber_ = drawNumber({.k = 10, .max = 9});
    drawnSinceLoad_ = true;
    if (rules_.tenRod)
        label(rules_.tenRod).setVisible(true);
    label(rules_.rods[std::size_t(currentNumber_)]).setVisible(true);
}

void RodsDrill::help() {
    if (!drawnSinceLoad_)
        return;
    const int units = currentNumber_ + rules_.answerOffset;
    for (int i = 0; i < units; ++i)
        label(rules_.squares[std::size_t(i)]).setVisible(true);
}

void RodsDrill::digitKeyUp(int keyCode) {
    if (!isDigitKey(keyCode))
        return;
    shell::ScoreBlock& block = digits();
    countTry(block);
    if (block.tries == rules_.scoringTry)
        showItemCount();
    const QString text = textBox("Text1").text();
    const int length = int(answer().length());
    if (rules_.shortIsNoAttempt && text.length() != length)
        return;
    const bool right = answerTest(text, answer(), length);
    showJudgement(right);
    if (block.tries == rules_.scoringTry)
        right ? countRight(block) : countWrong(block);
}

void RodsDrill::digitsFocused() {
    const QString text = textBox("Text1").text();
    if (text.length() == answer().length())
        showJudgement(text == answer());
}

void RodsDrill::wordKeyPress(int& keyAscii) {
    showFace(shell::Face::Neutral);
    wordFilter(keyAscii, AllowZ::Yes);
    completeAnswerRule(textBox("Text2"), keyAscii, word());
}

void RodsDrill::wordKeyUp() {
    label(kCheck).setEnabled(true);
    label(names.newItem).setEnabled(false);
    showFace(shell::Face::Neutral);
    const QString text = textBox("Text2").text();
    if (rules_.beepAtFullWrongWord && text.length() == word().length() && text != word())
        program().beep();
}

void RodsDrill::wordFocused() {
    showFace(shell::Face::Neutral);
    const QString text = textBox("Text2").text();
    if (text.length() == word().length())
        showJudgement(text == word());
}

void RodsDrill::check() {
    label(kCheck).setEnabled(false);
    label(names.newItem).setEnabled(true);
    showItemCount(kWordsCount);
    judge(words(), textBox("Text2").text() == word(), shell::WrongBeep::No);
}

ControlDesign rodDesign(const QString& name, int left, int top, int width, int height,
                        Colour colour) {
    return label(name, left, top, width, height).back(colour).bordered();
}

std::vector<ControlDesign> unitRods(int left, int top, int unit) {
    std::vector<ControlDesign> rods;
    for (int n = 1; n <= 9; ++n)
        rods.push_back(
            rodDesign(QStringLiteral("Label%1").arg(n), left, top, n * unit, unit, rodColour(n)));
    return rods;
}

std::vector<ControlDesign> unitSquares(const std::vector<const char*>& names,
                                       const std::vector<int>& lefts, int unit) {
    std::vector<ControlDesign> squares;
    for (std::size_t i = 0; i < names.size(); ++i)
        squares.push_back(rodDesign(names[i], lefts[i], 3240, unit, unit, colours::White));
    return squares;
}

Colour rodColour(int units) {
    return units == 8 ? 0x00404080 : shell::numberColours(units, shell::PaintedOn::Label).back;
}

WindowDesign rodsDesign(const RodsLayout& l) {
    WindowDesign d{.caption = l.caption, .clientHeight = 8490};
    auto add = [&](const std::vector<ControlDesign>& some) {
        d.controls.insert(d.controls.end(), some.begin(), some.end());
    };
    const QRect& w = l.wordsBox;
    add({
        answerBox("Text1", l.digitsLeft, 2280, 1335, 900, 36).tab(l.digitsTab),
        answerBox("Text2", w.x(), w.y(), w.width(), w.height(), 27.75).tab(l.wordsTab),
        boardText("Label17", 240, 720, 11415, 495, l.title, 18.75).centred(),
    });
    add(l.rods);
    add(l.squares);
    // Above the heading of the words block, which reaches under its bottom left corner.
    add({boardText(kCheck, 8640, l.checkTop, 3015, 615,
                   QStringLiteral("CONFERMA NUMERO IN LETTERE"), 12)
             .clickable()});
    add(scoreBlockDesign({"Label37", "Label11", "Label13", "Label20", "Label22", "NUMERI IN CIFRE"},
                         l.digitsBlock, l.rightCountStart));
    add(scoreBlockDesign(
        {"Label38", "Label36", "Label34", "Label32", "Label31", "NUMERI IN LETTERE"}, l.wordsBlock,
        l.rightCountStart));
    const QPoint& digitsRight = l.digitsBlock.right;
    const QPoint& wordsRight = l.wordsBlock.right;
    add({
        // Under the right counts; never written.
        boardText("Label14", digitsRight.x(), digitsRight.y() + 720, 855, 375, QString(), 12),
        boardText("Label33", wordsRight.x(), wordsRight.y() + 720, 855, 375, QString(), 12),
        boardText(kHelp, 4080, 4320, 1095, 375, QStringLiteral("AIUTO"), 14.25).clickable(),
        hotspot("Label15", 600, 7680, 855, 855, QStringLiteral("DAMMI I REGOLI")),
        hotspot("Label16", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
        // Both windows name their main menu link "VAI A MENU PRINCIPALE".
        shell::mainMenuLink("Label41", 3720, 7560, false),
        shell::subMenuLink("Label40", 7440, 7560, l.upTo20),
    });
    add(shell::faceImages(l.faces.x(), l.faces.y()));
    add({shell::creditLineLabel("Label39", 2640, 8040, 9015)});
    return d;
}

} // namespace reading_writing
