// Abacus to number, 10 to 20: one or two red tens and 0 to 9 white units; the pupil writes
// the number in digits and in words. No colours; the digits are scored when the second
// digit key completes the answer.
#include "reading_writing/read_quantity_drill.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;
using namespace layout;

namespace {
WindowDesign design() {
    return window(
        QStringLiteral("vesk - Aritmetica  cl. I    Dall'abaco al numero in lettere e in cifre"),
        8430,
        {
            {boardText("Label3", 1200, 480, 9615, 1095,
                       QStringLiteral("Scrivi in cifre e in lettere il numero  presentato "
                                      "sull'abaco"),
                       18.75)
                 .centred()},
            unitsRod(480),
            {
                rod("Line3", 960, 6360, 960, 1800),
                rodLabel("Label25", 720, "da"),
                bead("Shape10", 720, 5880).back(0x000000FF),
                bead("Shape11", 720, 5400).back(0x000000FF),
                digitsBox(3240, 2160, colours::Peach, 3),
                wordsBox(5160, 2640, 6495, 42, 4).back(colours::Peach),
                checkLabel(6120, 4080),
                hotspot("Label2", 480, 7680, 975, 855, QStringLiteral("DAMMI IL NUMERO")),
                hotspot("Label1", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
                mainMenuLink("Label41", 2640, 7440),
                subMenuLink("Label40", 5880, 7440, QStringLiteral("TORNA A MENU20")),
            },
            scoreBlocks({.heading = {3240, 4920},
                         .esatti = {3240, 5880},
                         .right = {4800, 5640},
                         .under = {4800, 6000},
                         .su = {5640, 5760},
                         .item = {6240, 5640}},
                        {.heading = {7800, 4920},
                         .esatti = {7800, 5880},
                         .right = {9360, 5640},
                         .under = {9360, 6000},
                         .su = {10200, 5760},
                         .item = {10800, 5760}},
                        QString()),
            faces(7920, 6600),
            {creditLine("Label5", 2760, 8895)},
        });
}

const WindowDesign kDesign = design();

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
