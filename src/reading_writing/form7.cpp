// From the number to the abacus, up to 10: a number 1 to 9 is shown in digits and in words,
// and the pupil drags as many white beads onto the units rod.
#include "reading_writing/bead_abacus.h"
#include "reading_writing/read_quantity_drill.h"
#include "shell/frame_design.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;

namespace {

const WindowDesign kDesign = abacusDesign({
    .clientHeight = 8385,
    .beads = beadDesigns(unitBeadRod(), assets::Picture::UnitBead),
    .abacus =
        {
            label("Label4", 9480, 1320, 975, 4575).transparent().tab(3),
            label("Label5", 1320, 1800, 7455, 975).transparent().bordered().tab(4),
            rodLine("Line1", 9960),
            layout::rod("Line2", 9120, 5880, 10680, 5880),
        },
    .title = boardText("Label3", 1320, 480, 9615, 1095,
                       QStringLiteral("Trasporta sull'abaco tante unità quante indicate dal "
                                      "numero in lettere e in cifre"),
                       18.75)
                 .centred(),
    .digitsTop = 3360,
    .words = {2400, 3600},
    .wordsWidth = 5295,
    .check = boardText("Label6", 8880, 6000, 2055, 615, QStringLiteral("CONFERMA UNITÀ"), 14.25)
                 .centred()
                 .clickable(),
    .links = {shell::mainMenuLink("Label14", 3000, 7440, false),
              shell::subMenuLink("Label15", 6960, 7440, false)},
    .facesLeft = 9360,
    .score =
        {.esatti = {480, 6720}, .right = {1680, 6480}, .su = {2880, 6600}, .item = {3720, 6480}},
});

} // namespace

std::unique_ptr<Form> makeForm7(Program& program) {
    return std::make_unique<BeadAbacus>(
        program, 7, kDesign, 2,
        shell::FrameNames{.newItem = "Label2", .exit = "Label1", .itemCount = "Label22"},
        AbacusRules{
            .draw = {.k = 9, .offset = 1, .max = 9, .min = 0},
            .rods = {unitBeadRod()},
            .painted = true,
        });
}

} // namespace reading_writing
