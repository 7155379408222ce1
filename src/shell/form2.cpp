// The menu of the exercises up to 10.
#include "shell/menu_form.h"
#include "shell/windows.h"

namespace shell {

using namespace platform;

namespace {
ControlDesign entry(const char* name, int left, int top, int width, int height, const char* caption,
                    double points = 12.75) {
    return boardText(name, left, top, width, height, QString::fromUtf8(caption), points)
        .clickable();
}

const WindowDesign kDesign{
    .caption = QStringLiteral("vesk - Aritmetica   cl. I     Menu operazioni entro 10"),
    .clientHeight = 8595,
    .controls =
        {
            boardText("Label1", 0, 240, 11895, 855, QStringLiteral("Operazioni varie entro il 10"),
                      27.75)
                .centred(),
            entry("Label2", 600, 1200, 3255, 615, "Dalle unità al numero in cifre e in lettere"),
            entry("Label3", 600, 2040, 3375, 735, "Dal numero in lettere e in cifre alle unità"),
            entry("Label25", 600, 2880, 3855, 615,
                  "Da 0 a 9 in cifre e in lettere con l'aiuto dei regoli"),
            entry("Label4", 600, 3720, 3375, 615, "Dall'abaco al numero in cifre e in lettere"),
            entry("Label5", 600, 4560, 3375, 615, "Dal numero in lettere e in cifre all'abaco"),
            entry("Label6", 600, 5400, 3375, 495, "Scrittura dei numeri in lettere"),
            entry("Label7", 600, 6120, 3495, 375, "Scrittura dei numeri in cifre"),
            entry("Label8", 600, 6720, 3375, 375, "Confronto con   <   =  >"),
            entry("Label9", 600, 7200, 3375, 375, "La linea dei numeri entro 9"),
            boardText("Label10", 6240, 1200, 3375, 375, QStringLiteral("Ordina i numeri:"), 12.75),
            entry("Label21", 7080, 1560, 2055, 375, "ordine crescente", 11.25),
            entry("Label22", 7080, 1920, 2295, 375, "ordine decrescente", 11.25),
            entry("Label11", 6240, 2280, 4455, 375, "Trova il numero successivo"),
            entry("Label12", 6240, 2760, 4815, 375, "Trova il numero precedente"),
            entry("Label13", 6240, 3240, 5055, 375, "Trova il numero in mezzo"),
            entry("Label23", 6240, 3720, 4455, 615,
                  "Trova il numero precedente e il numero seguente"),
            entry("Label14", 6240, 4440, 5175, 375, "Addizioni con l'aiuto dei regoli"),
            entry("Label16", 6240, 4920, 5295, 375, "Sottrazioni con l'aiuto dei regoli"),
            entry("Label15", 6240, 5400, 5175, 375,
                  "Addizioni e sottrazioni con l'aiuto dei regoli"),
            entry("Label17", 6240, 5880, 3375, 375, "Addizioni in riga"),
            entry("Label18", 6240, 6360, 3495, 375, "Sottrazioni in riga"),
            entry("Label24", 6240, 6840, 4695, 375, "Addizioni e sottrazioni in riga"),
            entry("Label26", 4440, 7560, 2895, 255, "TORNA A MENU PRINCIPALE", 9.75).centred(),
            hotspot("Label20", 1680, 7680, 855, 855, QStringLiteral("ESCI")),
            boardText("Label19", 2640, 8040, 8895, 375, creditLine(), 9.75).centred(),
        },
    .backColor = 0x00C0FFFF};

const std::vector<MenuLink> kLinks = {
    {"Label2", 3},   {"Label3", 4},   {"Label25", 27}, {"Label4", 6},   {"Label5", 7},
    {"Label6", 8},   {"Label7", 9},   {"Label8", 10},  {"Label9", 11},  {"Label21", 12},
    {"Label22", 13}, {"Label11", 14}, {"Label12", 15}, {"Label13", 16}, {"Label23", 17},
    {"Label14", 18}, {"Label16", 19}, {"Label15", 20}, {"Label17", 21}, {"Label18", 22},
    {"Label24", 23}, {"Label26", 5},
};
} // namespace

std::unique_ptr<Form> makeForm2(Program& program) {
    return std::make_unique<MenuForm>(program, 2, kDesign, kLinks, "Label20");
}

} // namespace shell
