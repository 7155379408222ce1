// The main menu: the two ranges of exercises.
#include "shell/menu_form.h"
#include "shell/windows.h"

namespace shell {

using namespace platform;

namespace {
const WindowDesign kDesign{
    .caption = QStringLiteral("vesk - Aritmetica cl. I  Menu principale"),
    .clientHeight = 8250,
    .controls = {
        boardText("Label1", 1560, 3480, 6495, 495, QStringLiteral("OPERAZIONI VARIE ENTRO IL 9"),
                  20.25)
            .clickable(),
        boardText("Label2", 1560, 4560, 6855, 495, QStringLiteral("OPERAZIONI VARIE ENTRO IL 20"),
                  20.25)
            .clickable(),
        image("Image1", 5640, 6600, 960, 720)
            .showing(assets::Picture::BackArrow, true)
            .tip(QStringLiteral("PAGINA INIZIALE")),
        hotspot("Label3", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
        boardText("Label4", 2640, 8040, 9255, 375, creditLine(), 9.75).centred(),
    }};
} // namespace

std::unique_ptr<Form> makeForm5(Program& program) {
    return std::make_unique<MenuForm>(
        program, 5, kDesign, std::vector<MenuLink>{{"Label1", 2}, {"Label2", 24}, {"Image1", 1}},
        "Label3");
}

} // namespace shell
