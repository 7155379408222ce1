#include "assets/pictures.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QSet>

using assets::Picture;
using assets::Pointer;

namespace {

QImage image(Picture which) {
    return assets::picture(which).toImage();
}

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb Red = qRgb(255, 0, 0);

} // namespace

TEST(AssetsIcons, NoneIsNull) {
    EXPECT_TRUE(assets::picture(Picture::None).isNull());
}

TEST(AssetsIcons, DiscsAreFilledAndTransparentOutside) {
    const struct {
        Picture which;
        QRgb fill;
    } discs[] = {{Picture::NeutralFace, Yellow},
                 {Picture::SmilingFace, Yellow},
                 {Picture::SadFace, Yellow},
                 {Picture::UnitBead, White},
                 {Picture::TenBead, Red}};
    for (const auto& disc : discs) {
        SCOPED_TRACE(static_cast<int>(disc.which));
        const QImage icon = image(disc.which);
        ASSERT_EQ(icon.size(), QSize(32, 32));
        for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
        EXPECT_EQ(icon.pixel(16, 16), disc.fill);
        EXPECT_EQ(icon.pixel(0, 16), Black);
    }
}

TEST(AssetsIcons, FacesShowTheirMood) {
    EXPECT_EQ(image(Picture::SmilingFace).pixel(16, 22), Red);
    EXPECT_NE(image(Picture::NeutralFace), image(Picture::SmilingFace));
    EXPECT_NE(image(Picture::NeutralFace), image(Picture::SadFace));
    EXPECT_NE(image(Picture::SadFace), image(Picture::SmilingFace));
}

TEST(AssetsIcons, BackArrowIsCheckeredAndPointsLeft) {
    const QImage arrow = image(Picture::BackArrow);
    ASSERT_EQ(arrow.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(arrow.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(arrow.pixel(31, 31)), 0);
    // The point is at the left, the shaft's end at the right.
    EXPECT_GT(qAlpha(arrow.pixel(2, 16)), 0);
    EXPECT_EQ(qAlpha(arrow.pixel(2, 6)), 0);
    const QSet<QRgb> checker{arrow.pixel(24, 16), arrow.pixel(25, 16)};
    EXPECT_EQ(checker, (QSet<QRgb>{qRgb(128, 0, 128), qRgb(0, 0, 128)}));
}

TEST(AssetsCursors, HandsHaveTheirHotSpots) {
    const struct {
        Pointer which;
        QPoint hotSpot;
    } hands[] = {{Pointer::PointingHand, {12, 1}},
                 {Pointer::OpenHand, {16, 14}},
                 {Pointer::WritingHand, {16, 16}}};
    for (const auto& hand : hands) {
        SCOPED_TRACE(static_cast<int>(hand.which));
        const QCursor cursor = assets::cursor(hand.which);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
        EXPECT_EQ(cursor.hotSpot(), hand.hotSpot);
    }
    EXPECT_EQ(assets::cursor(Pointer::Arrow).shape(), Qt::ArrowCursor);
}

TEST(AssetsCursors, HotSpotsLieOnTheHand) {
    // The fingertip is exactly at the hot spot: nothing above it.
    const QImage pointing = assets::cursor(Pointer::PointingHand).pixmap().toImage();
    EXPECT_EQ(qAlpha(pointing.pixel(12, 1)), 255);
    EXPECT_EQ(qAlpha(pointing.pixel(12, 0)), 0);
    const QImage open = assets::cursor(Pointer::OpenHand).pixmap().toImage();
    EXPECT_EQ(open.pixel(16, 14), White);
}
