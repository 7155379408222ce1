// The menu of the exercises up to 20.
#include "shell/menu_form.h"
#include "shell/windows.h"

namespace shell {

using namespace platform;

namespace {
ControlDesign entry(const char* name, int left, int top, int width, int height, const char* caption,
                    double points) {
    return boardText(name, left, top, width, height, QString::fromUtf8(caption), points)
        .clickable();
}

ControlDesign heading(const char* name, int left, int top, int width, int height,
                      const char* caption) {
    return boardText(name, left, top, width, height, QString::fromUtf8(caption), 12.75);
}

const WindowDesign kDesign{
    .caption = QStringLiteral("vesk - Aritmetica   cl. I     Menu operazioni entro 20"),
    .clientHeight = 8265,
    .controls = {
        boardText("Label1", 240, 480, 11415, 855, QStringLiteral("Operazioni varie entro il 20"),
                  27.75)
            .centred(),
        heading("Label2", 720, 1320, 2655, 375, "FORMA LA DECINA:"),
        entry("Label3", 1680, 1680, 1695, 255, "Con i regoli", 11.25),
        entry("Label4", 1680, 2040, 1695, 255, "Sull'abaco", 11.25),
        heading("Label6", 720, 2520, 2535, 375, "DAL 10 AL 20:"),
        entry("Label8", 1680, 2880, 1695, 255, "Con i regoli", 11.25),
        entry("Label7", 1680, 3240, 1695, 255, "Sull'abaco", 11.25),
        entry("Label9", 840, 3720, 2535, 615, "Dal numero in lettere e in cifre all'abaco", 11.25),
        entry("Label10", 840, 4440, 2295, 855, "Scrittura dei numeri in lettere", 11.25),
        entry("Label11", 840, 5160, 2415, 615, "Scrittura dei numeri in cifre", 11.25),
        entry("Label12", 840, 5880, 2415, 255, "Confronto", 11.25),
        entry("Label13", 840, 6240, 2415, 615, "La linea dei numeri entro 20", 11.25),
        heading("Label15", 5880, 1320, 3375, 375, "Ordina i numeri:"),
        entry("Label21", 6720, 1680, 2055, 375, "ordine crescente", 11.25),
        entry("Label22", 6720, 2040, 2295, 375, "ordine decrescente", 11.25),
        entry("Label14", 5880, 2760, 4455, 375, "Trova il numero successivo", 12.75),
        entry("Label16", 5880, 3360, 4815, 375, "Trova il numero precedente", 12.75),
        entry("Label17", 5880, 3960, 5055, 375, "Trova il numero in mezzo", 12.75),
        entry("Label23", 5880, 4560, 4455, 615, "Trova il numero precedente e il numero seguente",
              12.75),
        entry("Label19", 5880, 5520, 3375, 375, "Addizioni in riga", 12.75),
        entry("Label18", 5880, 6240, 3495, 375, "Sottrazioni in riga", 12.75),
        entry("Label24", 5880, 6960, 4695, 375, "Addizioni e sottrazioni in riga", 12.75),
        entry("Label25", 4560, 7560, 2895, 255, "VAI A MENU PRINCIPALE", 9.75).centred(),
        hotspot("Label5", 1800, 7800, 615, 615, QStringLiteral("ESCI")),
        boardText("Label20", 2760, 8040, 8895, 375, creditLine(), 9.75).centred(),
    }};

const std::vector<MenuLink> kLinks = {
    {"Label3", 25},  {"Label4", 26},  {"Label8", 28},  {"Label7", 29},  {"Label9", 30},
    {"Label10", 31}, {"Label11", 32}, {"Label12", 33}, {"Label13", 34}, {"Label21", 35},
    {"Label22", 36}, {"Label14", 37}, {"Label16", 38}, {"Label17", 40}, {"Label23", 39},
    {"Label19", 41}, {"Label18", 42}, {"Label24", 43}, {"Label25", 5},
};
} // namespace

std::unique_ptr<Form> makeForm24(Program& program) {
    return std::make_unique<MenuForm>(program, 24, kDesign, kLinks, "Label5");
}

} // namespace shell
