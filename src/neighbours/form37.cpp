// The number that follows, up to 20: a number 0 to 18 is shown, the pupil types the next.
#include "neighbours/drill_layout.h"
#include "neighbours/single_answer_drill.h"
#include "shell/windows.h"

namespace neighbours {

using namespace platform;
using Rules = SingleAnswerRules;

namespace {
const WindowDesign kDesign = drillDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Numero seguente entro 20"),
    .clientHeight = 8340,
    .title = QStringLiteral("TROVA IL NUMERO CHE SEGUE"),
    .answerBoxes = {bigAnswer("Text1", 6720, colours::Black, 2)},
    .displays = {bigNumber("Label2", 3120, colours::Black)},
    .upTo20 = true,
    .newItemTop = 7680,
    .newItemHeight = 855,
});

const Rules kRules{
    .draw = {.k = 19, .max = 19},
    .shown = {{"Label2", 0, {}}},
    .answerOffset = 1,
    .filterLength = Rules::LengthOf::Answer,
    .judgedLength = Rules::LengthOf::Answer,
    .newItemBack = Rules::NewItemBack::OnJudgedAnswer,
    .shortIsNoAttempt = true,
};
} // namespace

std::unique_ptr<Form> makeForm37(Program& program) {
    return std::make_unique<SingleAnswerDrill>(program, 37, kDesign, 24, kRules);
}

} // namespace neighbours
