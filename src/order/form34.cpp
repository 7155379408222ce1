// The number line up to 20: some boxes are given and locked, the pupil fills in the others,
// each box judging itself on every key release; "CONFERMA" scores the whole line.
#include "order/number_line.h"
#include "shell/windows.h"

#include <array>

namespace order {

using namespace platform;

namespace {
constexpr int kBoxes = 21;

WindowDesign design() {
    NumberLineLayout l{
        .caption = QStringLiteral("vesk - Aritmetica  cl. I    Linea dei numeri da O a 20"),
        .clientHeight = 8370,
        .title = QStringLiteral("INSERISCI I NUMERI MANCANTI"),
        .ticks = kBoxes,
        .tickSpacing = 480,
        .tickTop = 2400,
        .axisEnd = 10800,
        .upTo20 = true,
        .rightCountLeft = 4440,
        .rightCountStart = QStringLiteral("0"),
    };
    for (int k = 0; k < kBoxes; ++k) {
        ControlDesign d =
            answerBox(QStringLiteral("Text%1").arg(k + 1), 960 + 480 * k, 3000, 495, 555, 18);
        // The two-digit boxes are written from the left and come later in tab order.
        if (k < 10)
            d.tab(k);
        else
            d.tab(k + 12).align(Alignment::Left);
        l.boxes.push_back(d);
    }
    return numberLineDesign(l);
}

const WindowDesign kDesign = design();

class Form34 : public NumberLineForm {
public:
    explicit Form34(Program& program) : NumberLineForm(program, 34, kDesign, 24, kBoxes) {}

    // Every right check scores, so "ESATTI" can pass "SU".
    bool rightMayPassItems() const override { return true; }

protected:
    QString boxName(int k) const override { return QStringLiteral("Text%1").arg(k + 1); }

    void bindEvents() override {
        NumberLineForm::bindEvents();
        onClick(names.newItem, [this] { newItem(); });
        onClick(kCheck, [this] { check(); });
        for (int k = 0; k < kBoxes; ++k) {
            onKeyPress(boxName(k), [this, k](int& key) { keyPress(k, key); });
            onKeyUp(boxName(k), [this, k](int, int) { keyUp(k); });
            onClick(boxName(k), [this] { showFace(shell::Face::Neutral); });
        }
    }

private:
    static QString answer(int k) { return QString::number(k); }

    void newItem() {
        countNewItem();
        for (int k = 0; k < kBoxes; ++k) {
            box(k).setVisible(true);
            box(k).setLocked(false);
            box(k).setText(QString());
        }
        label(names.newItem).setEnabled(false);
        reseed();
        // Numbers drawn twice are given once; 20 is never drawn and always left to fill.
        for (int& given : givenNumbers_) {
            given = draw({.k = 20, .max = 20});
            box(given).setText(answer(given));
            box(given).setLocked(true);
        }
    }

    void keyPress(int k, int& key) {
        digitFilter(key);
        if (box(k).text() == answer(k))
            key = 0; // a right box is frozen
    }

    void keyUp(int k) {
        const QString text = box(k).text();
        if (text == answer(k))
            judgedRight();
        else if (k < 10 || text.length() == 2)
            judgedWrong(shell::WrongBeep::No); // a two-digit box waits for its second digit
        emptyBoxes_ = 0;
        for (int n = 0; n < kBoxes; ++n)
            if (box(n).text().isEmpty())
                ++emptyBoxes_;
        if (emptyBoxes_ == 0)
            label(kCheck).setEnabled(true);
    }

    void check() {
        bool right = true;
        for (int k = 0; k < kBoxes; ++k)
            right = right && box(k).text() == answer(k);
        // Every check counts, so both counts stop at their limit rather than overflow.
        countTry(right ? score().right : score().wrong);
        label(score().rightLabel).setCaption(QString::number(score().right));
        label(kCheck).setEnabled(false);
        label(names.newItem).setEnabled(true);
    }

    std::array<int, kBoxes> givenNumbers_{};
    std::int16_t emptyBoxes_ = 0;
};
} // namespace

std::unique_ptr<Form> makeForm34(Program& program) {
    return std::make_unique<Form34>(program);
}

} // namespace order
