#pragma once

#include "platform/controls.h"
#include "platform/design.h"

#include <functional>
#include <memory>
#include <QRegion>
#include <QWidget>
#include <unordered_map>
#include <vector>

namespace platform {

class Form;
class Program;

// How an outlined box is filled: a cross-hatch in the fill colour sets it apart from a
// filled box of the same colour.
enum class BoxStyle { Filled, Outlined };

struct Mark {
    enum class Kind { Box, Text } kind = Kind::Box;
    QRect area;        // pixels
    Colour colour = 0; // outline or fill
    BoxStyle style = BoxStyle::Filled;
    Colour fillColour = 0;
    int fillStyle = 1; // 1 transparent, 6 cross-hatched
    int drawWidth = 1;
    QString text;
    QFont font;
    // All the pixels it covers: a box's line reaches out by its width, a text by its edge.
    QRect paintedArea() const {
        const int out = kind == Kind::Text ? 1 : drawWidth;
        return area.adjusted(-out, -out, out, out);
    }
};

// The top-level window of a loaded form: the blackboard, the drawn marks and the
// windowless controls are painted here, and the mouse is routed from here.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(Form& form, const WindowDesign& design);
    ~FormWindow() override;

    Form& form() const { return form_; }
    Control* find(const QString& name) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    std::vector<TextBox*> tabOrder() const;
    void renumberTabs(TextBox& moved, int index);

    // The topmost enabled, visible label or image at a point (pixels), or nullptr.
    Control* liveControlAt(QPoint pos) const;
    // Where a drop at a point lands: the topmost enabled, visible label there. Images do
    // not catch drops, so a bead dropped over other beads reaches the zone under them.
    Label* dropTargetAt(QPoint pos) const;

    TextBox* focusedBox() const { return focused_; }
    // Moves the keyboard focus the way a Tab does (from the focused box, or from nowhere);
    // Shift+Tab goes the other way round.
    void tabForward(bool backwards = false);
    void focusBox(TextBox* box);
    void forgetFocus(TextBox* box);

    void startDrag(Image& image);
    bool dragging() const { return drag_.active; }

    std::vector<Mark>& marks() { return marks_; }
    int paintCount() const { return paintCount_; }
    // An area whose look changed: it is painted at the next paint, or at once by
    // paintChanges().
    void changed(const QRect& area);
    // Puts every change since the last paint on the screen now, and nothing else.
    void paintChanges();
    // Retires the window: hidden, and deaf to any input still on its way to it.
    void dispose();
    bool disposed() const { return disposed_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void press(QMouseEvent* e, bool secondOfDouble);
    QRect dragOutline() const; // pixels, with the width of its dotted line
    void moveDragTo(QPoint pos);
    void endDrag();
    void updatePointer(QPoint pos);

    Form& form_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<QString, Control*> byName_;
    std::vector<Mark> marks_;
    TextBox* focused_ = nullptr;
    Control* pressed_ = nullptr;
    bool pressing_ = false;
    QPoint pressPoint_;
    struct Drag {
        bool active = false;
        QRect outline; // pixels
        QPoint grab;   // pointer offset inside the outline
        QPoint pointer;
    } drag_;
    QRegion changes_; // changed since the last paint
    int paintCount_ = 0;
    bool disposed_ = false;
};

// One window of the program. The object lives for the whole run and keeps its form-level
// state; its window (and the controls on it) exists only while the form is loaded.
class Form {
public:
    Form(Program& program, int number, const WindowDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    int number() const { return number_; }
    const WindowDesign& design() const { return design_; }
    Program& program() const { return program_; }

    void show();
    void unload();
    bool isLoaded() const { return window_ != nullptr; }
    FormWindow* window() const { return window_; }

    Control& control(const QString& name) const;
    Label& label(const QString& name) const;
    TextBox& textBox(const QString& name) const;
    Image& image(const QString& name) const;
    Shape& shape(const QString& name) const;
    Line& line(const QString& name) const;

    // Drawing on the window, under the controls.
    void cls();
    void drawBox(int x, int y, int width, int height, Colour colour, BoxStyle style);
    void print(const QString& text);
    // The colour Print writes in.
    void setForeColor(Colour c) { foreColour_ = c; }
    Colour foreColor() const { return foreColour_; }
    Colour fillColor() const { return fillColour_; }
    int fillStyle() const { return fillStyle_; }
    int drawWidth() const { return drawWidth_; }
    void setFillColor(Colour c) { fillColour_ = c; }
    void setFillStyle(int style) { fillStyle_ = style; }
    void setDrawWidth(int width) { drawWidth_ = width; }
    void setCurrentX(int twips) { currentX_ = twips; }
    void setCurrentY(int twips) { currentY_ = twips; }
    int currentX() const { return currentX_; }
    int currentY() const { return currentY_; }

    // The window's own MouseDown: clicks on no control, or on shapes and lines.
    std::function<void(int button, int x, int y)> onMouseDown;

    // Runs one event handler; the program's pending keystrokes follow it.
    void dispatch(const std::function<void()>& handler);

protected:
    virtual void Form_Load() {}
    // Binds the window's handlers to its freshly built controls.
    virtual void bindEvents() {}

    void onClick(const QString& name, std::function<void()> handler);
    void onKeyPress(const QString& name, std::function<void(int&)> handler);
    void onKeyUp(const QString& name, std::function<void(int, int)> handler);
    void onGotFocus(const QString& name, std::function<void()> handler);
    void onMouseDownOf(const QString& name, std::function<void(int, int, int)> handler);
    void onDragDrop(const QString& name, std::function<void()> handler);

    // Shows another window, then unloads this one.
    void goTo(int formNumber);

private:
    // Drawing state: each load starts it afresh from the design.
    void resetDrawing();

    Program& program_;
    int number_;
    const WindowDesign& design_;
    FormWindow* window_ = nullptr;
    Colour foreColour_ = colours::White;
    Colour fillColour_ = colours::Black;
    int fillStyle_ = 1;
    int drawWidth_ = 1;
    int currentX_ = 0;
    int currentY_ = 0;
};

} // namespace platform
