#pragma once

#include "platform/form.h"
#include "platform/program.h"

#include <memory>

// One factory per window of the program.
namespace shell {
std::unique_ptr<platform::Form> makeForm1(platform::Program& program);
std::unique_ptr<platform::Form> makeForm2(platform::Program& program);
std::unique_ptr<platform::Form> makeForm5(platform::Program& program);
std::unique_ptr<platform::Form> makeForm24(platform::Program& program);

// Creates window `number`, or nullptr when this build has no such window.
std::unique_ptr<platform::Form> createForm(platform::Program& program, int number);
// Every window number this build has.
std::vector<int> existingForms();
} // namespace shell

namespace neighbours {
std::unique_ptr<platform::Form> makeForm14(platform::Program& program);
std::unique_ptr<platform::Form> makeForm15(platform::Program& program);
std::unique_ptr<platform::Form> makeForm16(platform::Program& program);
std::unique_ptr<platform::Form> makeForm17(platform::Program& program);
std::unique_ptr<platform::Form> makeForm37(platform::Program& program);
std::unique_ptr<platform::Form> makeForm38(platform::Program& program);
std::unique_ptr<platform::Form> makeForm39(platform::Program& program);
std::unique_ptr<platform::Form> makeForm40(platform::Program& program);
} // namespace neighbours

namespace reading_writing {
std::unique_ptr<platform::Form> makeForm3(platform::Program& program);
std::unique_ptr<platform::Form> makeForm4(platform::Program& program);
std::unique_ptr<platform::Form> makeForm6(platform::Program& program);
std::unique_ptr<platform::Form> makeForm7(platform::Program& program);
std::unique_ptr<platform::Form> makeForm8(platform::Program& program);
std::unique_ptr<platform::Form> makeForm9(platform::Program& program);
std::unique_ptr<platform::Form> makeForm27(platform::Program& program);
std::unique_ptr<platform::Form> makeForm28(platform::Program& program);
std::unique_ptr<platform::Form> makeForm29(platform::Program& program);
std::unique_ptr<platform::Form> makeForm30(platform::Program& program);
std::unique_ptr<platform::Form> makeForm31(platform::Program& program);
std::unique_ptr<platform::Form> makeForm32(platform::Program& program);
} // namespace reading_writing

namespace order {
std::unique_ptr<platform::Form> makeForm10(platform::Program& program);
std::unique_ptr<platform::Form> makeForm11(platform::Program& program);
std::unique_ptr<platform::Form> makeForm12(platform::Program& program);
std::unique_ptr<platform::Form> makeForm13(platform::Program& program);
std::unique_ptr<platform::Form> makeForm33(platform::Program& program);
std::unique_ptr<platform::Form> makeForm34(platform::Program& program);
std::unique_ptr<platform::Form> makeForm35(platform::Program& program);
std::unique_ptr<platform::Form> makeForm36(platform::Program& program);
} // namespace order

namespace operations {
std::unique_ptr<platform::Form> makeForm18(platform::Program& program);
std::unique_ptr<platform::Form> makeForm19(platform::Program& program);
std::unique_ptr<platform::Form> makeForm20(platform::Program& program);
std::unique_ptr<platform::Form> makeForm21(platform::Program& program);
std::unique_ptr<platform::Form> makeForm22(platform::Program& program);
std::unique_ptr<platform::Form> makeForm23(platform::Program& program);
std::unique_ptr<platform::Form> makeForm41(platform::Program& program);
std::unique_ptr<platform::Form> makeForm42(platform::Program& program);
std::unique_ptr<platform::Form> makeForm43(platform::Program& program);
std::unique_ptr<platform::Form> makeForm25(platform::Program& program);
std::unique_ptr<platform::Form> makeForm26(platform::Program& program);
} // namespace operations
