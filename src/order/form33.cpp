// Comparing two numbers up to 20: 0 to 19 on each side, in the design's colours.
#include "order/comparison_drill.h"
#include "shell/windows.h"

namespace order {

using namespace platform;

namespace {
const WindowDesign kDesign = comparisonDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Confronto dei numeri entro 20"),
    .clientHeight = 8370,
    .numbersWidth = 3255,
    .leftNumberLeft = 1560,
    .rightNumberLeft = 7320,
    .numbersFore = colours::Black,
    .rightCountStart = QStringLiteral("0"),
    .scoreWordLeft = 2280,
    .exitLeft = 2160,
    .upTo20 = true,
});

const ComparisonRules kRules{
    .draw = {.k = 20, .max = 20, .min = 0},
};
} // namespace

std::unique_ptr<Form> makeForm33(Program& program) {
    return std::make_unique<ComparisonDrill>(program, 33, kDesign, 24, kRules);
}

} // namespace order
