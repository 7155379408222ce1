// The number in the middle, up to 20: x and x + 2 are shown, the pupil types x + 1.
#include "neighbours/drill_layout.h"
#include "neighbours/single_answer_drill.h"
#include "shell/windows.h"

namespace neighbours {

using namespace platform;
using Rules = SingleAnswerRules;

namespace {
const WindowDesign kDesign = drillDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Numero in mezzo entro 20"),
    .clientHeight = 8310,
    .title = QStringLiteral("TROVA IL NUMERO COMPRESO TRA I NUMERI DATI"),
    .answerBoxes = {bigAnswer("Text1", 4920, colours::White, 2)},
    .displays = {bigNumber("Label12", 8400, colours::White).bordered(false).tab(11),
                 bigNumber("Label2", 1320, colours::White)},
    .upTo20 = true,
    .rightCountStart = QStringLiteral("0"),
});

const Rules kRules{
    .draw = {.k = 18, .max = 18},
    .shown = {{"Label2", 0, {}}, {"Label12", 2, {}}},
    .answerOffset = 1,
    .filterLength = Rules::LengthOf::Answer,
    .judgedLength = Rules::LengthOf::Answer,
    .shortIsNoAttempt = true,
};
} // namespace

std::unique_ptr<Form> makeForm40(Program& program) {
    return std::make_unique<SingleAnswerDrill>(program, 40, kDesign, 24, kRules);
}

} // namespace neighbours
