#include "reading_writing/words_drill.h"

#include "shell/frame_design.h"

namespace reading_writing {

using namespace platform;
using shell::Face;

namespace {
const char* const kCheck = "Label6";

ControlDesign text(const char* name, At at, int width, int height, const QString& caption,
                   double points) {
    return boardText(name, at.left, at.top, width, height, caption, points);
}

} // namespace

WindowDesign wordsDesign(const WordsLayout& l) {
    WindowDesign d{.caption = l.caption, .clientHeight = l.clientHeight};
    d.controls = l.task;
    const shell::FrameNames& n = l.names;
    const std::vector<ControlDesign> frame = {
        hotspot(n.newItem, 480, 7680, 1095, l.newItemHeight, l.newItemTip),
        hotspot(n.exit, 1800, 7800, 615, 735, QStringLiteral("ESCI")),
        // Up to 20 as well, these windows offer "VAI A MENU PRINCIPALE".
        shell::mainMenuLink(n.mainMenu, l.mainMenu.left, l.mainMenu.top, false),
        shell::subMenuLink(n.subMenu, l.subMenu.left, l.subMenu.top, l.upTo20),
        text("Label10", l.esatti, 1335, 375, QStringLiteral("ESATTI:"), 14.25),
        text(kRightCount, l.rightCount, 615, 615, l.rightCountStart, 24).align(Alignment::Right),
        text("Label20", l.su, 495, 495, QStringLiteral("SU"), 18),
        text(kItemCount, l.itemCount, 855, 675, QString(), 26.25).align(Alignment::Right),
        text("Label13", l.under, 615, 615, QString(), 24),
    };
    d.controls.insert(d.controls.end(), frame.begin(), frame.end());
    const std::vector<ControlDesign> faces =
        shell::faceImages(l.faces.left, l.faces.top, n.neutralFace, n.smilingFace, n.sadFace);
    d.controls.insert(d.controls.end(), faces.begin(), faces.end());
    d.controls.push_back(shell::creditLineLabel("Label5", 2640, 8040, l.creditWidth, 495));
    return d;
}

std::vector<ControlDesign> inWordsTask(int boxLeft, int boxWidth, int checkLeft) {
    return {
        boardText("Label1", 0, 720, 11895, 615, QStringLiteral("SCRIVI IN LETTERE IL NUMERO DATO"),
                  18.75)
            .centred(),
        numberLabel("Label2", 1800, 2280, 1815, 1695, 72),
        answerBox("Text1", boxLeft, 2400, boxWidth, 1335, 48).back(colours::Peach).tab(2),
        boardText(kCheck, checkLeft, 4200, 4335, 375,
                  QStringLiteral("CONFERMA IL NUMERO IN LETTERE"), 12)
            .centred()
            .clickable(),
    };
}

std::vector<ControlDesign> inDigitsTask(int wordLeft, int wordWidth, Colour boxBack) {
    return {
        boardText("Label3", 240, 840, 11415, 1095, QStringLiteral("SCRIVI IN CIFRE IL NUMERO DATO"),
                  18.75)
            .centred(),
        numberLabel("Label4", wordLeft, 2400, wordWidth, 1335, 48).bordered(false),
        answerBox("Text1", 7920, 2160, 1815, 1695, 72).back(boxBack).tab(9),
    };
}

// ---- both directions

WordsDrill::WordsDrill(Program& program, int number, const WindowDesign& design, int subMenu,
                       shell::FrameNames names, const char* display, WordsRules rules)
    : ExerciseForm(program, number, design, subMenu, names, {kRightCount}), display_(display),
      rules_(std::move(rules)) {}

void WordsDrill::Form_Load() {
    answerBox().setEnabled(false);
    showFace(Face::None);
}

void WordsDrill::bindEvents() {
    ExerciseForm::bindEvents();
    onClick(names.newItem, [this] { newItem(); });
    onKeyPress(QStringLiteral("Text1"), [this](int& key) { keyPress(key); });
}

void WordsDrill::newItem() {
    TextBox& box = answerBox();
    box.setEnabled(true);
    label(names.newItem).setEnabled(false);
    showFace(Face::Neutral);
    score().tries = 0;
    countItem();
    currentNumber_ = drawNumber(rules_.draw);
    Label& display = label(display_);
    display.setCaption(shown());
    shell::paintNumber(display, currentNumber_, rules_.colours);
    shell::paintNumberLikeLabel(box, currentNumber_, rules_.colours);
    box.setText(QString());
}

// ---- the word typed

WriteInWords::WriteInWords(Program& program, int number, const WindowDesign& design, int subMenu,
                           shell::FrameNames names, WordsRules rules, AllowZ z)
    : WordsDrill(program, number, design, subMenu, names, "Label2", std::move(rules)), z_(z) {}

void WriteInWords::Form_Load() {
    WordsDrill::Form_Load();
    label(kCheck).setEnabled(false);
    answerBox().setLocked(true);
}

void WriteInWords::bindEvents() {
    WordsDrill::bindEvents();
    onClick(kCheck, [this] { check(); });
}

void WriteInWords::newItem() {
    answerBox().setLocked(false);
    WordsDrill::newItem();
    showItemCount();
}

void WriteInWords::keyPress(int& keyAscii) {
    showFace(Face::Neutral);
    wordFilter(keyAscii, z_);
    label(kCheck).setEnabled(true);
    completeAnswerRule(answerBox(), keyAscii, word());
}

void WriteInWords::check() {
    label(names.newItem).setEnabled(true);
    label(kCheck).setEnabled(false);
    judge(score(), answerBox().text() == word());
}

// ---- the digits typed

WriteInDigits::WriteInDigits(Program& program, int number, const WindowDesign& design, int subMenu,
                             shell::FrameNames names, WordsRules rules, Judged judged)
    : WordsDrill(program, number, design, subMenu, names, "Label4", std::move(rules)),
      judged_(judged) {}

void WriteInDigits::bindEvents() {
    WordsDrill::bindEvents();
    onKeyUp(QStringLiteral("Text1"), [this](int code, int) { keyUp(code); });
}

void WriteInDigits::keyPress(int& keyAscii) {
    // Any key, even a swallowed one, gives the chalk box back; "SU" catches up here.
    label(names.newItem).setEnabled(true);
    showItemCount();
    digitFilter(keyAscii);
    completeAnswerRule(answerBox(), keyAscii, digits());
}

void WriteInDigits::keyUp(int keyCode) {
    if (!isDigitKey(keyCode))
        return;
    const QString text = answerBox().text();
    if (judged_ == Judged::FullLength && text.length() != digits().length())
        return; // still typing a two-digit answer
    judge(score(), answerTest(text, digits(), int(digits().length())));
}

} // namespace reading_writing
