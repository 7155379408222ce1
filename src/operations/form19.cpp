// Subtractions up to 10 with counting rods: the subtrahend under the minuend, the
// difference an outlined rod after it.
#include "operations/operation_drill.h"
#include "operations/operation_layout.h"
#include "shell/windows.h"

namespace operations {

using namespace platform;

namespace {
const WindowDesign kDesign = operationDesign([] {
    OperationLayout l = rodLayout();
    l.caption = QStringLiteral(
        "vesk - Aritmetica  cl. I    Sottrazioni con l'aiuto dei regoli ( minuendo entro 10 )");
    l.clientHeight = 8385;
    l.sign = QStringLiteral("-");
    l.mainMenuLeft = 3840;
    l.answerFore = colours::Black;
    return l;
}());
} // namespace

std::unique_ptr<Form> makeForm19(Program& program) {
    return std::make_unique<OperationDrill>(
        program, 19, kDesign, 2,
        OperationRules{.kind = OperationRules::Kind::Subtraction, .rods = true});
}

} // namespace operations
