// Additions in a row up to 20: the second number comes from a draw ten times too wide.
#include "operations/operation_drill.h"
#include "operations/operation_layout.h"
#include "shell/windows.h"

namespace operations {

using namespace platform;

namespace {
const WindowDesign kDesign = operationDesign([] {
    OperationLayout l = upTo20(rowLayout());
    l.caption = QStringLiteral("vesk - Aritmetica  cl. I    Addizion in riga  ( somma entro 20 )");
    l.clientHeight = 8355;
    l.rightWordLeft = 1800;
    return l;
}());
} // namespace

std::unique_ptr<Form> makeForm41(Program& program) {
    return std::make_unique<OperationDrill>(
        program, 41, kDesign, 24,
        OperationRules{
            .kind = OperationRules::Kind::Addition,
            .addition = {{.k = 20, .max = 20}, {.k = 200, .max = 20}, 20},
            .wholeAnswer = true,
        });
}

} // namespace operations
