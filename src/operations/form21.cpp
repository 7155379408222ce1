// Additions in a row up to 10: the sum never passes 9.
#include "operations/operation_drill.h"
#include "operations/operation_layout.h"
#include "shell/windows.h"

namespace operations {

using namespace platform;

namespace {
const WindowDesign kDesign = operationDesign(rowLayout());
} // namespace

std::unique_ptr<Form> makeForm21(Program& program) {
    return std::make_unique<OperationDrill>(program, 21, kDesign, 2,
                                            OperationRules{.kind = OperationRules::Kind::Addition});
}

} // namespace operations
