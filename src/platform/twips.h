#pragma once

// Positions and sizes are kept in twips so that moves in steps smaller than a pixel add up
// instead of rounding away; only drawing converts them.
namespace platform {

constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int toTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Font sizes are given in points and set in pixels (96 per inch) so that windows look the
// same whatever the screen's own resolution.
constexpr int pointsToPixels(double points) {
    return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

} // namespace platform
