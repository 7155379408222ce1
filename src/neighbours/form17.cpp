// The previous and the next number, up to 10: a number 1 to 8 is shown, the pupil types
// its neighbours. Colour-coded; an item counts only when both boxes were right at once.
#include "neighbours/drill_layout.h"
#include "neighbours/prev_next_drill.h"
#include "shell/windows.h"

namespace neighbours {

using namespace platform;

namespace {
const WindowDesign kDesign = drillDesign({
    .caption =
        QStringLiteral("vesk - Aritmetica  cl. I    Numero precedente e numero seguente entro 10"),
    .clientHeight = 8580,
    .title = QStringLiteral("TROVA IL NUMERO CHE PRECEDE E IL NUMERO CHE SEGUE"),
    .titleHeight = 735,
    .answerBoxes = {bigAnswer("Text2", 8400, colours::White, 2),
                    bigAnswer("Text1", 1320, colours::White, 1)},
    .displays = {bigNumber("Label2", 4800, colours::White)},
});

const PrevNextRules kRules{
    .draw = {.k = 9, .offset = 1, .max = 8}, // 9 comes out and is drawn again
    .shownColours = shell::chainOf(1, 9),
    .predColours = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0},
    .succColours = shell::chainOf(2, 9),
};

class Form17 : public PrevNextDrill {
public:
    explicit Form17(Program& program) : PrevNextDrill(program, 17, kDesign, 2, kRules) {}

protected:
    // Only the first digit in a box is scored; every key-up then shows how the box stands,
    // so a wrong first digit beeps twice.
    void keyUp(Side& side, int keyCode) override {
        if (isDigitKey(keyCode)) {
            countTry(side.tries);
            if (side.tries == 1) {
                if (isRight(side)) {
                    judgedRight();
                    // A right left box sends the pupil on to the right one.
                    if (&side == &pred)
                        program().sendKeys(*this, QStringLiteral("{TAB}"));
                    foundRight(side);
                } else {
                    judgedWrong();
                }
            }
        }
        judgeTwoWay(side);
    }

    void clicked(Side& side) override {
        image(names.neutralFace).setVisible(true); // on top; the others stay as they are
        if (!boxOf(side).text().isEmpty())
            judgeTwoWay(side);
    }

    void gotFocus(Side& side) override {
        if (side.tries >= 1)
            judgeTwoWay(side);
    }
};
} // namespace

std::unique_ptr<Form> makeForm17(Program& program) {
    return std::make_unique<Form17>(program);
}

} // namespace neighbours
