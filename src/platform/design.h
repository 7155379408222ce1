#pragma once

#include "assets/pictures.h"
#include "platform/colour.h"

#include <optional>
#include <QString>
#include <vector>

namespace platform {

enum class ControlClass { Label, TextBox, Image, Shape, Line };
enum class Alignment { Left = 0, Right = 1, Centre = 2 };
enum class ShapeKind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3 };

struct FontDesign {
    QString name = QStringLiteral("MS Sans Serif");
    double points = 8.25;
    bool bold = false;
};

// One control of a window design. Visible, Enabled and a text box's Text are not stored:
// every control starts visible, enabled and empty.
struct ControlDesign {
    ControlClass kind = ControlClass::Label;
    QString name;
    int left = 0, top = 0, width = 0, height = 0; // a Line uses x1, y1, x2, y2 instead
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::optional<int> tabIndex;
    QString caption;
    Colour backColor = colours::ButtonFace;
    Colour foreColor = colours::ButtonText;
    bool opaque = true;
    bool border = false;
    Alignment alignment = Alignment::Left;
    FontDesign font;
    assets::Pointer pointer = assets::Pointer::Arrow;
    QString toolTip;
    assets::Picture picture = assets::Picture::None;
    bool stretch = false;
    ShapeKind shape = ShapeKind::Rectangle;
    bool filled = false;
    Colour fillColor = colours::Black;
    Colour borderColor = colours::WindowText;
    int borderWidth = 1;

    // Chained setters keep the design tables short and readable.
    ControlDesign& withCaption(const QString& text) {
        caption = text;
        return *this;
    }
    ControlDesign& withFont(const QString& family, double pt, bool isBold = true) {
        font = {family, pt, isBold};
        return *this;
    }
    ControlDesign& arial(double pt) { return withFont(QStringLiteral("Arial"), pt, true); }
    ControlDesign& align(Alignment a) {
        alignment = a;
        return *this;
    }
    ControlDesign& centred() { return align(Alignment::Centre); }
    ControlDesign& colours(Colour back, Colour fore) {
        backColor = back;
        foreColor = fore;
        return *this;
    }
    ControlDesign& fore(Colour c) {
        foreColor = c;
        return *this;
    }
    ControlDesign& back(Colour c) {
        backColor = c;
        return *this;
    }
    ControlDesign& transparent() {
        opaque = false;
        return *this;
    }
    ControlDesign& bordered(bool on = true) {
        border = on;
        return *this;
    }
    ControlDesign& clickable() {
        pointer = assets::Pointer::PointingHand;
        return *this;
    }
    ControlDesign& withPointer(assets::Pointer p) {
        pointer = p;
        return *this;
    }
    ControlDesign& tip(const QString& text) {
        toolTip = text;
        return *this;
    }
    ControlDesign& tab(int index) {
        tabIndex = index;
        return *this;
    }
    ControlDesign& showing(assets::Picture p, bool stretched) {
        picture = p;
        stretch = stretched;
        return *this;
    }
};

struct WindowDesign {
    QString caption;
    int clientHeight = 8595;
    int clientWidth = 11880;
    std::vector<ControlDesign> controls;    // design order: the first lies on top
    Colour backColor = colours::ButtonFace; // covered by the blackboard at the design size
    // What Print writes with: chalk white and a bold face, so it reads on the board.
    Colour foreColor = colours::White;
    FontDesign font = {QStringLiteral("Arial"), 12, true};
};

// Class defaults.
ControlDesign label(const QString& name, int left, int top, int width, int height);
ControlDesign textBox(const QString& name, int left, int top, int width, int height);
ControlDesign image(const QString& name, int left, int top, int width, int height);
ControlDesign shape(const QString& name, int left, int top, int width, int height);
ControlDesign line(const QString& name, int x1, int y1, int x2, int y2);

// The shared styles of the blackboard look.
// White bold Arial writing on a transparent label.
ControlDesign boardText(const QString& name, int left, int top, int width, int height,
                        const QString& caption, double points);
// A caption-less clickable area over something painted on the board.
ControlDesign hotspot(const QString& name, int left, int top, int width, int height,
                      const QString& toolTip);
// The light peach box a number is shown in.
ControlDesign numberLabel(const QString& name, int left, int top, int width, int height,
                          double points);
// An answer box: bold Arial, centred, writing-hand pointer.
ControlDesign answerBox(const QString& name, int left, int top, int width, int height,
                        double points);

} // namespace platform
