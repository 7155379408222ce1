// From the number to the abacus, up to 20: a number 1 to 20 is shown in digits and in
// words, and the pupil drags red ten beads onto the tens rod and white beads onto the units
// rod.
#include "reading_writing/bead_abacus.h"
#include "shell/menu_form.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;

namespace {

AbacusRod tensRod() {
    return {
        .place = 10,
        .beadLeft = 9120,
        .rodZone = "Label15",
        .storeZone = "Label14",
        .beads = {{"Image15", QPoint(1800, 3120)}, {"Image16", QPoint(2520, 3120)}},
    };
}

WindowDesign design() {
    WindowDesign d{
        .caption = QStringLiteral(
            "vesk - Aritmetica  cl. I    Dal numero in lettere e in cifre all'abaco"),
        .clientHeight = 8445,
        .backColor = 0x00C0C0C0,
        // What the window prints on the board: the units digit of a number below ten.
        .foreColor = colours::White,
        .font = {QStringLiteral("Arial"), 14.25, true},
    };
    // The beads lie over their drop zones.
    d.controls = beadDesigns(unitsRod(), assets::Picture::UnitBead);
    const std::vector<ControlDesign> tenBeads = beadDesigns(tensRod(), assets::Picture::TenBead);
    d.controls.insert(d.controls.end(), tenBeads.begin(), tenBeads.end());
    const std::vector<ControlDesign> rest = {
        // The third red bead stands outside every zone and never moves.
        image("Image14", 480, 3120, 480, 480).showing(assets::Picture::TenBead, false),
        label("Label4", 9720, 1320, 495, 4575).transparent().tab(3),
        label("Label15", 9120, 1320, 495, 4575).transparent().tab(15),
        label("Label5", 1320, 1800, 7455, 975).transparent().bordered().tab(4),
        label("Label14", 1320, 2880, 2175, 975).transparent().bordered().tab(14),
        rodLine("Line1", 9960),
        rodLine("Line3", 9360),
        baseLine("Line2", 8880, 10440),
        boardText("Label16", 9120, 6000, 495, 375, QStringLiteral("da"), 14.25)
            .centred()
            .fore(0x000000C0),
        boardText("Label17", 9720, 6000, 495, 375, QStringLiteral("u"), 14.25)
            .centred()
            .fore(0x00C00000),
        boardText("Label3", 2040, 480, 8175, 1095,
                  QStringLiteral("Forma sull'abaco il numero indicato in lettere e in cifre"),
                  18.75)
            .centred(),
        // Nothing paints them: dark writing keeps the number readable on the peach.
        numberLabel("Label8", 360, 4080, 1815, 1695, 72).fore(colours::Black),
        numberLabel("Label7", 2280, 4320, 6735, 1335, 48).fore(colours::Black),
        boardText("Label6", 8640, 6360, 2055, 375, QStringLiteral("CONFERMA"), 14.25)
            .centred()
            .clickable(),
        hotspot("Label2", 480, 7680, 975, 855, QStringLiteral("DAMMI IL NUMERO")),
        hotspot("Label1", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
        boardText("Label41", 3360, 7320, 2895, 255, QStringLiteral("VAI A MENU PRINCIPALE"), 9.75)
            .centred()
            .clickable(),
        boardText("Label18", 6600, 7320, 1815, 255, QStringLiteral("TORNA A MENU20"), 9.75)
            .centred()
            .clickable(),
        image("Image1", 9120, 6720, 1200, 1185).showing(assets::Picture::NeutralFace, true),
        image("Image2", 9120, 6720, 1200, 1185).showing(assets::Picture::SmilingFace, true),
        image("Image3", 9120, 6720, 1215, 1215).showing(assets::Picture::SadFace, true),
        boardText("Label10", 600, 6720, 1320, 495, QStringLiteral("ESATTI:"), 14.25),
        boardText("Label12", 1920, 6480, 855, 495, QStringLiteral("0"), 24),
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

std::unique_ptr<Form> makeForm30(Program& program) {
    return std::make_unique<BeadAbacus>(program, 30, kDesign, 24,
                                        shell::FrameNames{.newItem = "Label2",
                                                          .exit = "Label1",
                                                          .mainMenu = "Label41",
                                                          .subMenu = "Label18",
                                                          .itemCount = "Label22"},
                                        AbacusRules{
                                            .draw = {.k = 20, .offset = 1, .max = 20, .min = 0},
                                            .rods = {unitsRod(), tensRod()},
                                            .printsUnits = true,
                                        });
}

} // namespace reading_writing
