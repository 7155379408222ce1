// Making ten on the abacus: the given units slide onto the units rod; the pupil types how
// many complete the ten, and a right answer slides them in and exchanges the ten units for
// one ten. Every step of a slide is shown, with a short pause after it.
#include "operations/make_ten_drill.h"
#include "shell/frame_design.h"
#include "shell/windows.h"

#include <array>

namespace operations {

using namespace platform;

namespace {

// The abacus, as the Left and Top of a bead picture.
constexpr int kUnitsRod = 3240;
constexpr int kTensRod = 1920;
constexpr int kTravelRow = 840;
constexpr int kStore = 4920;
constexpr int kBottomSlot = 5880;
constexpr int kBead = 480;
constexpr int kStep = 40;

constexpr int slotTop(int k) {
    return kBottomSlot - kBead * (k - 1);
}

ControlDesign abacusText(const char* name, int left, int top, int width, int height,
                         const char* caption) {
    return boardText(name, left, top, width, height, QString::fromUtf8(caption), 20.25).centred();
}

ControlDesign abacusLine(const char* name, int x1, int y1, int x2, int y2) {
    ControlDesign d = line(name, x1, y1, x2, y2);
    d.borderColor = 0x00004080; // brown
    d.borderWidth = 3;
    return d;
}

WindowDesign design() {
    WindowDesign d = shell::windowOf(
        QStringLiteral("vesk - Aritmetica  cl. I    Completa la decina sull'abaco"), 8550,
        {
            {
                answerBox("Text1", 7560, 3360, 855, 855, 36).back(colours::Peach).tab(11),
                shell::creditLineLabel("Label29", 2640, 8040, 9015, 495),
                shell::subMenuLink("Label28", 7200, 7440, true),
                shell::mainMenuLink("Label27", 3480, 7440, false),
                abacusText("Label26", 1920, 6960, 495, 495, ""),
                abacusText("Label25", 3240, 6960, 495, 495, ""),
                abacusText("Label24", 3840, 1560, 495, 495, "10"),
                image("Image14", kTensRod, kBottomSlot, kBead, kBead)
                    .showing(assets::Picture::TenBead, false),
                boardText("Label23", 4560, 1655, 2775, 375, QStringLiteral("FACCIO IL CAMBIO"),
                          14.25)
                    .centred(),
                abacusText("Label21", 1800, 6480, 735, 615, "da"),
                abacusText("Label19", 3120, 6480, 735, 615, "u"),
                hotspot("Label18", 1800, 7680, 615, 855, QStringLiteral("ESCI")),
                hotspot("Label17", 600, 7680, 855, 855, QString::fromUtf8("DAMMI LE UNITÀ")),
            },
            scoreLine(6240, 6120),
            shell::faceImages(9720, 3120, "Image13", "Image12", "Image11"),
            {
                boardText("Label16", 8640, 3480, 615, 495, QStringLiteral("u"), 20.25),
                boardText("Label15", 5520, 3600, 1935, 495, QStringLiteral("AGGIUNGO"), 15.75)
                    .centred(),
                boardText("Label14", 240, 480, 11415, 615,
                          QStringLiteral("COMPLETA LA DECINA SULL'ABACO"), 18.75)
                    .centred(),
            },
        });
    // The scale beside the slots, 9 at the top, then the beads, bead 10 above bead 1.
    for (int k = 9; k >= 1; --k)
        d.controls.push_back(boardText(QStringLiteral("Label%1").arg(k), 3840, slotTop(k), 495, 495,
                                       QString::number(k), 20.25)
                                 .centred());
    for (int k = 10; k >= 1; --k)
        d.controls.push_back(
            image(QStringLiteral("Image%1").arg(k), kStore, kTravelRow, kBead, kBead)
                .showing(assets::Picture::UnitBead, false));
    d.controls.push_back(abacusLine("Line3", 2160, 6360, 2160, 1320));
    d.controls.push_back(abacusLine("Line2", 3480, 6360, 3480, 1320));
    d.controls.push_back(abacusLine("Line1", 1440, 6360, 4200, 6360));
    return d;
}

const WindowDesign kDesign = design();

const shell::FrameNames kNames{
    .newItem = "Label17",
    .exit = "Label18",
    .mainMenu = "Label27",
    .subMenu = "Label28",
    .itemCount = "Label22",
    .neutralFace = "Image13",
    .smilingFace = "Image12",
    .sadFace = "Image11",
};

class Form26 : public MakeTenDrill {
public:
    explicit Form26(Program& program) : MakeTenDrill(program, 26, kDesign, kNames) {}

protected:
    void Form_Load() override {
        textBox("Text1").setEnabled(false);
        for (const char* name : {"Image14", "Label23", "Label24"})
            control(name).setVisible(false);
        for (int k = 1; k <= 9; ++k) {
            scaleLabels_[k] = &label(QStringLiteral("Label%1").arg(k));
            scaleLabels_[k]->setVisible(false);
        }
        for (int k = 1; k <= 10; ++k) {
            unitBeads_[k] = &image(QStringLiteral("Image%1").arg(k));
            unitBeads_[k]->setVisible(false);
        }
        showFace(shell::Face::None);
    }

private:
    // One step of a slide: the bead is seen at its new place for the length of the pause.
    void step(Image& bead, int left, int top) {
        bead.move(left, top);
        program().sleep(1);
    }

    // From the store along the travel row and down the units rod to the bead's own slot.
    void placeUnitBead(int k) {
        Image& bead = *unitBeads_[k];
        bead.setVisible(true);
        label("Label25").setCaption(QString::number(k));
        for (int x = kStore; x >= kUnitsRod; x -= kStep)
            step(bead, x, kTravelRow);
        for (int y = kTravelRow; y <= slotTop(k); y += kStep)
            step(bead, kUnitsRod, y);
    }

    // Up the units rod, along the travel row and down to the foot of the tens rod.
    void carryBeadToTens(int k) {
        Image& bead = *unitBeads_[k];
        for (int y = slotTop(k); y >= kTravelRow; y -= kStep)
            step(bead, kUnitsRod, y);
        if (k >= 2)
            label("Label25").setCaption(QString::number(k - 1));
        for (int x = kUnitsRod; x >= kTensRod; x -= kStep)
            step(bead, x, kTravelRow);
        for (int y = kTravelRow; y <= kBottomSlot; y += kStep)
            step(bead, kTensRod, y);
    }

    bool tenUnitsOnTheRod() const {
        for (int k = 1; k <= 10; ++k) {
            const Image& bead = *unitBeads_[k];
            if (!bead.isVisible() || bead.left() != kUnitsRod || bead.top() != slotTop(k))
                return false;
        }
        return true;
    }

    void newItem() override {
        textBox("Text1").setEnabled(true);
        label(names.newItem).setEnabled(false);
        image("Image14").setVisible(false);
        label("Label24").setVisible(false);
        label("Label25").setCaption(QString());
        label("Label26").setCaption(QString());
        score().tries = 0;
        countItem();
        exchanged_ = false;
        textBox("Text1").setText(QString());
        for (int k = 1; k <= 9; ++k)
            scaleLabels_[k]->setVisible(false);
        for (int k = 1; k <= 10; ++k)
            unitBeads_[k]->setVisible(false);
        for (int k = 1; k <= 10; ++k)
            unitBeads_[k]->move(kStore, kTravelRow);
        currentNumber_ = drawNumber({.k = 10, .offset = 1, .max = 9});
        for (int k = 1; k <= currentNumber_; ++k)
            placeUnitBead(k);
        missingUnits_ = 10 - currentNumber_;
        scaleLabels_[currentNumber_]->setVisible(true);
        // The previous item's face stays until the given beads are in place.
        showFace(shell::Face::Neutral);
    }

    void keyUp(int keyCode) override {
        const bool digit = isDigitKey(keyCode);
        bool right = false;
        if (digit) {
            right = judgeAnswer();
            showItemCount();
        }
        // The ten is completed once per item: after the exchange its beads stay on the tens.
        if (digit && right && !exchanged_) {
            label("Label23").setVisible(true);
            label("Label24").setVisible(true);
            for (int k = currentNumber_ + 1; k <= 10; ++k)
                placeUnitBead(k);
        }
        if (isMainRowDigitKey(keyCode))
            program().sleep(2000);
        // Only a full units rod is exchanged, whatever key comes up over the right answer.
        if (textBox("Text1").text() == answer() && tenUnitsOnTheRod())
            exchange();
    }

    void exchange() {
        for (int k = 10; k >= 1; --k)
            carryBeadToTens(k);
        image("Image14").setVisible(true);
        label("Label25").setCaption(QStringLiteral("0"));
        label("Label26").setCaption(QStringLiteral("1"));
        label("Label23").setVisible(false);
        scaleLabels_[currentNumber_]->setVisible(false);
        label("Label24").setVisible(false);
        exchanged_ = true;
        label(names.newItem).setEnabled(true);
    }

    bool exchanged_ = false; // the current item's ten has been exchanged
    std::array<Label*, 10> scaleLabels_{};
    std::array<Image*, 11> unitBeads_{};
};

} // namespace

std::unique_ptr<Form> makeForm26(Program& program) {
    return std::make_unique<Form26>(program);
}

} // namespace operations
