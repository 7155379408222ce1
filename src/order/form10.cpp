// Comparing two numbers up to 10: 1 to 9 on each side, painted in their colours.
#include "order/comparison_drill.h"
#include "shell/windows.h"

namespace order {

using namespace platform;

namespace {
const WindowDesign kDesign = comparisonDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Confronto dei numeri entro 10"),
    .clientHeight = 8595,
    .numbersWidth = 2295,
    .leftNumberLeft = 2040,
    .rightNumberLeft = 7800,
    .numbersFore = colours::White,
    .scoreWordLeft = 2400,
    .exitLeft = 1800,
    .upTo20 = false,
});

const ComparisonRules kRules{
    .draw = {.k = 9, .offset = 1, .max = 9, .min = 0},
    .colours = shell::chainOf(1, 9),
    .wrapBlanksScore = true,
};
} // namespace

std::unique_ptr<Form> makeForm10(Program& program) {
    return std::make_unique<ComparisonDrill>(program, 10, kDesign, 2, kRules);
}

} // namespace order
