// The number that precedes, up to 10: a number 1 to 9 is shown, the pupil types the one before.
#include "neighbours/drill_layout.h"
#include "neighbours/single_answer_drill.h"
#include "shell/windows.h"

namespace neighbours {

using namespace platform;
using Rules = SingleAnswerRules;

namespace {
const WindowDesign kDesign = drillDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Numero precedente entro 10"),
    .clientHeight = 8295,
    .title = QStringLiteral("TROVA IL NUMERO CHE PRECEDE"),
    .answerBoxes = {bigAnswer("Text1", 3120, colours::White, 2)},
    .displays = {bigNumber("Label2", 6720, colours::White)},
});

const Rules kRules{
    .draw = {.k = 9, .offset = 1, .max = 9},
    .shown = {{"Label2", 0, shell::chainOf(1, 9)}},
    .answerOffset = -1,
    .answerColours = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0},
    .filterLength = Rules::LengthOf::Answer,
    .judgedLength = Rules::LengthOf::ShownNumber,
};
} // namespace

std::unique_ptr<Form> makeForm15(Program& program) {
    return std::make_unique<SingleAnswerDrill>(program, 15, kDesign, 2, kRules);
}

} // namespace neighbours
