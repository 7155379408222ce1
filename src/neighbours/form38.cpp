// The number that precedes, up to 20: a number 1 to 20 is shown, the pupil types the one before.
#include "neighbours/drill_layout.h"
#include "neighbours/single_answer_drill.h"
#include "shell/windows.h"

namespace neighbours {

using namespace platform;
using Rules = SingleAnswerRules;

namespace {
const WindowDesign kDesign = drillDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Numero precedente entro 20"),
    .clientHeight = 8310,
    .title = QStringLiteral("TROVA IL NUMERO CHE PRECEDE"),
    .answerBoxes = {bigAnswer("Text1", 3000, colours::White, 2)},
    .displays = {bigNumber("Label2", 6720, colours::White)},
    .upTo20 = true,
    .rightCountStart = QStringLiteral("0"),
    .rightCountLeft = 3000,
    .newItemTop = 7680,
    .newItemHeight = 855,
});

const Rules kRules{
    .draw = {.k = 20, .offset = 1, .max = 20, .min = 1},
    .shown = {{"Label2", 0, {}}},
    .answerOffset = -1,
    .filterLength = Rules::LengthOf::Answer,
    .judgedLength = Rules::LengthOf::Answer,
    .newItemBack = Rules::NewItemBack::OnJudgedAnswer,
    .shortIsNoAttempt = true,
};
} // namespace

std::unique_ptr<Form> makeForm38(Program& program) {
    return std::make_unique<SingleAnswerDrill>(program, 38, kDesign, 24, kRules);
}

} // namespace neighbours
