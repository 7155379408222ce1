#include "platform/form.h"

#include "platform/program.h"
#include "platform/twips.h"

#include <algorithm>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <stdexcept>
#include <utility>

namespace platform {

namespace {
int buttonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}
} // namespace

// ---- FormWindow

FormWindow::FormWindow(Form& form, const WindowDesign& design) : form_(form) {
    setWindowTitle(design.caption);
    setFixedSize(toPixels(design.clientWidth), toPixels(design.clientHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    int order = 0;
    for (const ControlDesign& d : design.controls) {
        if (byName_.count(d.name))
            throw std::logic_error(("control named twice: " + d.name).toStdString());
        std::unique_ptr<Control> c;
        switch (d.kind) {
        case ControlClass::Label:
            c = std::make_unique<Label>(*this, d);
            break;
        case ControlClass::Image:
            c = std::make_unique<Image>(*this, d);
            break;
        case ControlClass::Shape:
            c = std::make_unique<Shape>(*this, d);
            break;
        case ControlClass::Line:
            c = std::make_unique<Line>(*this, d);
            break;
        case ControlClass::TextBox: {
            auto box = std::make_unique<TextBox>(*this, d, this);
            if (!d.tabIndex)
                box->tabIndex_ = 1000 + order;
            c = std::move(box);
            break;
        }
        }
        byName_[d.name] = c.get();
        controls_.push_back(std::move(c));
        ++order;
    }
    // Text boxes are real widgets and lie above everything painted; among themselves the
    // first in the design lies on top.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (auto* box = dynamic_cast<TextBox*>(it->get()))
            box->widget()->raise();
}

FormWindow::~FormWindow() {
    controls_.clear();
}

Control* FormWindow::find(const QString& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

std::vector<TextBox*> FormWindow::tabOrder() const {
    std::vector<TextBox*> boxes;
    for (const auto& c : controls_)
        if (auto* box = dynamic_cast<TextBox*>(c.get()))
            boxes.push_back(box);
    std::stable_sort(boxes.begin(), boxes.end(),
                     [](TextBox* a, TextBox* b) { return a->tabIndex() < b->tabIndex(); });
    return boxes;
}

void FormWindow::renumberTabs(TextBox& moved, int index) {
    const int old = moved.tabIndex_;
    for (TextBox* box : tabOrder()) {
        if (box == &moved)
            continue;
        if (index < old && box->tabIndex_ >= index && box->tabIndex_ < old)
            ++box->tabIndex_;
        else if (index > old && box->tabIndex_ > old && box->tabIndex_ <= index)
            --box->tabIndex_;
    }
    moved.tabIndex_ = index;
}

Control* FormWindow::liveControlAt(QPoint pos) const {
    for (const auto& c : controls_) {
        const ControlClass k = c->kind();
        if (k != ControlClass::Label && k != ControlClass::Image)
            continue;
        if (c->isLive() && c->pixelRect().contains(pos))
            return c.get();
    }
    return nullptr;
}

Label* FormWindow::dropTargetAt(QPoint pos) const {
    for (const auto& c : controls_)
        if (c->kind() == ControlClass::Label && c->isLive() && c->pixelRect().contains(pos))
            return static_cast<Label*>(c.get());
    return nullptr;
}

void FormWindow::tabForward(bool backwards) {
    std::vector<TextBox*> order = tabOrder();
    if (order.empty())
        return;
    if (backwards)
        std::reverse(order.begin(), order.end());
    const auto from = std::find(order.begin(), order.end(), focused_);
    const size_t start = from == order.end() ? order.size() - 1 : size_t(from - order.begin());
    for (size_t step = 1; step <= order.size(); ++step) {
        TextBox* next = order[(start + step) % order.size()];
        if (next->isLive()) {
            focusBox(next);
            return;
        }
    }
}

void FormWindow::focusBox(TextBox* box) {
    if (box == focused_ || !box->isLive())
        return;
    focused_ = box;
    box->widget()->setFocus(Qt::OtherFocusReason);
    if (box->onGotFocus)
        form_.dispatch(box->onGotFocus);
}

void FormWindow::forgetFocus(TextBox* box) {
    if (focused_ == box)
        focused_ = nullptr;
}

void FormWindow::startDrag(Image& image) {
    drag_.active = true;
    drag_.outline = image.pixelRect();
    // The outline starts under the pointer that pressed the image.
    drag_.pointer = pressing_ ? pressPoint_ : mapFromGlobal(QCursor::pos());
    if (!rect().contains(drag_.pointer))
        drag_.pointer = drag_.outline.center();
    drag_.grab = drag_.pointer - drag_.outline.topLeft();
    changed(dragOutline());
}

QRect FormWindow::dragOutline() const {
    QRect r = drag_.outline;
    r.moveTopLeft(drag_.pointer - drag_.grab);
    return r.adjusted(-2, -2, 2, 2);
}

void FormWindow::moveDragTo(QPoint pos) {
    const QRect old = dragOutline();
    drag_.pointer = pos;
    changed(old);
    changed(dragOutline());
}

void FormWindow::endDrag() {
    drag_.active = false;
    changed(dragOutline());
}

void FormWindow::changed(const QRect& area) {
    changes_ += area;
    update(area);
}

void FormWindow::paintChanges() {
    if (changes_.isEmpty())
        return;
    // Qt paints its own pending updates (the text boxes') in the same pass.
    repaint(std::exchange(changes_, QRegion()));
}

void FormWindow::dispose() {
    disposed_ = true;
    drag_.active = false;
    pressed_ = nullptr;
    focused_ = nullptr;
    hide();
    // Input still queued for the window, or for a box on it, would run handlers of a window
    // that is gone, or move its focus: from now on none of it gets through.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->isInputEvent())
        return true;
    switch (e->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::FocusAboutToChange:
    case QEvent::InputMethod:
    case QEvent::Shortcut:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::ToolTip:
        return true;
    default:
        return QWidget::eventFilter(watched, e);
    }
}

void FormWindow::paintEvent(QPaintEvent* e) {
    ++paintCount_;
    const QRegion& region = e->region();
    changes_ -= region;
    QPainter p(this);
    p.setClipRegion(region);
    assets::paintBlackboard(p);
    for (const Mark& m : marks_) {
        if (!region.intersects(m.paintedArea()))
            continue;
        if (m.kind == Mark::Kind::Text) {
            // A dark edge keeps the chalk legible where the drawing position lies on the
            // wall or the board's frame, not on the board.
            p.setFont(m.font);
            p.setPen(Qt::black);
            for (const QPoint edge : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
                p.drawText(m.area.translated(edge), Qt::AlignLeft | Qt::AlignTop, m.text);
            p.setPen(toQColor(m.colour));
            p.drawText(m.area, Qt::AlignLeft | Qt::AlignTop, m.text);
        } else if (m.style == BoxStyle::Filled) {
            p.fillRect(m.area, toQColor(m.colour));
        } else {
            if (m.fillStyle == 6)
                p.fillRect(m.area, QBrush(toQColor(m.fillColour), Qt::CrossPattern));
            else if (m.fillStyle == 0)
                p.fillRect(m.area, toQColor(m.fillColour));
            p.setPen(
                QPen(toQColor(m.colour), m.drawWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.setBrush(Qt::NoBrush);
            p.drawRect(m.area.adjusted(0, 0, -1, -1));
        }
    }
    // Only what lies in the area to paint: a pause repaints a moved bead, not the window.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const Control& c = **it;
        if (c.kind() != ControlClass::TextBox && c.isVisible() &&
            region.intersects(c.pixelRect().adjusted(-2, -2, 2, 2)))
            c.paint(p);
    }
    if (drag_.active) {
        p.setPen(QPen(Qt::black, 2, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(dragOutline().adjusted(2, 2, -2, -2));
    }
}

void FormWindow::mousePressEvent(QMouseEvent* e) {
    press(e, false);
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* e) {
    // A child clicks fast: the second press of a double click is a press like any other,
    // but it does not make a second Click.
    press(e, true);
}

void FormWindow::press(QMouseEvent* e, bool secondOfDouble) {
    const QPoint pos = e->position().toPoint();
    const int button = buttonCode(e->button());
    Control* target = liveControlAt(pos);
    // Only the left button aims a Click; other buttons' presses leave the aim alone.
    if (e->button() == Qt::LeftButton)
        pressed_ = secondOfDouble ? nullptr : target;
    pressing_ = true;
    pressPoint_ = pos;
    if (target && target->onMouseDown) {
        const QRect r = target->pixelRect();
        form_.dispatch([&] {
            target->onMouseDown(button, toTwips(pos.x() - r.x()), toTwips(pos.y() - r.y()));
        });
    } else if (!target && form_.onMouseDown) {
        form_.dispatch([&] { form_.onMouseDown(button, toTwips(pos.x()), toTwips(pos.y())); });
    }
    // The handler may have unloaded the window.
    if (!disposed_ && drag_.active)
        moveDragTo(pos);
}

void FormWindow::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (drag_.active)
        moveDragTo(pos);
    updatePointer(pos);
}

void FormWindow::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    pressing_ = e->buttons() != Qt::NoButton;
    if (drag_.active) {
        pressed_ = nullptr;
        endDrag();
        Label* target = dropTargetAt(pos);
        if (target && target->onDragDrop)
            form_.dispatch(target->onDragDrop);
        return;
    }
    if (e->button() != Qt::LeftButton)
        return;
    Control* pressed = std::exchange(pressed_, nullptr);
    if (pressed && liveControlAt(pos) == pressed && pressed->onClick)
        form_.dispatch(pressed->onClick);
    if (!disposed_)
        updatePointer(pos);
}

bool FormWindow::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        // Keys reach the window itself only when no box has the focus: a Tab from nowhere
        // moves it to the first box that can take it.
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && !k->isAutoRepeat() &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            tabForward(k->key() == Qt::Key_Backtab);
            return true;
        }
    }
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        Control* c = liveControlAt(help->pos());
        if (c && !c->toolTip().isEmpty())
            QToolTip::showText(help->globalPos(), c->toolTip(), this, c->pixelRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void FormWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    // A late close of a window already unloaded must not close the one shown after it.
    if (!disposed_)
        form_.program().windowClosedByUser(form_);
}

void FormWindow::updatePointer(QPoint pos) {
    Control* c = liveControlAt(pos);
    const assets::Pointer p = c ? c->pointer() : assets::Pointer::Arrow;
    setCursor(assets::cursor(p));
}

// ---- Form

Form::Form(Program& program, int number, const WindowDesign& design)
    : program_(program), number_(number), design_(design) {}

Form::~Form() {
    delete window_;
}

void Form::resetDrawing() {
    foreColour_ = design_.foreColor;
    fillColour_ = colours::Black;
    fillStyle_ = 1;
    drawWidth_ = 1;
    currentX_ = currentY_ = 0;
}

void Form::show() {
    if (!window_) {
        const std::optional<QPoint> place = program_.placementFor(*this);
        resetDrawing();
        window_ = new FormWindow(*this, design_);
        try {
            bindEvents();
            Form_Load();
        } catch (...) {
            // A window that failed to load must not stay behind, hidden but counted loaded.
            delete std::exchange(window_, nullptr);
            throw;
        }
        if (!window_)
            return; // unloaded by its own Form_Load
        if (place)
            window_->move(*place);
        window_->show();
        // As a window opens, the first box that can take the focus gets it.
        for (TextBox* box : window_->tabOrder())
            if (box->isLive()) {
                window_->focusBox(box);
                break;
            }
    } else {
        window_->show();
    }
    // The headless platform used by the tests cannot raise windows and says so.
    if (window_ && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        window_->raise();
        window_->activateWindow();
    }
}

void Form::unload() {
    if (!window_)
        return;
    program_.lastPosition = window_->pos();
    FormWindow* w = window_;
    window_ = nullptr;
    w->dispose();
    program_.retire(w);
}

Control& Form::control(const QString& name) const {
    Control* c = window_ ? window_->find(name) : nullptr;
    if (!c)
        throw std::logic_error(("no control " + name + " on a loaded window").toStdString());
    return *c;
}

namespace {
template <class T> T& typed(Control& c) {
    auto* t = dynamic_cast<T*>(&c);
    if (!t)
        throw std::logic_error(("control of another class: " + c.name()).toStdString());
    return *t;
}
} // namespace

Label& Form::label(const QString& name) const {
    return typed<Label>(control(name));
}
TextBox& Form::textBox(const QString& name) const {
    return typed<TextBox>(control(name));
}
Image& Form::image(const QString& name) const {
    return typed<Image>(control(name));
}
Shape& Form::shape(const QString& name) const {
    return typed<Shape>(control(name));
}
Line& Form::line(const QString& name) const {
    return typed<Line>(control(name));
}

void Form::cls() {
    if (!window_)
        return;
    for (const Mark& m : window_->marks())
        window_->changed(m.paintedArea());
    window_->marks().clear();
    currentX_ = currentY_ = 0;
}

void Form::drawBox(int x, int y, int width, int height, Colour colour, BoxStyle style) {
    if (!window_)
        return;
    Mark m;
    const int px = toPixels(x), py = toPixels(y);
    m.area = QRect(px, py, toPixels(x + width) - px, toPixels(y + height) - py).normalized();
    m.colour = colour;
    m.style = style;
    m.fillColour = fillColour_;
    m.fillStyle = fillStyle_;
    m.drawWidth = drawWidth_;
    window_->marks().push_back(m);
    window_->changed(m.paintedArea());
}

void Form::print(const QString& text) {
    if (!window_)
        return;
    Mark m;
    m.kind = Mark::Kind::Text;
    m.font = fontOf(design_.font);
    m.colour = foreColour_;
    m.text = text;
    const QFontMetrics metrics(m.font);
    m.area = QRect(QPoint(toPixels(currentX_), toPixels(currentY_)),
                   QSize(metrics.horizontalAdvance(text) + 1, metrics.height()));
    window_->marks().push_back(m);
    window_->changed(m.paintedArea());
    // The drawing position moves to the start of the next line.
    currentX_ = 0;
    currentY_ += toTwips(metrics.height());
}

void Form::dispatch(const std::function<void()>& handler) {
    program_.runHandler(handler);
}

void Form::onClick(const QString& name, std::function<void()> handler) {
    control(name).onClick = std::move(handler);
}

void Form::onKeyPress(const QString& name, std::function<void(int&)> handler) {
    textBox(name).onKeyPress = std::move(handler);
}

void Form::onKeyUp(const QString& name, std::function<void(int, int)> handler) {
    textBox(name).onKeyUp = std::move(handler);
}

void Form::onGotFocus(const QString& name, std::function<void()> handler) {
    textBox(name).onGotFocus = std::move(handler);
}

void Form::onMouseDownOf(const QString& name, std::function<void(int, int, int)> handler) {
    control(name).onMouseDown = std::move(handler);
}

void Form::onDragDrop(const QString& name, std::function<void()> handler) {
    label(name).onDragDrop = std::move(handler);
}

void Form::goTo(int formNumber) {
    program_.show(formNumber);
    unload();
}

} // namespace platform
