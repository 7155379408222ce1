// Subtractions in a row up to 20: the minuend never passes 19.
#include "operations/operation_drill.h"
#include "operations/operation_layout.h"
#include "shell/windows.h"

namespace operations {

using namespace platform;

namespace {
const WindowDesign kDesign = operationDesign(upTo20(subtractionRowLayout(
    QStringLiteral("vesk - Aritmetica  cl. I    Sottrazioin riga  ( minuendo entro 20 )"), 8475)));
} // namespace

std::unique_ptr<Form> makeForm42(Program& program) {
    return std::make_unique<OperationDrill>(
        program, 42, kDesign, 24,
        OperationRules{
            .kind = OperationRules::Kind::Subtraction,
            .subtraction = {{.k = 20, .max = 20}, {.k = 20, .max = 20}},
            .wholeAnswer = true,
        });
}

} // namespace operations
