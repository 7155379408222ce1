// The number in the middle, up to 10: x and x + 2 are shown, the pupil types x + 1.
#include "neighbours/drill_layout.h"
#include "neighbours/single_answer_drill.h"
#include "shell/windows.h"

namespace neighbours {

using namespace platform;
using Rules = SingleAnswerRules;

namespace {
const WindowDesign kDesign = drillDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Numero in mezzo entro 10"),
    .clientHeight = 8595,
    .title = QStringLiteral("TROVA IL NUMERO COMPRESO TRA I NUMERI DATI"),
    .answerBoxes = {bigAnswer("Text1", 4920, colours::White, 2)},
    .displays = {bigNumber("Label12", 8400, colours::White).bordered(false).tab(11),
                 bigNumber("Label2", 1320, colours::White)},
});

const Rules kRules{
    .draw = {.k = 9, .max = 7},
    .shown = {{"Label2", 0, {1, 2, 3, 4, 5, 6, 7, 8, 0}}, {"Label12", 2, shell::chainOf(2, 9)}},
    .answerOffset = 1,
    .answerColours = shell::chainOf(1, 9),
    .filterLength = Rules::LengthOf::ShownNumber,
    .judgedLength = Rules::LengthOf::ShownNumber,
};
} // namespace

std::unique_ptr<Form> makeForm16(Program& program) {
    return std::make_unique<SingleAnswerDrill>(program, 16, kDesign, 2, kRules);
}

} // namespace neighbours
