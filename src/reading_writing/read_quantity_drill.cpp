#include "reading_writing/read_quantity_drill.h"

#include "shell/frame_design.h"

namespace reading_writing {

using namespace platform;
using shell::Face;

namespace {
const char* const kDigitsBox = "Text1";
const char* const kWordsBox = "Text2";
const char* const kCheck = "Label4";
constexpr int kUnits = 9; // Shape1 to Shape9
} // namespace

ReadQuantityDrill::ReadQuantityDrill(Program& program, int number, const WindowDesign& design,
                                     int subMenu, shell::FrameNames names, ReadQuantityRules rules)
    : ExerciseForm(program, number, design, subMenu, names, {"Label12", "Label8"}),
      rules_(std::move(rules)) {}

void ReadQuantityDrill::Form_Load() {
    // A check that never turns the label off leaves it to the load to do so.
    if (rules_.afterCheck == ReadQuantityRules::AfterCheck::StaysOn)
        label(kCheck).setEnabled(false);
    showFace(Face::None);
    for (const char* name : rules_.scoreLabels)
        label(name).setVisible(false);
    for (const char* name : rules_.shownBeforeFirstItem)
        label(name).setVisible(true);
    textBox(kDigitsBox).setVisible(false);
    textBox(kWordsBox).setVisible(false);
    label(kCheck).setVisible(false);
    hideQuantity();
}

void ReadQuantityDrill::bindEvents() {
    ExerciseForm::bindEvents();
    onClick(names.newItem, [this] { newItem(); });
    onGotFocus(kDigitsBox, [this] { digitsGotFocus(); });
    onKeyPress(kDigitsBox, [this](int& key) {
        digitFilter(key);
        completeAnswerRule(textBox(kDigitsBox), key, digitsAnswer());
    });
    onKeyUp(kDigitsBox, [this](int code, int) { digitsKeyUp(code); });
    onGotFocus(kWordsBox, [this] { wordsGotFocus(); });
    onKeyPress(kWordsBox, [this](int& key) { wordsKeyPress(key); });
    onClick(kCheck, [this] { check(); });
}

void ReadQuantityDrill::hideQuantity() {
    for (int k = 1; k <= kUnits; ++k)
        shape(QStringLiteral("Shape%1").arg(k)).setVisible(false);
}

void ReadQuantityDrill::showQuantity(int value) {
    for (int k = 1; k <= value; ++k)
        shape(QStringLiteral("Shape%1").arg(k)).setVisible(true);
}

bool ReadQuantityDrill::digitsRight() const {
    const QString answer = digitsAnswer();
    return answerTest(textBox(kDigitsBox).text(), answer, int(answer.length()));
}

void ReadQuantityDrill::newItem() {
    label(names.newItem).setEnabled(false);
    label(kCheck).setEnabled(false);
    for (const char* name : rules_.scoreLabels)
        label(name).setVisible(true);
    digits().tries = 0;
    words().tries = 0;
    countItem();
    showItemCount("Label18");
    showItemCount("Label22");
    // From the words box, where the last item ended, back to the digits box; the first item
    // of a run sends none.
    if (itemCount > 1)
        program().sendKeys(*this, QStringLiteral("{TAB}"));
    for (const char* name : {kDigitsBox, kWordsBox}) {
        textBox(name).setText(QString());
        textBox(name).setForeColor(colours::Black);
    }
    showFace(Face::Neutral);
    label(kCheck).setVisible(false);
    hideQuantity();
    // Reseeded before every draw of the loop; the guard never fires.
    do {
        reseed();
        currentNumber_ = draw({rules_.draw.k, rules_.draw.offset});
    } while (currentNumber_ < rules_.draw.min || currentNumber_ > rules_.draw.max);
    for (const char* name : {kDigitsBox, kWordsBox})
        shell::paintNumber(textBox(name), currentNumber_, rules_.boxColours);
    showQuantity(currentNumber_);
    textBox(kDigitsBox).setVisible(true);
    textBox(kWordsBox).setVisible(true);
}

void ReadQuantityDrill::digitsGotFocus() {
    showFace(Face::Neutral);
    if (digitsRight())
        judgedRight();
    else if (!textBox(kDigitsBox).text().isEmpty())
        judgedWrong();
}

void ReadQuantityDrill::digitsKeyUp(int keyCode) {
    if (isDigitKey(keyCode))
        judge(digits(), digitsRight());
}

void ReadQuantityDrill::wordsGotFocus() {
    label(kCheck).setVisible(true);
    showFace(Face::Neutral);
    const QString word = shell::numberWord(number());
    const QString text = textBox(kWordsBox).text();
    if (text.length() == word.length())
        showJudgement(text == word);
}

void ReadQuantityDrill::wordsKeyPress(int& keyAscii) {
    label(kCheck).setVisible(true);
    showFace(Face::Neutral);
    wordFilter(keyAscii, rules_.zPasses ? AllowZ::Yes : AllowZ::No);
    label(kCheck).setEnabled(true);
    completeAnswerRule(textBox(kWordsBox), keyAscii, shell::numberWord(number()));
}

void ReadQuantityDrill::check() {
    label(names.newItem).setEnabled(true);
    if (rules_.afterCheck == ReadQuantityRules::AfterCheck::Off)
        label(kCheck).setEnabled(false);
    judge(words(), textBox(kWordsBox).text() == shell::numberWord(number()), rules_.wrongWordBeeps);
}

namespace layout {

std::vector<ControlDesign> scoreBlocks(const BlockPlaces& d, const BlockPlaces& w,
                                       const QString& wordRightStart) {
    const auto count = [](const char* name, QPoint at, const QString& caption) {
        return boardText(name, at.x(), at.y(), 615, 615, caption, 24).align(Alignment::Right);
    };
    const auto text = [](const char* name, QPoint at, int width, int height, const char* caption,
                         double points) {
        return boardText(name, at.x(), at.y(), width, height, QString::fromUtf8(caption), points);
    };
    return {
        text("Label14", d.heading, 2775, 495, "NUMERI IN CIFRE", 15.75),
        text("Label10", d.esatti, 1335, 375, "ESATTI:", 14.25),
        count("Label12", d.right, QString()),
        count("Label13", d.under, QString()),
        text("Label20", d.su, 495, 495, "SU", 18),
        text("Label22", d.item, 855, 675, "", 26.25).align(Alignment::Right),
        text("Label15", w.heading, 3495, 495, "NUMERI IN LETTERE", 15.75),
        text("Label6", w.esatti, 1335, 375, "ESATTI:", 14.25),
        count("Label8", w.right, wordRightStart),
        count("Label9", w.under, QString()),
        text("Label16", w.su, 495, 495, "SU", 18),
        text("Label18", w.item, 870, 615, "", 26.25).align(Alignment::Right),
    };
}

ControlDesign digitsBox(int left, int top, Colour back, int tabIndex) {
    return answerBox(kDigitsBox, left, top, 1815, 1695, 72)
        .back(back)
        .tab(tabIndex)
        .tip(QStringLiteral("SCRIVI IL NUMERO IN CIFRE"));
}

ControlDesign wordsBox(int left, int top, int width, double points, int tabIndex) {
    return answerBox(kWordsBox, left, top, width, 1245, points)
        .tab(tabIndex)
        .tip(QStringLiteral("SCRIVI IL NUMERO IN LETTERE"));
}

ControlDesign checkLabel(int left, int top) {
    return boardText(kCheck, left, top, 4575, 495, QStringLiteral("CONFERMA IL NUMERO IN LETTERE"),
                     12)
        .centred()
        .clickable();
}

ControlDesign bead(const QString& name, int left, int top) {
    ControlDesign d = shape(name, left, top, 495, 495);
    d.shape = ShapeKind::Circle;
    d.opaque = true;
    return d;
}

ControlDesign rod(const char* name, int x1, int y1, int x2, int y2) {
    ControlDesign d = line(name, x1, y1, x2, y2);
    d.borderColor = 0x00004080;
    d.borderWidth = 3;
    return d;
}

ControlDesign rodLabel(const char* name, int left, const char* caption) {
    return boardText(name, left, 6480, 495, 495, QString::fromUtf8(caption), 20.25).centred();
}

std::vector<ControlDesign> unitsRod(int baseLeft) {
    std::vector<ControlDesign> controls = {
        rod("Line1", 1800, 1800, 1800, 6360),
        rod("Line2", baseLeft, 6360, 2520, 6360),
        rodLabel("Label24", 1560, "u"),
    };
    for (int k = 1; k <= kUnits; ++k)
        controls.push_back(bead(QStringLiteral("Shape%1").arg(k), 1560, 5880 - 480 * (k - 1)));
    return controls;
}

WindowDesign abacusDesign(const AbacusLayout& l) {
    return shell::windowOf(
        QStringLiteral("vesk - Aritmetica  cl. I    Dall'abaco al numero in lettere e in cifre"),
        l.clientHeight,
        {
            {boardText("Label3", 1200, 480, 9615, 1095, l.title, 18.75).centred()},
            unitsRod(l.baseLeft),
            l.tens,
            {
                digitsBox(3240, 2160, colours::Peach, 3),
                wordsBox(l.wordsLeft, 2640, l.wordsWidth, l.wordsPoints, 4).back(colours::Peach),
                checkLabel(6120, 4080),
                hotspot("Label2", 480, 7680, 975, 855, l.newItemTip),
                hotspot("Label1", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
            },
            l.links,
            scoreBlocks({.heading = {3240, 4920},
                         .esatti = {3240, l.esattiTop},
                         .right = {4800, l.rightTop},
                         .under = {4800, 6000},
                         .su = {5640, l.suTop},
                         .item = {6240, l.digitsItemTop}},
                        {.heading = {7800, 4920},
                         .esatti = {7800, l.esattiTop},
                         .right = {9360, l.rightTop},
                         .under = {9360, 6000},
                         .su = {10200, l.suTop},
                         .item = {10800, l.wordsItemTop}},
                        QString()),
            l.unwritten,
            shell::faceImages(7920, 6600),
            {shell::creditLineLabel("Label5", 2760, 8040, 8895, 375)},
        });
}

} // namespace layout

} // namespace reading_writing
