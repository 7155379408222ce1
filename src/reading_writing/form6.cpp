// Abacus to number, up to 10: 1 to 9 white beads on the units rod; the pupil writes the
// number in digits and in words. The boxes wear the colour of the number; the check label
// stays on after a check, and a wrong word beeps.
#include "reading_writing/read_quantity_drill.h"
#include "shell/frame_design.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;
using namespace layout;

namespace {
const WindowDesign kDesign = abacusDesign({
    .clientHeight = 8460,
    .title =
        QStringLiteral("Scrivi in cifre e in lettere il numero delle unità presentate sull'abaco"),
    .baseLeft = 960,
    .wordsLeft = 5640,
    .wordsWidth = 5295,
    .wordsPoints = 48,
    .newItemTip = QStringLiteral("DAMMI LE UNITÀ"),
    .links = {shell::mainMenuLink("Label26", 1680, 7200, false),
              shell::subMenuLink("Label25", 5640, 7200, false)},
    .esattiTop = 5520,
    .rightTop = 5400,
    .suTop = 5520,
    .digitsItemTop = 5400,
    .wordsItemTop = 5400,
    .unwritten =
        {boardText("Label19", 10800, 6000, 855, 615, QString(), 26.25).align(Alignment::Right)},
});

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
