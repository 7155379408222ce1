#include "shell/menu_form.h"

namespace shell {

MenuForm::MenuForm(platform::Program& program, int number, const platform::WindowDesign& design,
                   std::vector<MenuLink> links, const char* exitControl)
    : Form(program, number, design), links_(std::move(links)), exit_(exitControl) {}

void MenuForm::bindEvents() {
    for (const MenuLink& link : links_) {
        const int target = link.target;
        // An entry whose exercise is not in this build does nothing.
        onClick(link.control, [this, target] {
            if (program().exists(target))
                goTo(target);
        });
    }
    onClick(exit_, [this] { program().end(); });
}

} // namespace shell
