#pragma once

#include "platform/form.h"
#include "platform/program.h"

#include <vector>

namespace shell {

// A window whose clickable labels only lead to other windows, plus the exit spot.
struct MenuLink {
    const char* control;
    int target; // form number
};

class MenuForm : public platform::Form {
public:
    MenuForm(platform::Program& program, int number, const platform::WindowDesign& design,
             std::vector<MenuLink> links, const char* exitControl);

protected:
    void bindEvents() override;

private:
    std::vector<MenuLink> links_;
    const char* exit_;
};

// The wording shared by the credit lines at the foot of the windows. A function, not a
// global, because the window designs that copy it are globals of other files.
inline QString creditLine() {
    return QStringLiteral("Aritmetica cl. I  -  esercizi per la prima classe  -  software libero");
}

} // namespace shell
