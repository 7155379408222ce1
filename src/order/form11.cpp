// The number line up to 9: one box comes out with its number; each first key in a box
// brings out another box, and once all ten are out "CONFERMA" judges the whole line.
#include "order/number_line.h"
#include "shell/colour_code.h"
#include "shell/windows.h"

#include <array>

namespace order {

using namespace platform;

namespace {
constexpr int kBoxes = 10;

WindowDesign design() {
    NumberLineLayout l{
        .caption = QStringLiteral("vesk - Aritmetica  cl. I    Linea dei numeri da O a 9"),
        .clientHeight = 8595,
        .title = QStringLiteral("INSERISCI I NUMERI RICHIESTI"),
        .ticks = kBoxes,
        .tickSpacing = 1080,
        .tickTop = 2280,
        .axisEnd = 10920,
        .upTo20 = false,
        .rightCountLeft = 4320,
    };
    for (int k = 1; k <= kBoxes; ++k) {
        const int n = k % kBoxes; // Text10 and Label4 belong to 0
        l.boxes.push_back(
            answerBox(QStringLiteral("Text%1").arg(k), 840 + 1080 * n, 3000, 735, 870, 36)
                .tab(k - 1));
    }
    for (int n = 0; n < kBoxes; ++n)
        l.labels.push_back(boardText(QStringLiteral("Label%1").arg(n + 4), 960 + 1080 * n, 1800,
                                     495, 495, QString::number(n), 18)
                               .centred());
    return numberLineDesign(l);
}

const WindowDesign kDesign = design();

const shell::Draw kAnyBox{.k = kBoxes, .max = kBoxes - 1};

class Form11 : public NumberLineForm {
public:
    explicit Form11(Program& program) : NumberLineForm(program, 11, kDesign, 2, kBoxes) {}

protected:
    QString boxName(int k) const override {
        return QStringLiteral("Text%1").arg(k == 0 ? kBoxes : k);
    }

    void Form_Load() override {
        NumberLineForm::Form_Load();
        for (int k = 0; k < kBoxes; ++k) {
            const shell::NumberColours c = shell::numberColours(k, shell::PaintedOn::Label);
            line(tickName(k)).setBorderColor(c.back);
            box(k).setBackColor(c.back);
            if (k > 0) // the box of 0 keeps its design's text colour
                box(k).setForeColor(c.fore);
            numberLabel(k).setVisible(false);
        }
    }

    void bindEvents() override {
        NumberLineForm::bindEvents();
        onClick(names.newItem, [this] { newItem(); });
        onClick(kCheck, [this] { check(); });
        for (int k = 0; k < kBoxes; ++k)
            onKeyPress(boxName(k), [this, k](int& key) { keyPress(k, key); });
        // The number labels take no click: a stray click on the hint must not end the
        // program and lose the score.
    }

private:
    Label& numberLabel(int k) const { return label(QStringLiteral("Label%1").arg(k + 4)); }

    void newItem() {
        score().tries = 0;
        countNewItem();
        rightBoxes_ = 0;
        for (int k = 0; k < kBoxes; ++k) {
            box(k).setLocked(false);
            box(k).setText(QString());
            numberLabel(k).setVisible(false);
        }
        boxKeyCount_.fill(0);
        revealedCount_ = 0;
        label(names.newItem).setEnabled(false);
        // Hiding the boxes takes the focus away: the pupil clicks into the new one.
        for (int k = 0; k < kBoxes; ++k)
            box(k).setVisible(false);
        revealedNumber_ = drawNumber(kAnyBox);
        ++revealedCount_;
        bringOut(revealedNumber_);
        numberLabel(revealedNumber_).setVisible(true);
    }

    // The boxes take their places in tab order as they come out.
    void bringOut(int k) {
        box(k).setVisible(true);
        box(k).setTabIndex(revealedCount_);
    }

    void keyPress(int k, int& key) {
        if (box(k).isVisible())
            boxExpected_[k] = QString::number(k);
        digitFilter(key);
        countTry(boxKeyCount_[k]);
        if (boxKeyCount_[k] == 1)
            revealNext();
        completeAnswerRule(box(k), key, boxExpected_[k]);
        if (revealedCount_ == kBoxes + 1) {
            label(names.newItem).setEnabled(true);
            label(kCheck).setEnabled(true);
        }
    }

    // The first key in the newest box brings out a hidden one, and the focus follows it
    // by a Tab, since the new box stands last in tab order. Once every box is out, the
    // first box drawn is sent to the end of the tab order instead.
    void revealNext() {
        ++revealedCount_;
        reseed();
        for (;;) {
            revealedNumber_ = draw(kAnyBox);
            if (revealedCount_ <= kBoxes && box(revealedNumber_).isVisible())
                continue;
            bringOut(revealedNumber_);
            program().sendKeys(*this, QStringLiteral("{TAB}"));
            return;
        }
    }

    void check() {
        rightBoxes_ = 0;
        label(kCheck).setEnabled(false);
        for (int k = 0; k < kBoxes; ++k)
            if (box(k).text() == QString::number(k))
                ++rightBoxes_;
        judge(score(), rightBoxes_ == kBoxes);
    }

    int revealedNumber_ = 0;
    std::int16_t revealedCount_ = 0;
    std::array<std::int16_t, kBoxes> boxKeyCount_{};
    std::array<QString, kBoxes> boxExpected_;
    std::int16_t rightBoxes_ = 0;
};
} // namespace

std::unique_ptr<Form> makeForm11(Program& program) {
    return std::make_unique<Form11>(program);
}

} // namespace order
