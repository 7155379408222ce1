// Making ten with rods: a rod of 1 to 9 units lies under the orange ten-rod, the rest of the
// ten outlined beside it; the pupil types how many units complete the ten.
#include "operations/make_ten_drill.h"
#include "shell/colour_code.h"
#include "shell/frame_design.h"
#include "shell/windows.h"

#include <cmath>

namespace operations {

using namespace platform;

namespace {

constexpr int kUnit = 855;     // one unit of a rod, in twips
constexpr int kRodLeft = 500;  // where the ten-rod and the item's row start
constexpr int kItemRow = 3000; // the row under the ten-rod
constexpr int kUnderRow = 4000;

WindowDesign design() {
    WindowDesign d = shell::windowOf(
        QStringLiteral("vesk - Aritmetica  cl. I    Completa la decina con i regoli"), 8445,
        {
            {answerBox("Text1", 6240, 3960, 855, 855, 36).tab(5),
             shell::mainMenuLink("Label9", 3480, 7440, false),
             shell::subMenuLink("Label8", 7440, 7440, true, 1695),
             shell::creditLineLabel("Label7", 2640, 8040, 9015, 495)},
            scoreLine(2280, 6240),
            shell::faceImages(8520, 5520),
            {
                boardText("Label6", 240, 360, 11415, 975, QStringLiteral("COMPLETA LA DECINA"),
                          18.75)
                    .centred(),
                boardText("Label5", 2400, 3960, 855, 855, QString(), 36).centred(),
                boardText("Label4", 9240, 2160, 2175, 495, QStringLiteral("10 = 1 da"), 24)
                    .withFont(QStringLiteral("Arial"), 24, false),
                label("Label3", kRodLeft, 2000, 10 * kUnit, kUnit).back(0x000080FF), // orange
                hotspot("Label2", 1800, 7800, 615, 735, QString()),
                hotspot("Label1", 480, 7800, 1095, 735, QString()),
            },
        });
    d.backColor = 0x00C0C0C0;
    return d;
}

const WindowDesign kDesign = design();

const shell::FrameNames kNames{
    .newItem = "Label1",
    .exit = "Label2",
    .mainMenu = "Label9",
    .subMenu = "Label8",
    .itemCount = "Label22",
};

// What an item shows, hidden until the first item.
const char* const kItemControls[] = {"Label10", "Label12", "Label3",  "Label4",
                                     "Label5",  "Label20", "Label22", "Text1"};

// Places worked out in half twips go to the nearest whole twip, halves upwards.
int wholeTwips(double twips) {
    return int(std::lround(twips));
}

class Form25 : public MakeTenDrill {
public:
    explicit Form25(Program& program) : MakeTenDrill(program, 25, kDesign, kNames) {}

protected:
    void Form_Load() override {
        for (const char* name : kItemControls)
            control(name).setVisible(false);
        showFace(shell::Face::None);
    }

private:
    void newItem() override {
        label(names.newItem).setEnabled(false);
        for (const char* name : kItemControls)
            control(name).setVisible(true);
        showFace(shell::Face::Neutral);
        TextBox& box = textBox("Text1");
        box.setText(QString());
        cls();
        countItem();
        score().tries = 0;
        // The clock is mixed in again before every redraw.
        do {
            reseed();
            currentNumber_ = draw({.k = 10, .offset = 1});
        } while (currentNumber_ > 9);
        missingUnits_ = 10 - currentNumber_;
        Label& given = label("Label5");
        given.setCaption(QString::number(currentNumber_));
        const Colour currentColour = rodColour(currentNumber_);
        const Colour missingColour = rodColour(missingUnits_);
        drawBox(kRodLeft, kItemRow, kUnit * currentNumber_, kUnit, currentColour, BoxStyle::Filled);
        given.move(wholeTwips((kUnit * currentNumber_ + 100) / 2.0), kUnderRow);
        setFillColor(missingColour);
        setFillStyle(6);
        drawBox(kRodLeft + kUnit * currentNumber_, kItemRow, kUnit * missingUnits_, kUnit,
                missingColour, BoxStyle::Outlined);
        box.move(wholeTwips(kUnit * missingUnits_ / 2.0 + kUnit * currentNumber_ + 100), kUnderRow);
    }

    static Colour rodColour(int units) {
        return shell::numberColours(units, shell::PaintedOn::Label).back;
    }

    void keyUp(int keyCode) override {
        if (!isDigitKey(keyCode))
            return;
        showItemCount();
        label(names.newItem).setEnabled(true);
        judgeAnswer();
    }
};

} // namespace

std::unique_ptr<Form> makeForm25(Program& program) {
    return std::make_unique<Form25>(program);
}

} // namespace operations
