#pragma once

#include "platform/design.h"

#include <functional>
#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <QRect>

class QPainter;

namespace platform {

class FormWindow;
class TextBox;

// A control drawn by its window rather than a widget of its own, so that the design order
// decides both what lies on top and which control a click reaches.
class Control {
public:
    Control(FormWindow& window, const ControlDesign& design);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return d_.name; }
    ControlClass kind() const { return d_.kind; }

    int left() const { return d_.left; }
    int top() const { return d_.top; }
    int width() const { return d_.width; }
    int height() const { return d_.height; }
    void setLeft(int twips) { move(twips, d_.top); }
    void setTop(int twips) { move(d_.left, twips); }
    virtual void move(int left, int top);
    void move(int left, int top, int width, int height);

    bool isVisible() const { return visible_; }
    virtual void setVisible(bool on);
    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool on);
    // Takes clicks, drops and the pointer: enabled and visible.
    bool isLive() const { return visible_ && enabled_; }

    QString toolTip() const { return d_.toolTip; }
    assets::Pointer pointer() const { return d_.pointer; }

    virtual QRect pixelRect() const;
    virtual void paint(QPainter&) const {}

    // Events, bound by the window's handlers.
    std::function<void()> onClick;
    std::function<void()> onDragDrop;
    std::function<void(int button, int x, int y)> onMouseDown;

protected:
    void changed(const QRect& oldArea);
    void repaintArea() { changed(pixelRect()); }

    FormWindow& window_;
    ControlDesign d_;
    bool visible_ = true;
    bool enabled_ = true;
};

class Label : public Control {
public:
    using Control::Control;
    QString caption() const { return d_.caption; }
    void setCaption(const QString& text);
    Colour backColor() const { return d_.backColor; }
    Colour foreColor() const { return d_.foreColor; }
    void setBackColor(Colour c);
    void setForeColor(Colour c);
    // A disabled label with a caption shows it greyed.
    void setEnabled(bool on) override;
    void paint(QPainter& p) const override;
};

class Image : public Control {
public:
    using Control::Control;
    void setPicture(assets::Picture picture);
    // Starts dragging this image's outline; the image itself stays put.
    void drag();
    void paint(QPainter& p) const override;
};

class Shape : public Control {
public:
    using Control::Control;
    void setFillColor(Colour c);
    void setBorderColor(Colour c);
    void paint(QPainter& p) const override;
};

class Line : public Control {
public:
    using Control::Control;
    Colour borderColor() const { return d_.borderColor; }
    void setBorderColor(Colour c);
    QRect pixelRect() const override;
    void paint(QPainter& p) const override;
};

// The real widget behind a text box: every character goes through KeyPress and nothing
// else (paste, drop, input methods, undo) can change the text.
class AnswerEdit : public QLineEdit {
    Q_OBJECT
public:
    AnswerEdit(TextBox& box, QWidget* parent);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    friend class TextBox;
    TextBox& box_;
    bool pressed_ = false;
};

class TextBox : public Control {
public:
    TextBox(FormWindow& window, const ControlDesign& design, QWidget* parent);
    ~TextBox() override;

    QString text() const;
    void setText(const QString& text);
    Colour backColor() const { return d_.backColor; }
    Colour foreColor() const { return d_.foreColor; }
    void setBackColor(Colour c);
    void setForeColor(Colour c);
    void move(int left, int top) override;
    void setVisible(bool on) override;
    void setEnabled(bool on) override;
    bool isLocked() const { return locked_; }
    void setLocked(bool on);
    int tabIndex() const { return tabIndex_; }
    // Puts the box at that place of the tab order; the boxes in between shift by one.
    void setTabIndex(int index);
    bool hasFocus() const;

    AnswerEdit* widget() const { return edit_; }

    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int keyCode, int shift)> onKeyUp;
    std::function<void()> onGotFocus;

private:
    friend class AnswerEdit;
    friend class FormWindow;
    void applyLook();
    void loseFocus();
    void keyPressed(QKeyEvent* e);
    void keyReleased(QKeyEvent* e);
    void clickedInto();
    void clickReleased();

    AnswerEdit* edit_;
    bool locked_ = false;
    int tabIndex_ = 0;
};

QFont fontOf(const FontDesign& font);

// For checks of the look: with this on, labels draw their captions past their own edges, so
// comparing against the normal drawing shows any ink a label's edges cut off.
void setCaptionsUnclipped(bool on);

} // namespace platform
