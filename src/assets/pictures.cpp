#include "assets/pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <utility>

namespace assets {
namespace {

// The board's palette: flat colours only, so every pixel is one of these.
const QColor Wall(255, 128, 64);
const QColor Lavender(192, 192, 255);
const QColor Teal(0, 128, 128);
const QColor Brown(128, 64, 0);
const QColor ChalkBoxBlue(0, 128, 255);
const QColor Olive(128, 128, 64);

const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);
const QColor Grey(128, 128, 128);
const QColor CuffBlue(0, 0, 160);
const QColor StripeBlue(128, 192, 255);

// Small pictures are pixel art: painted without antialiasing on a transparent
// 32 x 32 ground, so edges stay crisp at cursor size.
template <typename Paint> QPixmap smallPicture(Paint paint) {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(Qt::black);
    paint(p);
    p.end();
    return QPixmap::fromImage(image);
}

} // namespace

void paintBlackboard(QPainter& p) {
    p.save();
    p.fillRect(0, 0, 800, 600, Wall);
    // Corners are inclusive, so the rectangles read like pixel coordinates.
    auto fill = [&](int x0, int y0, int x1, int y1, const QColor& c) {
        p.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), c);
    };
    fill(6, 5, 785, 583, Qt::black); // outer frame line, also the ledge's edges
    fill(8, 7, 783, 566, Lavender);
    fill(10, 10, 781, 566, Qt::black);
    fill(14, 12, 778, 566, Teal);
    fill(8, 570, 783, 581, Brown);

    // Four chalk sticks in a V: the outer pair first, so the inner pair lies over them.
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    for (auto [top, bottom] : {std::pair{39, 60}, {95, 77}, {53, 65}, {81, 72}})
        p.drawPolygon(
            QPolygon({{top - 3, 516}, {top + 3, 516}, {bottom + 3, 543}, {bottom - 3, 543}}));
    fill(39, 546, 98, 566, Qt::black);
    fill(40, 547, 97, 565, ChalkBoxBlue);

    // An aliased outline reaches one pixel past the rectangle: this spans x 119-162, y 519-564.
    p.setBrush(Olive);
    p.drawEllipse(QRect(119, 519, 43, 45));
    p.setBrush(Qt::NoBrush);
    for (int inset = 5; inset < 22; inset += 5)
        p.drawEllipse(QRect(119, 519, 43, 45).adjusted(inset, inset, -inset, -inset));
    p.restore();
}

namespace {

QPixmap disc(const QColor& fill) {
    return smallPicture([&](QPainter& p) {
        p.setBrush(fill);
        p.drawEllipse(0, 0, 31, 31);
    });
}

enum class Mouth { Straight, Smile, Frown };

QPixmap face(Mouth mouth) {
    return smallPicture([&](QPainter& p) {
        p.setBrush(Yellow);
        p.drawEllipse(0, 0, 31, 31);
        p.setBrush(Qt::black);
        p.drawEllipse(10, 8, 3, 6);
        p.drawEllipse(18, 8, 3, 6);
        switch (mouth) {
        case Mouth::Straight:
            p.drawLine(11, 22, 20, 22);
            break;
        case Mouth::Smile: // the lower half of an ellipse, cut straight across (angles in 1/16
                           // degree)
            p.setBrush(Red);
            p.drawChord(QRect(7, 12, 17, 14), 180 * 16, 180 * 16);
            break;
        case Mouth::Frown:
            // A polyline rather than an arc: aliased arcs come out lopsided at this size.
            p.drawPolyline(QPolygon({{10, 25}, {11, 23}, {13, 22}, {18, 22}, {20, 23}, {21, 25}}));
            break;
        }
    });
}

QPixmap backArrow() {
    QImage checker(2, 2, QImage::Format_RGB32);
    checker.setPixelColor(0, 0, QColor(128, 0, 128));
    checker.setPixelColor(1, 1, QColor(128, 0, 128));
    checker.setPixelColor(1, 0, QColor(0, 0, 128));
    checker.setPixelColor(0, 1, QColor(0, 0, 128));
    return smallPicture([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QBrush(checker));
        p.drawPolygon(
            QPolygon({{1, 16}, {15, 2}, {15, 10}, {31, 10}, {31, 23}, {15, 23}, {15, 30}}));
        // A lit upper edge makes the arrow look raised, like a button.
        p.setPen(QColor(0, 0, 255));
        p.drawPolyline(QPolygon({{1, 16}, {15, 2}}));
        p.drawLine(15, 10, 30, 10);
        p.setPen(QColor(192, 192, 192));
        p.drawPolyline(QPolygon({{3, 16}, {15, 4}}));
        p.drawLine(16, 11, 30, 11);
    });
}

QPainterPath roundedRect(qreal x, qreal y, qreal w, qreal h, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(x, y, w, h, radius, radius);
    return path;
}

// A finger of the given length, pointing from its base (x, y) in direction
// degrees (screen angles, so 270 points up).
QPainterPath finger(qreal x, qreal y, qreal length, qreal width, qreal degrees) {
    return QTransform().translate(x, y).rotate(degrees).map(
        roundedRect(0, -width / 2, length, width, width / 2));
}

// Fills the hand's outline once, so the fingers and palm share a single rim.
void drawHand(QPainter& p, const QList<QPainterPath>& parts) {
    QPainterPath hand;
    for (const QPainterPath& part : parts)
        hand = hand.united(part);
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
}

void drawCuff(QPainter& p, const QRect& cuff) {
    p.setBrush(CuffBlue);
    p.drawRect(cuff);
    p.setPen(StripeBlue);
    const int y = cuff.center().y();
    p.drawLine(cuff.left() + 1, y, cuff.right(), y);
    p.setPen(Qt::black);
}

QPixmap pointingHand() {
    return smallPicture([](QPainter& p) {
        drawHand(p, {roundedRect(10, 1, 4, 16, 2), roundedRect(14, 9, 4, 8, 2),
                     roundedRect(18, 10, 4, 7, 2), roundedRect(22, 11, 4, 7, 2),
                     roundedRect(10, 13, 16, 13, 3), finger(12, 21, 9, 4, 220)});
        p.setPen(Grey);
        p.drawLine(13, 4, 13, 14);
        for (int x : {17, 21, 25})
            p.drawLine(x, 12 + (x - 17) / 4, x, 16);
        p.drawLine(7, 17, 10, 20);
        p.setPen(Qt::black);
        for (int x : {14, 18, 22})
            p.drawLine(x, 14, x, 16);
        drawCuff(p, QRect(10, 25, 16, 6));
    });
}

QPixmap openHand() {
    return smallPicture([](QPainter& p) {
        drawHand(p, {roundedRect(9, 11, 16, 14, 4), finger(11, 14, 12, 4, 250),
                     finger(16, 14, 13, 4, 270), finger(21, 14, 12, 4, 290),
                     finger(23, 18, 10, 4, 315), finger(11, 21, 10, 4, 205)});
        p.setPen(Grey);
        p.drawLine(9, 5, 11, 11);
        p.drawLine(17, 3, 17, 11);
        p.drawLine(24, 5, 22, 11);
        p.drawLine(29, 11, 26, 15);
        p.drawLine(4, 18, 9, 20);
        p.setPen(Qt::black);
        drawCuff(p, QRect(10, 25, 14, 6));
    });
}

QPixmap writingHand() {
    return smallPicture([](QPainter& p) {
        // Drawn along the pencil: x runs from the point up to the upper right.
        p.setTransform(QTransform().translate(2, 27).rotate(-45));
        p.setBrush(QColor(255, 208, 144));
        p.drawPolygon(QPolygonF({{0, 0}, {7, -2.5}, {7, 2.5}}));
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygonF({{0, 0}, {2.5, -1}, {2.5, 1}}));
        p.setBrush(Yellow);
        p.drawRect(QRectF(7, -2.5, 26, 5));
        drawHand(p, {roundedRect(15, -1, 13, 11, 4), roundedRect(10, -4, 12, 4, 2),
                     roundedRect(12, 1, 8, 4, 2)});
        p.setPen(Grey);
        p.drawLine(QPointF(16, 3), QPointF(20, 3));
        p.drawLine(QPointF(16, 6), QPointF(24, 6));
        p.setPen(Qt::black);
        drawCuff(p, QRect(15, 9, 12, 5));
    });
}

} // namespace

const QPixmap& picture(Picture which) {
    switch (which) {
    case Picture::NeutralFace: {
        static const QPixmap neutral = face(Mouth::Straight);
        return neutral;
    }
    case Picture::SmilingFace: {
        static const QPixmap smiling = face(Mouth::Smile);
        return smiling;
    }
    case Picture::SadFace: {
        static const QPixmap sad = face(Mouth::Frown);
        return sad;
    }
    case Picture::BackArrow: {
        static const QPixmap arrow = backArrow();
        return arrow;
    }
    case Picture::UnitBead: {
        static const QPixmap unit = disc(Qt::white);
        return unit;
    }
    case Picture::TenBead: {
        static const QPixmap ten = disc(Red);
        return ten;
    }
    case Picture::None:
        break;
    }
    static const QPixmap none;
    return none;
}

QCursor cursor(Pointer which) {
    switch (which) {
    case Pointer::PointingHand: {
        static const QCursor pointing(pointingHand(), 12, 1);
        return pointing;
    }
    case Pointer::OpenHand: {
        static const QCursor open(openHand(), 16, 14);
        return open;
    }
    case Pointer::WritingHand: {
        static const QCursor writing(writingHand(), 16, 16);
        return writing;
    }
    case Pointer::Arrow:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace assets
