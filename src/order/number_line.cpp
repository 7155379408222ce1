#include "order/number_line.h"

#include "shell/frame_design.h"

namespace order {

using namespace platform;

namespace {
ControlDesign chalkLine(const QString& name, int x1, int y1, int x2, int y2) {
    ControlDesign d = line(name, x1, y1, x2, y2);
    d.borderColor = colours::White;
    d.borderWidth = 3;
    return d;
}

constexpr shell::FrameNames kNames{
    .newItem = "Label2",
    .exit = "Label3",
    .mainMenu = "Label22",
    .subMenu = "Label23",
    .itemCount = "Label20",
};
} // namespace

WindowDesign numberLineDesign(const NumberLineLayout& l) {
    WindowDesign d{.caption = l.caption, .clientHeight = l.clientHeight};
    d.controls = l.boxes;
    d.controls.push_back(shell::subMenuLink(kNames.subMenu, 7680, 7440, l.upTo20));
    d.controls.push_back(shell::mainMenuLink(kNames.mainMenu, 3720, 7440, l.upTo20));
    const std::vector<ControlDesign> faces = shell::faceImages(7320, 5280);
    d.controls.insert(d.controls.end(), faces.begin(), faces.end());
    const std::vector<ControlDesign> frame = {
        shell::creditLineLabel("Label21", 2760, 8040, 9015, 495),
        hotspot(kNames.exit, 1800, 7800, 615, 735, QStringLiteral("ESCI")),
        hotspot(kNames.newItem, 600, 7800, 855, 735, QStringLiteral("DAMMI IL PRIMO NUMERO")),
        boardText(NumberLineForm::kCheck, 5160, 4080, 1815, 375, QStringLiteral("CONFERMA"), 12)
            .centred()
            .clickable(),
        boardText(kNames.itemCount, 6000, 5640, 855, 615, QString(), 26.25),
        boardText("Label19", 5400, 5760, 615, 495, QStringLiteral("SU"), 18),
        boardText("Label17", l.rightCountLeft, 5640, 615, 495, l.rightCountStart, 24),
        boardText("Label15", 3120, 5880, 1215, 495, QStringLiteral("ESATTI"), 14.25),
        boardText("Label1", 360, 720, 11295, 615, l.title, 18.75).centred(),
    };
    d.controls.insert(d.controls.end(), frame.begin(), frame.end());
    d.controls.insert(d.controls.end(), l.labels.begin(), l.labels.end());
    for (int k = 0; k < l.ticks; ++k) {
        const int x = 1200 + l.tickSpacing * k;
        d.controls.push_back(
            chalkLine(NumberLineForm::tickName(k), x, l.tickTop, x, l.tickTop + 600));
    }
    d.controls.push_back(chalkLine(QStringLiteral("Line11"), 1200, 2640, l.axisEnd, 2640));
    return d;
}

NumberLineForm::NumberLineForm(Program& program, int number, const WindowDesign& design,
                               int subMenu, int boxes)
    : ExerciseForm(program, number, design, subMenu, kNames, {"Label17"}), boxCount(boxes) {}

QString NumberLineForm::tickName(int k) {
    // The axis is Line11, so the ticks from 10 on are numbered past it.
    const int n = k == 0 ? 10 : k < 10 ? k : k + 2;
    return QStringLiteral("Line%1").arg(n);
}

void NumberLineForm::Form_Load() {
    label(kCheck).setEnabled(false);
    showFace(shell::Face::None);
    for (int k = 0; k < boxCount; ++k)
        box(k).setVisible(false);
}

void NumberLineForm::countNewItem() {
    image(names.neutralFace).setVisible(true);
    countItem();
    showItemCount();
}

} // namespace order
