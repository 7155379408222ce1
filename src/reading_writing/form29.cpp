// Abacus to number, 10 to 20: one or two red tens and 0 to 9 white units; the pupil writes
// the number in digits and in words. No colours; the digits are scored when the second
// digit key completes the answer.
#include "reading_writing/read_quantity_drill.h"
#include "shell/frame_design.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;
using namespace layout;

namespace {
const WindowDesign kDesign = abacusDesign({
    .clientHeight = 8430,
    .title = QStringLiteral("Scrivi in cifre e in lettere il numero  presentato sull'abaco"),
    .baseLeft = 480,
    .tens = {rod("Line3", 960, 6360, 960, 1800), rodLabel("Label25", 720, "da"),
             bead("Shape10", 720, 5880).back(0x000000FF),
             bead("Shape11", 720, 5400).back(0x000000FF)},
    .wordsLeft = 5160,
    .wordsWidth = 6495,
    .wordsPoints = 42,
    .newItemTip = QStringLiteral("DAMMI IL NUMERO"),
    // The main menu link reads "VAI A MENU PRINCIPALE" here, as up to 10.
    .links = {shell::mainMenuLink("Label41", 2640, 7440, false),
              shell::subMenuLink("Label40", 5880, 7440, true)},
    .esattiTop = 5880,
    .rightTop = 5640,
    .suTop = 5760,
    .digitsItemTop = 5640,
    .wordsItemTop = 5760,
});

const ReadQuantityRules kRules{
    .draw = {.k = 11, .max = 10}, // the units beside the first ten
    .numberOffset = 10,
    .scoreLabels = {"Label14", "Label10", "Label12", "Label13", "Label20", "Label22", "Label15",
                    "Label6", "Label8", "Label9", "Label16", "Label18"},
    .afterCheck = ReadQuantityRules::AfterCheck::StaysOn,
    .wrongWordBeeps = shell::WrongBeep::Yes,
};

class Form29 : public ReadQuantityDrill {
public:
    explicit Form29(Program& program)
        : ReadQuantityDrill(program, 29, kDesign, 24,
                            shell::FrameNames{.newItem = "Label2",
                                              .exit = "Label1",
                                              .mainMenu = "Label41",
                                              .subMenu = "Label40",
                                              .itemCount = "Label22"},
                            kRules) {}

protected:
    void hideQuantity() override {
        shape(QStringLiteral("Shape10")).setVisible(false);
        shape(QStringLiteral("Shape11")).setVisible(false);
        ReadQuantityDrill::hideQuantity();
    }

    // Every number has its first ten; ten units more are the second ten, not ten beads.
    void showQuantity(int units) override {
        shape(QStringLiteral("Shape10")).setVisible(true);
        if (units < 10)
            ReadQuantityDrill::showQuantity(units);
        else
            shape(QStringLiteral("Shape11")).setVisible(true);
    }

    // Every digit key is a try, but only a text of the answer's length is judged, and the
    // score is taken at the second digit key: the one that completes a first answer.
    void digitsKeyUp(int keyCode) override {
        if (!isDigitKey(keyCode))
            return;
        countTry(digits());
        if (textBox(QStringLiteral("Text1")).text().length() != digitsAnswer().length())
            return;
        const bool scored = digits().tries == 2;
        if (digitsRight()) {
            judgedRight();
            if (scored)
                countRight(digits());
        } else {
            judgedWrong();
            if (scored)
                countWrong(digits());
        }
    }
};
} // namespace

std::unique_ptr<Form> makeForm29(Program& program) {
    return std::make_unique<Form29>(program);
}

} // namespace reading_writing
