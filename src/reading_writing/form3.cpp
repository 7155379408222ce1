// Units to number, up to 10: 1 to 9 white squares; the pupil writes how many in digits and
// in words. The boxes wear the colour of the number; a wrong word does not beep.
#include "reading_writing/read_quantity_drill.h"
#include "shell/frame_design.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;
using namespace layout;

namespace {
// A 3 by 3 grid of white squares, filled row by row.
std::vector<ControlDesign> unitSquares() {
    std::vector<ControlDesign> squares;
    for (int k = 1; k <= 9; ++k) {
        ControlDesign square = shape(QStringLiteral("Shape%1").arg(k), 480 + 960 * ((k - 1) % 3),
                                     1680 + 960 * ((k - 1) / 3), 735, 735);
        square.shape = ShapeKind::Square;
        square.filled = true;
        square.fillColor = colours::White;
        squares.push_back(square);
    }
    return squares;
}

WindowDesign design() {
    return shell::windowOf(
        QStringLiteral(
            "vesk - Aritmetica  cl. I    Dalla quantità al numero in lettere e in cifre"),
        8595,
        {
            {boardText("Label1", 240, 600, 11415, 735,
                       QStringLiteral("SCRIVI  IN CIFRE E IN LETTERE IL NUMERO DELLE UNITÀ "),
                       18.75)
                 .centred()},
            unitSquares(),
            {
                digitsBox(3720, 2160, colours::White, 1),
                wordsBox(5760, 2400, 5295, 48, 2),
                checkLabel(6120, 3840),
                hotspot("Label2", 480, 7680, 1095, 855, QStringLiteral("DAMMI LE UNITÀ")),
                hotspot("Label3", 1680, 7680, 855, 855, QStringLiteral("ESCI")),
                shell::mainMenuLink("Label41", 4080, 7440, false),
                shell::subMenuLink("Label17", 7320, 7440, false),
            },
            scoreBlocks({.heading = {480, 4800},
                         .esatti = {480, 6240},
                         .right = {1920, 6000},
                         .under = {1920, 6600},
                         .su = {3240, 6120},
                         .item = {3720, 6000}},
                        {.heading = {7200, 4800},
                         .esatti = {7200, 6120},
                         .right = {8760, 5880},
                         .under = {8640, 6480},
                         .su = {9720, 6000},
                         .item = {10440, 5880}},
                        QStringLiteral("0")),
            shell::faceImages(5400, 5880),
            {shell::creditLineLabel("Label5", 2640, 8040, 9135, 375)},
        });
}

const WindowDesign kDesign = design();

const ReadQuantityRules kRules{
    .draw = {.k = 9, .offset = 1, .max = 9, .min = 1},
    .boxColours = shell::chainOf(1, 9),
    .scoreLabels = {"Label14", "Label10", "Label12", "Label13", "Label20", "Label22", "Label15",
                    "Label6", "Label8", "Label9", "Label16", "Label18"},
    .shownBeforeFirstItem = {"Label15", "Label6"},
};
} // namespace

std::unique_ptr<Form> makeForm3(Program& program) {
    return std::make_unique<ReadQuantityDrill>(program, 3, kDesign, 2,
                                               shell::FrameNames{.newItem = "Label2",
                                                                 .exit = "Label3",
                                                                 .mainMenu = "Label41",
                                                                 .subMenu = "Label17",
                                                                 .itemCount = "Label22"},
                                               kRules);
}

} // namespace reading_writing
