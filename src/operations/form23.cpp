// Additions and subtractions in a row up to 10, the operation drawn first.
#include "operations/operation_drill.h"
#include "operations/operation_layout.h"
#include "shell/windows.h"

namespace operations {

using namespace platform;

namespace {
const WindowDesign kDesign = operationDesign(mixedRowLayout(
    QStringLiteral("vesk - Aritmetica  cl. I    Addizioni ( somma entro 10)  e  Sottrazioni  "
                   "( minuendo entro 10 )  in riga"),
    8370));
} // namespace

std::unique_ptr<Form> makeForm23(Program& program) {
    return std::make_unique<OperationDrill>(program, 23, kDesign, 2,
                                            OperationRules{.kind = OperationRules::Kind::Mixed});
}

} // namespace operations
