// Additions up to 10 with counting rods: the two addends end to end above the sum.
#include "operations/operation_drill.h"
#include "operations/operation_layout.h"
#include "shell/windows.h"

namespace operations {

using namespace platform;

namespace {
const WindowDesign kDesign = operationDesign(rodLayout());
} // namespace

std::unique_ptr<Form> makeForm18(Program& program) {
    return std::make_unique<OperationDrill>(
        program, 18, kDesign, 2,
        OperationRules{.kind = OperationRules::Kind::Addition, .rods = true});
}

} // namespace operations
