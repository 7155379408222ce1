// Additions and subtractions up to 10 with counting rods, the operation drawn first; the
// only window that shows how many additions were wrong at the first try.
#include "operations/operation_drill.h"
#include "operations/operation_layout.h"
#include "shell/windows.h"

namespace operations {

using namespace platform;

namespace {
const WindowDesign kDesign = operationDesign([] {
    OperationLayout l = rodLayout();
    l.caption = QStringLiteral("vesk - Aritmetica  cl. I    Addizioni ( somma entro 10)  e  "
                               "Sottrazioni  ( minuendo entro 10 ) con l'aiuto dei regoli");
    l.clientHeight = 8355;
    l.newItemTip = QStringLiteral("DAMMI I NUMERI E L'OPERAZIONE");
    l.sign = QStringLiteral("-");
    l.answer.top = 3000;
    l.mainMenuLeft = 3840;
    l.rightWordLeft = 2040;
    l.answerFore = colours::Black;
    return l;
}());
} // namespace

std::unique_ptr<Form> makeForm20(Program& program) {
    return std::make_unique<OperationDrill>(program, 20, kDesign, 2,
                                            OperationRules{.kind = OperationRules::Kind::Mixed,
                                                           .rods = true,
                                                           .additionWrongCount = "Label13"});
}

} // namespace operations
