// The number that follows, up to 10: a number 0 to 8 is shown, the pupil types the next.
#include "neighbours/drill_layout.h"
#include "neighbours/single_answer_drill.h"
#include "shell/windows.h"

namespace neighbours {

using namespace platform;
using Rules = SingleAnswerRules;

namespace {
const WindowDesign kDesign = drillDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Numero seguente entro 10"),
    .clientHeight = 8565,
    .title = QStringLiteral("TROVA IL NUMERO CHE SEGUE"),
    .answerBoxes = {bigAnswer("Text1", 6720, colours::White, 2)},
    .displays = {bigNumber("Label2", 3120, colours::White)},
});

const Rules kRules{
    .draw = {.k = 9, .max = 8},
    .shown = {{"Label2", 0, {1, 2, 3, 4, 5, 6, 7, 8, 0}}},
    .answerOffset = 1,
    .answerColours = shell::chainOf(1, 9),
    .filterLength = Rules::LengthOf::ShownNumber,
    .judgedLength = Rules::LengthOf::ShownNumber,
};
} // namespace

std::unique_ptr<Form> makeForm14(Program& program) {
    return std::make_unique<SingleAnswerDrill>(program, 14, kDesign, 2, kRules);
}

} // namespace neighbours
