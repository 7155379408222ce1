// The previous and the next number, up to 20: a number 1 to 19 is shown, the pupil types
// its neighbours. Wrong tries are not held against the pupil: an item counts once both
// boxes have come right.
#include "neighbours/drill_layout.h"
#include "neighbours/prev_next_drill.h"
#include "shell/windows.h"

namespace neighbours {

using namespace platform;

namespace {
const WindowDesign kDesign = drillDesign({
    .caption =
        QStringLiteral("vesk - Aritmetica  cl. I    Numero precedente e numero seguente entro 20"),
    .clientHeight = 8595,
    .title = QStringLiteral("TROVA IL NUMERO CHE PRECEDE E IL NUMERO CHE SEGUE"),
    .titleHeight = 735,
    .answerBoxes = {bigAnswer("Text2", 8400, colours::Black, 2),
                    bigAnswer("Text1", 1320, colours::Black, 1)},
    .displays = {bigNumber("Label2", 4800, colours::Black)},
    .upTo20 = true,
    .rightCountLeft = 3000,
});

const PrevNextRules kRules{
    .draw = {.k = 19, .offset = 1, .max = 19, .min = 1},
};

class Form39 : public PrevNextDrill {
public:
    explicit Form39(Program& program) : PrevNextDrill(program, 39, kDesign, 24, kRules) {}

protected:
    // A try is a digit that leaves the box right; the first such one scores. A box still
    // short of a two-digit answer is left alone, and the pupil moves on by hand.
    void keyUp(Side& side, int keyCode) override {
        if (isDigitKey(keyCode)) {
            const bool right = isRight(side);
            if (right)
                countTry(side.tries);
            if (side.tries == 1 && right) {
                judgedRight();
                foundRight(side);
            }
        }
        judgeThreeWay(side);
    }

    void clicked(Side& side) override {
        if (!boxOf(side).text().isEmpty())
            judgeThreeWay(side);
    }

    void gotFocus(Side& side) override {
        showFace(shell::Face::Neutral);
        if (side.tries >= 1)
            judgeThreeWay(side);
    }
};
} // namespace

std::unique_ptr<Form> makeForm39(Program& program) {
    return std::make_unique<Form39>(program);
}

} // namespace neighbours
