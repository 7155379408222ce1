// From the number to the abacus, up to 10: a number 1 to 9 is shown in digits and in words,
// and the pupil drags as many white beads onto the units rod.
#include "reading_writing/bead_abacus.h"
#include "shell/menu_form.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;

namespace {

WindowDesign design() {
    WindowDesign d{
        .caption = QStringLiteral(
            "vesk - Aritmetica  cl. I    Dal numero in lettere e in cifre all'abaco"),
        .clientHeight = 8385,
        .backColor = 0x00C0C0C0,
    };
    // The beads lie over their drop zones.
    d.controls = beadDesigns(unitsRod(), assets::Picture::UnitBead);
    const std::vector<ControlDesign> rest = {
        label("Label4", 9480, 1320, 975, 4575).transparent().tab(3),
        label("Label5", 1320, 1800, 7455, 975).transparent().bordered().tab(4),
        rodLine("Line1", 9960),
        baseLine("Line2", 9120, 10680),
        boardText("Label3", 1320, 480, 9615, 1095,
                  QStringLiteral("Trasporta sull'abaco tante unità quante indicate dal numero in "
                                 "lettere e in cifre"),
                  18.75)
            .centred(),
        numberLabel("Label8", 360, 3360, 1815, 1695, 72),
        numberLabel("Label7", 2400, 3600, 5295, 1335, 48),
        boardText("Label6", 8880, 6000, 2055, 615, QStringLiteral("CONFERMA UNITÀ"), 14.25)
            .centred()
            .clickable(),
        hotspot("Label2", 480, 7680, 975, 855, QStringLiteral("DAMMI IL NUMERO")),
        hotspot("Label1", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
        boardText("Label14", 3000, 7440, 2895, 255, QStringLiteral("VAI A MENU PRINCIPALE"), 9.75)
            .centred()
            .clickable(),
        boardText("Label15", 6960, 7440, 1815, 255, QStringLiteral("TORNA A MENU10"), 9.75)
            .centred()
            .clickable(),
        image("Image1", 9360, 6720, 1200, 1185).showing(assets::Picture::NeutralFace, true),
        image("Image2", 9360, 6720, 1200, 1185).showing(assets::Picture::SmilingFace, true),
        image("Image3", 9360, 6720, 1215, 1215).showing(assets::Picture::SadFace, true),
        boardText("Label10", 480, 6720, 1200, 495, QStringLiteral("ESATTI:"), 14.25),
        boardText("Label12", 1680, 6480, 855, 495, QString(), 24),
        boardText("Label20", 2880, 6600, 615, 495, QStringLiteral("SU"), 18),
        boardText("Label22", 3720, 6480, 855, 615, QString(), 26.25),
        boardText("Label13", 1680, 6960, 855, 375, QString(), 14.25),
        boardText("Label9", 2640, 8040, 8895, 375, shell::creditLine(), 9.75).centred(),
    };
    d.controls.insert(d.controls.end(), rest.begin(), rest.end());
    return d;
}

const WindowDesign kDesign = design();

} // namespace

std::unique_ptr<Form> makeForm7(Program& program) {
    return std::make_unique<BeadAbacus>(
        program, 7, kDesign, 2,
        shell::FrameNames{.newItem = "Label2", .exit = "Label1", .itemCount = "Label22"},
        AbacusRules{
            .draw = {.k = 9, .offset = 1, .max = 9, .min = 0},
            .rods = {unitsRod()},
            .painted = true,
        });
}

} // namespace reading_writing
