// Additions and subtractions in a row up to 20, the operation drawn first.
#include "operations/operation_drill.h"
#include "operations/operation_layout.h"
#include "shell/windows.h"

namespace operations {

using namespace platform;

namespace {
const WindowDesign kDesign = operationDesign(upTo20(mixedRowLayout(
    QStringLiteral("vesk - Aritmetica  cl. I    Addizioni ( somma entro 20)  e  Sottrazioni  "
                   "( minuendo entro 20 )  in riga"),
    8190)));
} // namespace

std::unique_ptr<Form> makeForm43(Program& program) {
    return std::make_unique<OperationDrill>(
        program, 43, kDesign, 24,
        OperationRules{
            .kind = OperationRules::Kind::Mixed,
            .addition = {{.k = 20, .max = 20}, {.k = 20, .max = 20}, 20},
            .subtraction = {{.k = 20, .max = 20}, {.k = 200, .max = 20}},
            .wholeAnswer = true,
        });
}

} // namespace operations
