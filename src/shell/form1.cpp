// The title window, shown at start-up.
#include "shell/menu_form.h"
#include "shell/windows.h"

namespace shell {

using namespace platform;

namespace {
const WindowDesign kDesign{
    .caption = QStringLiteral("vesk - Aritmetica cl. I"),
    .clientHeight = 8595,
    .controls = {
        boardText("Label1", 360, 3000, 11175, 1095, QStringLiteral("ARITMETICA"), 48)
            .centred()
            .clickable()
            .tip(QStringLiteral("VAI AL MENU PRINCIPALE")),
        boardText("Label2", 2280, 1080, 7335, 615, QStringLiteral("Esercizi di aritmetica"), 20.25)
            .centred(),
        boardText("Label3", 2760, 4320, 6255, 615, QStringLiteral("Classe   Prima"), 18).centred(),
        boardText("Label4", 4560, 7920, 2655, 495, QStringLiteral("Software libero"), 15.75)
            .centred(),
        boardText("Label6", 2640, 7080, 6255, 495,
                  QStringLiteral("Numeri, abaco, regoli, confronti, addizioni e sottrazioni"), 9.75)
            .withFont(QStringLiteral("MS Sans Serif"), 9.75)
            .centred(),
        hotspot("Label5", 1680, 7680, 855, 855, QStringLiteral("ESCI")),
    }};
} // namespace

std::unique_ptr<Form> makeForm1(Program& program) {
    return std::make_unique<MenuForm>(program, 1, kDesign, std::vector<MenuLink>{{"Label1", 5}},
                                      "Label5");
}

} // namespace shell
