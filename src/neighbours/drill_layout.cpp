#include "neighbours/drill_layout.h"

#include "shell/frame_design.h"

namespace neighbours {

using namespace platform;

WindowDesign drillDesign(const DrillLayout& l) {
    WindowDesign d{.caption = l.caption, .clientHeight = l.clientHeight};
    d.controls = l.answerBoxes;
    const std::vector<ControlDesign> frame = {
        shell::subMenuLink("Label15", 7560, 7440, l.upTo20),
        shell::mainMenuLink("Label14", 3600, 7440, l.upTo20),
        shell::creditLineLabel("Label11", 2640, 8040, 9015),
        hotspot("Label10", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
        hotspot("Label9", 480, l.newItemTop, 975, l.newItemHeight,
                QStringLiteral("DAMMI IL NUMERO")),
        boardText("Label8", 4920, 6000, 735, 495, QString(), 26.25).align(Alignment::Right),
        boardText("Label7", 4320, 6120, 615, 495, QStringLiteral("SU"), 18),
        boardText("Label4", l.rightCountLeft, 6000, 735, 495, l.rightCountStart, 24),
        boardText("Label3", 1440, 6240, 1575, 495, QStringLiteral("ESATTI"), 14.25),
    };
    const auto faces = shell::faceImages(7200, 5760);
    d.controls.insert(d.controls.end(), frame.begin(), frame.begin() + 2);
    d.controls.insert(d.controls.end(), faces.begin(), faces.end());
    d.controls.insert(d.controls.end(), frame.begin() + 2, frame.end());
    d.controls.insert(d.controls.end(), l.displays.begin(), l.displays.end());
    d.controls.push_back(
        boardText("Label1", 240, 600, 11535, l.titleHeight, l.title, 18.75).centred());
    return d;
}

ControlDesign bigNumber(const char* name, int left, Colour fore) {
    return numberLabel(name, left, 2280, 2175, 2295, 90).fore(fore);
}

ControlDesign bigAnswer(const char* name, int left, Colour fore, int tabIndex) {
    return answerBox(name, left, 2280, 2175, 2295, 90).colours(colours::Peach, fore).tab(tabIndex);
}

} // namespace neighbours
