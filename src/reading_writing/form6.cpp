// Abacus to number, up to 10: 1 to 9 white beads on the units rod; the pupil writes the
// number in digits and in words. The boxes wear the colour of the number; the check label
// stays on after a check, and a wrong word beeps.
#include "reading_writing/read_quantity_drill.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;
using namespace layout;

namespace {
WindowDesign design() {
    return window(
        QStringLiteral("vesk - Aritmetica  cl. I    Dall'abaco al numero in lettere e in cifre"),
        8460,
        {
            {boardText("Label3", 1200, 480, 9615, 1095,
                       QStringLiteral("Scrivi in cifre e in lettere il numero delle unità "
                                      "presentate sull'abaco"),
                       18.75)
                 .centred()},
            unitsRod(960),
            {
                digitsBox(3240, 2160, colours::Peach, 3),
                wordsBox(5640, 2640, 5295, 48, 4).back(colours::Peach),
                checkLabel(6120, 4080),
                hotspot("Label2", 480, 7680, 975, 855, QStringLiteral("DAMMI LE UNITÀ")),
                hotspot("Label1", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
                mainMenuLink("Label26", 1680, 7200),
                subMenuLink("Label25", 5640, 7200, QStringLiteral("TORNA A MENU10")),
            },
            scoreBlocks({.heading = {3240, 4920},
                         .esatti = {3240, 5520},
                         .right = {4800, 5400},
                         .under = {4800, 6000},
                         .su = {5640, 5520},
                         .item = {6240, 5400}},
                        {.heading = {7800, 4920},
                         .esatti = {7800, 5520},
                         .right = {9360, 5400},
                         .under = {9360, 6000},
                         .su = {10200, 5520},
                         .item = {10800, 5400}},
                        QString()),
            // Never written.
            {boardText("Label19", 10800, 6000, 855, 615, QString(), 26.25).align(Alignment::Right)},
            faces(7920, 6600),
            {creditLine("Label5", 2760, 8895)},
        });
}

const WindowDesign kDesign = design();

const ReadQuantityRules kRules{
    .draw = {.k = 9, .offset = 1, .max = 9, .min = 1},
    .boxColours = shell::chainOf(1, 9),
    .scoreLabels = {"Label14", "Label10", "Label12", "Label13", "Label20", "Label22", "Label15",
                    "Label6", "Label8", "Label9", "Label16", "Label18", "Label19"},
    .afterCheck = ReadQuantityRules::AfterCheck::StaysOn,
    .wrongWordBeeps = shell::WrongBeep::Yes,
    .zPasses = false,
};
} // namespace

std::unique_ptr<Form> makeForm6(Program& program) {
    return std::make_unique<ReadQuantityDrill>(program, 6, kDesign, 2,
                                               shell::FrameNames{.newItem = "Label2",
                                                                 .exit = "Label1",
                                                                 .mainMenu = "Label26",
                                                                 .subMenu = "Label25",
                                                                 .itemCount = "Label22"},
                                               kRules);
}

} // namespace reading_writing
