#include "neighbours/drill_layout.h"

#include "shell/menu_form.h"

namespace neighbours {

using namespace platform;

WindowDesign drillDesign(const DrillLayout& l) {
    WindowDesign d{.caption = l.caption, .clientHeight = l.clientHeight};
    d.controls = l.answerBoxes;
    const std::vector<ControlDesign> frame = {
        boardText("Label15", 7560, 7440, 1815, 255,
                  l.upTo20 ? QStringLiteral("TORNA A MENU20") : QStringLiteral("TORNA A MENU10"),
                  9.75)
            .centred()
            .clickable(),
        boardText("Label14", 3600, 7440, 2895, 255,
                  l.upTo20 ? QStringLiteral("TORNA A MENU PRINCIPALE")
                           : QStringLiteral("VAI A MENU PRINCIPALE"),
                  9.75)
            .centred()
            .clickable(),
        image("Image1", 7200, 5760, 1200, 1185).showing(assets::Picture::NeutralFace, true),
        image("Image2", 7200, 5760, 1200, 1185).showing(assets::Picture::SmilingFace, true),
        image("Image3", 7200, 5760, 1215, 1215).showing(assets::Picture::SadFace, true),
        boardText("Label11", 2640, 8040, 9015, 615, shell::creditLine(), 9.75).centred(),
        hotspot("Label10", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
        hotspot("Label9", 480, l.newItemTop, 975, l.newItemHeight,
                QStringLiteral("DAMMI IL NUMERO")),
        boardText("Label8", 4920, 6000, 735, 495, QString(), 26.25).align(Alignment::Right),
        boardText("Label7", 4320, 6120, 615, 495, QStringLiteral("SU"), 18),
        boardText("Label4", l.rightCountLeft, 6000, 735, 495, l.rightCountStart, 24),
        boardText("Label3", 1440, 6240, 1575, 495, QStringLiteral("ESATTI"), 14.25),
    };
    d.controls.insert(d.controls.end(), frame.begin(), frame.end());
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
