#include "platform/controls.h"

#include "platform/form.h"
#include "platform/keys.h"
#include "platform/twips.h"

#include <optional>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

namespace platform {

QFont fontOf(const FontDesign& font) {
    // Metric-compatible stand-ins for the fonts the designs name.
    QString family = font.name;
    if (family == QLatin1String("Arial") || family == QLatin1String("MS Sans Serif"))
        family = QStringLiteral("Liberation Sans");
    QFont f(family);
    f.setPixelSize(pointsToPixels(font.points));
    f.setBold(font.bold);
    return f;
}

namespace {
bool captionsUnclipped = false;

QRect twipsRect(int left, int top, int width, int height) {
    const int x = toPixels(left), y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

Qt::Alignment horizontal(Alignment a) {
    switch (a) {
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Centre:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

// A caption condensed by `scale` is laid out in a box that much larger than its rectangle
// and shrunk back onto it about its top left corner, so its alignment stays as designed.
QRectF layoutBox(QSize size, QSizeF scale) {
    return QRectF(0, 0, size.width() / scale.width(), size.height() / scale.height());
}

QTransform condensing(const QRect& r, QSizeF scale) {
    return QTransform::fromTranslate(r.x(), r.y()).scale(scale.width(), scale.height());
}

// The one drawing of a caption, for the screen and for the check of its ink alike.
void drawCaption(QPainter& p, const QRect& r, int flags, const QString& caption, QSizeF scale) {
    if (scale == QSizeF(1, 1)) {
        p.drawText(r, flags, caption);
        return;
    }
    p.save();
    p.setTransform(condensing(r, scale), true);
    p.drawText(layoutBox(r.size(), scale), flags, caption);
    p.restore();
}

// A caption as a label lays it out: its text and font, the size of its rectangle, its
// alignment and wrapping, and the pixel ratio of the screen it is drawn on. All that a fit
// depends on.
struct CaptionLayout {
    QString text;
    QFont font;
    QSize size;
    int flags;
    qreal pixelRatio;
    bool operator==(const CaptionLayout&) const = default;
};
size_t qHash(const CaptionLayout& c, size_t seed = 0) {
    return qHashMulti(seed, c.text, c.font, c.size.width(), c.size.height(), c.flags, c.pixelRatio);
}

// Whether the caption, condensed by that scale, puts ink outside its rectangle: the ink the
// rectangle's clip would take away.
bool inkOutside(const CaptionLayout& c, QSizeF scale) {
    const QRect r(QPoint(0, 0), c.size);
    const QRectF lines =
        QFontMetricsF(c.font).boundingRect(layoutBox(c.size, scale), c.flags, c.text);
    // Room for every line, and for glyphs that reach past their boxes.
    const int margin = c.font.pixelSize();
    const QRect canvas = (r | condensing(r, scale).mapRect(lines).toAlignedRect())
                             .adjusted(-margin, -margin, margin, margin);
    // Drawn as finely as on the screen, where glyphs may come out a pixel wider.
    QImage ink(canvas.size() * c.pixelRatio, QImage::Format_ARGB32_Premultiplied);
    ink.setDevicePixelRatio(c.pixelRatio);
    ink.fill(Qt::transparent);
    QImage blank = ink;
    const QRect inside = r.translated(-canvas.topLeft());
    QPainter p(&ink);
    p.setFont(c.font);
    p.setPen(Qt::black);
    drawCaption(p, inside, c.flags | Qt::TextDontClip, c.text, scale);
    // What stays inside is wiped: whatever ink is left lies outside.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(inside, Qt::transparent);
    p.end();
    return ink != blank;
}

// How much a caption is condensed, across and down, to show whole in its rectangle: 1 by 1
// when it fits as it is.
QSizeF fitCaption(const CaptionLayout& c) {
    // A caption whose lines stay inside is never clipped; one whose lines reach out but whose
    // ink stays inside loses nothing either.
    const QRect r(QPoint(0, 0), c.size);
    if (r.contains(QFontMetrics(c.font).boundingRect(r, c.flags, c.text)) ||
        !inkOutside(c, QSizeF(1, 1)))
        return QSizeF(1, 1);
    // The least condensing that shows it whole, across (onto longer lines) or down. Below
    // half the caption would be a smear: then it is left as designed, found out at once.
    const auto fits = [&](qreal s) {
        for (const QSizeF scale : {QSizeF(s, 1), QSizeF(1, s)})
            if (!inkOutside(c, scale))
                return std::optional<QSizeF>(scale);
        return std::optional<QSizeF>();
    };
    if (fits(0.5))
        for (int step = 1; step <= 100; ++step)
            if (const std::optional<QSizeF> scale = fits(1 - step * 0.005))
                return *scale;
    return QSizeF(1, 1);
}

// Labels repaint during every animation and pause and come back with every window: a fit is
// worked out once for the whole run.
QSizeF captionScale(const CaptionLayout& c) {
    static QHash<CaptionLayout, QSizeF> known;
    auto it = known.constFind(c);
    if (it == known.constEnd())
        it = known.insert(c, fitCaption(c));
    return *it;
}
} // namespace

void setCaptionsUnclipped(bool on) {
    captionsUnclipped = on;
}

// ---- Control

Control::Control(FormWindow& window, const ControlDesign& design) : window_(window), d_(design) {}

QRect Control::pixelRect() const {
    return twipsRect(d_.left, d_.top, d_.width, d_.height);
}

void Control::changed(const QRect& oldArea) {
    window_.changed(oldArea.adjusted(-2, -2, 2, 2));
    window_.changed(pixelRect().adjusted(-2, -2, 2, 2));
}

void Control::move(int left, int top) {
    move(left, top, d_.width, d_.height);
}

void Control::move(int left, int top, int width, int height) {
    const QRect old = pixelRect();
    d_.left = left;
    d_.top = top;
    d_.width = width;
    d_.height = height;
    changed(old);
}

void Control::setVisible(bool on) {
    if (visible_ == on)
        return;
    visible_ = on;
    repaintArea();
}

void Control::setEnabled(bool on) {
    enabled_ = on;
}

void Label::setEnabled(bool on) {
    if (enabled_ == on)
        return;
    enabled_ = on;
    if (!d_.caption.isEmpty())
        repaintArea();
}

// ---- Label

void Label::setCaption(const QString& text) {
    d_.caption = text;
    repaintArea();
}

void Label::setBackColor(Colour c) {
    d_.backColor = c;
    repaintArea();
}

void Label::setForeColor(Colour c) {
    d_.foreColor = c;
    repaintArea();
}

void Label::paint(QPainter& p) const {
    QRect r = pixelRect();
    if (d_.opaque)
        p.fillRect(r, toQColor(d_.backColor));
    if (d_.border) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    if (d_.caption.isEmpty())
        return;
    const QFont font = fontOf(d_.font);
    p.setFont(font);
    const int flags = horizontal(d_.alignment) | Qt::AlignTop | Qt::TextWordWrap;
    const QSizeF scale =
        captionScale({d_.caption, font, r.size(), flags, p.device()->devicePixelRatioF()});
    const int drawn = captionsUnclipped ? flags | Qt::TextDontClip : flags;
    if (!enabled_) {
        // Greyed and etched, the way the desktop draws text that cannot be clicked yet.
        p.setPen(QColor(255, 255, 255));
        drawCaption(p, r.translated(1, 1), drawn, d_.caption, scale);
        p.setPen(QColor(128, 128, 128));
    } else {
        p.setPen(toQColor(d_.foreColor));
    }
    drawCaption(p, r, drawn, d_.caption, scale);
}

// ---- Image

void Image::setPicture(assets::Picture picture) {
    d_.picture = picture;
    repaintArea();
}

void Image::drag() {
    window_.startDrag(*this);
}

void Image::paint(QPainter& p) const {
    const QPixmap& pix = assets::picture(d_.picture);
    if (pix.isNull())
        return;
    const QRect r = pixelRect();
    if (d_.stretch) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(r, pix);
    } else {
        p.save();
        p.setClipRect(r);
        p.drawPixmap(r.topLeft(), pix);
        p.restore();
    }
}

// ---- Shape

void Shape::setFillColor(Colour c) {
    d_.fillColor = c;
    repaintArea();
}

void Shape::setBorderColor(Colour c) {
    d_.borderColor = c;
    repaintArea();
}

void Shape::paint(QPainter& p) const {
    QRect r = pixelRect();
    if (d_.shape == ShapeKind::Square || d_.shape == ShapeKind::Circle) {
        const int side = std::min(r.width(), r.height());
        r = QRect(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    const int w = std::max(1, d_.borderWidth);
    p.setPen(QPen(toQColor(d_.borderColor), w));
    if (d_.filled)
        p.setBrush(toQColor(d_.fillColor));
    else if (d_.opaque)
        p.setBrush(toQColor(d_.backColor));
    else
        p.setBrush(Qt::NoBrush);
    const QRect inside = r.adjusted(w / 2, w / 2, -(w + 1) / 2, -(w + 1) / 2);
    if (d_.shape == ShapeKind::Oval || d_.shape == ShapeKind::Circle) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(inside);
        p.setRenderHint(QPainter::Antialiasing, false);
    } else {
        p.drawRect(inside);
    }
}

// ---- Line

void Line::setBorderColor(Colour c) {
    d_.borderColor = c;
    repaintArea();
}

QRect Line::pixelRect() const {
    return QRect(QPoint(toPixels(d_.x1), toPixels(d_.y1)), QPoint(toPixels(d_.x2), toPixels(d_.y2)))
        .normalized()
        .adjusted(-d_.borderWidth, -d_.borderWidth, d_.borderWidth, d_.borderWidth);
}

void Line::paint(QPainter& p) const {
    p.setPen(QPen(toQColor(d_.borderColor), d_.borderWidth, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(toPixels(d_.x1), toPixels(d_.y1), toPixels(d_.x2), toPixels(d_.y2));
}

// ---- TextBox

TextBox::TextBox(FormWindow& window, const ControlDesign& design, QWidget* parent)
    : Control(window, design), edit_(new AnswerEdit(*this, parent)) {
    tabIndex_ = design.tabIndex.value_or(0);
    edit_->setGeometry(pixelRect());
    applyLook();
    edit_->show();
}

TextBox::~TextBox() {
    delete edit_;
}

void TextBox::applyLook() {
    edit_->setFont(fontOf(d_.font));
    // From the top, as a label writes: a typed digit stands level with the one beside it.
    edit_->setAlignment(horizontal(d_.alignment) | Qt::AlignTop);
    edit_->setFrame(d_.border);
    // The same colours in every state: a disabled box keeps its look.
    QPalette pal = edit_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, toQColor(d_.backColor));
        pal.setColor(group, QPalette::Window, toQColor(d_.backColor));
        pal.setColor(group, QPalette::Text, toQColor(d_.foreColor));
    }
    edit_->setPalette(pal);
    edit_->setCursor(assets::cursor(d_.pointer));
    edit_->setToolTip(d_.toolTip);
}

QString TextBox::text() const {
    return edit_->text();
}
void TextBox::setText(const QString& text) {
    edit_->setText(text);
    repaintArea();
}

void TextBox::setBackColor(Colour c) {
    d_.backColor = c;
    applyLook();
    repaintArea();
}

void TextBox::setForeColor(Colour c) {
    d_.foreColor = c;
    applyLook();
    repaintArea();
}

void TextBox::move(int left, int top) {
    Control::move(left, top);
    edit_->setGeometry(pixelRect());
}

void TextBox::setVisible(bool on) {
    if (!on)
        loseFocus();
    visible_ = on;
    edit_->setVisible(on);
    repaintArea();
}

void TextBox::setEnabled(bool on) {
    if (!on)
        loseFocus();
    enabled_ = on;
    edit_->setEnabled(on);
}

void TextBox::loseFocus() {
    // For good: shown or enabled again, the box does not get the focus back by itself,
    // and no other box gets it either.
    if (window_.focusWidget() == edit_)
        edit_->clearFocus();
    window_.forgetFocus(this);
}

void TextBox::setLocked(bool on) {
    locked_ = on;
    edit_->setReadOnly(on);
}

void TextBox::setTabIndex(int index) {
    window_.renumberTabs(*this, index);
}

bool TextBox::hasFocus() const {
    return window_.focusedBox() == this;
}

void TextBox::keyPressed(QKeyEvent* e) {
    int ascii = 0;
    const Qt::KeyboardModifiers mods = e->modifiers();
    if (e->key() == Qt::Key_Backspace) {
        ascii = 8;
    } else if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && e->key() >= Qt::Key_A &&
               e->key() <= Qt::Key_Z) {
        // Ctrl+letter is its control code (22 for Ctrl+V) whatever text the platform gives
        // it, so it can never type the letter.
        ascii = e->key() - Qt::Key_A + 1;
    } else if (!e->text().isEmpty() && e->text().at(0).unicode() != 127) {
        ascii = e->text().at(0).unicode();
    } else {
        // Cursor movement is harmless; every other key that types nothing (Delete among
        // them) is dropped so the text changes only through KeyPress.
        switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
            edit_->QLineEdit::keyPressEvent(e);
            break;
        default:
            break;
        }
        return;
    }
    window_.form().dispatch([&] {
        if (onKeyPress)
            onKeyPress(ascii);
        if (window_.disposed() || locked_)
            return;
        if (ascii == 8)
            edit_->backspace();
        else if (ascii >= 32)
            edit_->insert(QString(QChar(ascii)));
    });
}

void TextBox::keyReleased(QKeyEvent* e) {
    if (e->isAutoRepeat() || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)
        return;
    const int code = vbKeyCode(*e);
    const int shift = shiftState(e->modifiers());
    if (onKeyUp)
        window_.form().dispatch([&] { onKeyUp(code, shift); });
}

void TextBox::clickedInto() {
    window_.focusBox(this);
}

void TextBox::clickReleased() {
    if (onClick)
        window_.form().dispatch(onClick);
}

// ---- AnswerEdit

AnswerEdit::AnswerEdit(TextBox& box, QWidget* parent) : QLineEdit(parent), box_(box) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // The focus moves only through the platform: a left or right press into the box, or a
    // Tab carried out by the window itself in tab-index order. Left to itself, Qt would
    // give it on a press of any button and the platform would never learn of it.
    setFocusPolicy(Qt::NoFocus);
    setTextMargins(0, 0, 0, 0);
}

bool AnswerEdit::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            if (e->type() == QEvent::KeyPress && !k->isAutoRepeat() && box_.isLive())
                box_.window_.tabForward(k->key() == Qt::Key_Backtab);
            return true;
        }
    }
    if (e->type() == QEvent::ShortcutOverride) {
        // Keep the line edit's own shortcuts (paste, undo, select all) out of play.
        e->accept();
        return true;
    }
    return QLineEdit::event(e);
}

void AnswerEdit::keyPressEvent(QKeyEvent* e) {
    box_.keyPressed(e);
}
void AnswerEdit::keyReleaseEvent(QKeyEvent* e) {
    box_.keyReleased(e);
}

void AnswerEdit::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton)
        return; // no focus, and no middle-click paste
    box_.clickedInto();
    // GotFocus may have unloaded the window.
    if (box_.window_.disposed())
        return;
    // Only the left button aims a Click.
    if (e->button() == Qt::LeftButton)
        pressed_ = true;
    QLineEdit::mousePressEvent(e);
}

void AnswerEdit::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    QLineEdit::mouseReleaseEvent(e);
    const bool click = pressed_ && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click)
        box_.clickReleased();
}

void AnswerEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click gives no second Click.
    pressed_ = false;
    if (e->button() == Qt::LeftButton)
        QLineEdit::mouseDoubleClickEvent(e);
}

void AnswerEdit::inputMethodEvent(QInputMethodEvent* e) {
    e->ignore();
}

} // namespace platform
