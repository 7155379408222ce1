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

TEST(AssetsBlackboard, IsFlatWithEightColours) {
    const QImage board = image(Picture::Blackboard);
    ASSERT_EQ(board.size(), QSize(800, 600));
    // Any antialiasing or gradient would bring in blended colours.
    QSet<QRgb> colours;
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            colours.insert(board.pixel(x, y));
    EXPECT_EQ(colours.size(), 8);
}

TEST(AssetsBlackboard, RegionsHaveTheirColours) {
    const QRgb wall = qRgb(255, 128, 64), lavender = qRgb(192, 192, 255), teal = qRgb(0, 128, 128),
               brown = qRgb(128, 64, 0), blue = qRgb(0, 128, 255), olive = qRgb(128, 128, 64);
    const struct {
        int x, y;
        QRgb colour;
    } probes[] = {
        {0, 0, wall},         {5, 300, wall},     {786, 300, wall},   {400, 4, wall},
        {400, 584, wall},     {799, 599, wall},   {6, 300, Black},    {7, 5, Black},
        {785, 300, Black},    {400, 6, Black},    {8, 300, lavender}, {9, 7, lavender},
        {783, 300, lavender}, {400, 9, lavender}, {10, 300, Black},   {13, 300, Black},
        {779, 300, Black},    {400, 11, Black},   {14, 12, teal},     {778, 566, teal},
        {400, 300, teal},     {400, 567, Black},  {400, 569, Black},  {8, 570, brown},
        {783, 581, brown},    {400, 582, Black},  {400, 583, Black},  {39, 546, Black},
        {98, 566, Black},     {60, 556, blue},    {50, 530, White},   {121, 541, olive},
    };
    const QImage board = image(Picture::Blackboard);
    for (const auto& probe : probes) {
        SCOPED_TRACE(testing::Message() << "at " << probe.x << ", " << probe.y);
        EXPECT_EQ(board.pixel(probe.x, probe.y), probe.colour);
    }
}

TEST(AssetsBlackboard, NothingIsWrittenOnTheBoard) {
    const QImage board = image(Picture::Blackboard);
    int stray = 0;
    for (int y = 12; y < 510; ++y)
        for (int x = 14; x <= 778; ++x)
            stray += board.pixel(x, y) != qRgb(0, 128, 128);
    EXPECT_EQ(stray, 0);
}

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
