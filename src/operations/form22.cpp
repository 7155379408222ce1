// Subtractions in a row up to 10: the minuend never passes 9.
#include "operations/operation_drill.h"
#include "operations/operation_layout.h"
#include "shell/windows.h"

namespace operations {

using namespace platform;

namespace {
const WindowDesign kDesign = operationDesign(subtractionRowLayout(
    QStringLiteral("vesk - Aritmetica  cl. I    Sottrazioin riga  ( minuendo entro 10 )"), 8595));
} // namespace

std::unique_ptr<Form> makeForm22(Program& program) {
    return std::make_unique<OperationDrill>(
        program, 22, kDesign, 2, OperationRules{.kind = OperationRules::Kind::Subtraction});
}

} // namespace operations
