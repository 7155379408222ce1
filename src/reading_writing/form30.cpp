// From the number to the abacus, up to 20: a number 1 to 20 is shown in digits and in
// words, and the pupil drags red ten beads onto the tens rod and white beads onto the units
// rod.
#include "reading_writing/bead_abacus.h"
#include "reading_writing/read_quantity_drill.h"
#include "shell/frame_design.h"
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

std::vector<ControlDesign> beads() {
    std::vector<ControlDesign> all = beadDesigns(unitBeadRod(), assets::Picture::UnitBead);
    const std::vector<ControlDesign> tens = beadDesigns(tensRod(), assets::Picture::TenBead);
    all.insert(all.end(), tens.begin(), tens.end());
    // The third red bead stands outside every zone and never moves.
    all.push_back(image("Image14", 480, 3120, 480, 480).showing(assets::Picture::TenBead, false));
    return all;
}

// The letter under a rod: "da" for the tens, "u" for the units.
ControlDesign rodName(const char* name, int left, const char* caption, Colour colour) {
    return boardText(name, left, 6000, 495, 375, QString::fromUtf8(caption), 14.25)
        .centred()
        .fore(colour);
}

WindowDesign design() {
    WindowDesign d = abacusDesign({
        .clientHeight = 8445,
        .beads = beads(),
        .abacus =
            {
                label("Label4", 9720, 1320, 495, 4575).transparent().tab(3),
                label("Label15", 9120, 1320, 495, 4575).transparent().tab(15),
                label("Label5", 1320, 1800, 7455, 975).transparent().bordered().tab(4),
                label("Label14", 1320, 2880, 2175, 975).transparent().bordered().tab(14),
                rodLine("Line1", 9960),
                rodLine("Line3", 9360),
                layout::rod("Line2", 8880, 5880, 10440, 5880),
                rodName("Label16", 9120, "da", 0x000000C0),
                rodName("Label17", 9720, "u", 0x00C00000),
            },
        .title =
            boardText("Label3", 2040, 480, 8175, 1095,
                      QStringLiteral("Forma sull'abaco il numero indicato in lettere e in cifre"),
                      18.75)
                .centred(),
        .digitsTop = 4080,
        .words = {2280, 4320},
        .wordsWidth = 6735,
        // Nothing paints the number: dark writing keeps it readable on the peach.
        .numberFore = colours::Black,
        .check = boardText("Label6", 8640, 6360, 2055, 375, QStringLiteral("CONFERMA"), 14.25)
                     .centred()
                     .clickable(),
        .links =
            {// Up to 20 as well, this window "goes" to the main menu.
             shell::mainMenuLink("Label41", 3360, 7320, false),
             shell::subMenuLink("Label18", 6600, 7320, true)},
        .facesLeft = 9120,
        .score = {.esatti = {600, 6720},
                  .right = {1920, 6480},
                  .su = {2880, 6600},
                  .item = {3720, 6480}},
        .rightStart = QStringLiteral("0"),
    });
    // What the window prints on the board: the units digit of a number below ten.
    d.foreColor = colours::White;
    d.font = {QStringLiteral("Arial"), 14.25, true};
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
                                            .rods = {unitBeadRod(), tensRod()},
                                            .printsUnits = true,
                                        });
}

} // namespace reading_writing
