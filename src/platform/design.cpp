#include "platform/design.h"

namespace platform {

namespace {
ControlDesign base(ControlClass kind, const QString& name, int left, int top, int width,
                   int height) {
    ControlDesign d;
    d.kind = kind;
    d.name = name;
    d.left = left;
    d.top = top;
    d.width = width;
    d.height = height;
    return d;
}
} // namespace

ControlDesign label(const QString& name, int left, int top, int width, int height) {
    return base(ControlClass::Label, name, left, top, width, height);
}

ControlDesign textBox(const QString& name, int left, int top, int width, int height) {
    ControlDesign d = base(ControlClass::TextBox, name, left, top, width, height);
    d.colours(colours::WindowBackground, colours::WindowText).bordered();
    return d;
}

ControlDesign image(const QString& name, int left, int top, int width, int height) {
    ControlDesign d = base(ControlClass::Image, name, left, top, width, height);
    d.opaque = false;
    return d;
}

ControlDesign shape(const QString& name, int left, int top, int width, int height) {
    ControlDesign d = base(ControlClass::Shape, name, left, top, width, height);
    d.opaque = false;
    d.backColor = colours::White; // what an opaque shape shows when nothing else is set
    return d;
}

ControlDesign line(const QString& name, int x1, int y1, int x2, int y2) {
    ControlDesign d = base(ControlClass::Line, name, 0, 0, 0, 0);
    d.x1 = x1;
    d.y1 = y1;
    d.x2 = x2;
    d.y2 = y2;
    return d;
}

ControlDesign boardText(const QString& name, int left, int top, int width, int height,
                        const QString& caption, double points) {
    return label(name, left, top, width, height)
        .transparent()
        .fore(colours::White)
        .arial(points)
        .withCaption(caption);
}

ControlDesign hotspot(const QString& name, int left, int top, int width, int height,
                      const QString& toolTip) {
    return label(name, left, top, width, height).transparent().clickable().tip(toolTip);
}

ControlDesign numberLabel(const QString& name, int left, int top, int width, int height,
                          double points) {
    return label(name, left, top, width, height)
        .colours(colours::Peach, colours::White)
        .bordered()
        .arial(points)
        .centred();
}

ControlDesign answerBox(const QString& name, int left, int top, int width, int height,
                        double points) {
    return textBox(name, left, top, width, height)
        .arial(points)
        .centred()
        .withPointer(assets::Pointer::WritingHand);
}

} // namespace platform
