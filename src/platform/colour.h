#pragma once

#include <cstdint>
#include <QColor>

namespace platform {

// 0x00BBGGRR, or a system colour (high bit set) resolved through a fixed table so the
// program looks the same on every desktop theme.
using Colour = std::uint32_t;

namespace colours {
constexpr Colour White = 0x00FFFFFF;
constexpr Colour Black = 0x00000000;
constexpr Colour ButtonFace = 0x8000000F;
constexpr Colour ButtonText = 0x80000012;
constexpr Colour WindowBackground = 0x80000005;
constexpr Colour WindowText = 0x80000008;
constexpr Colour Peach = 0x00C0E0FF; // number boxes
} // namespace colours

QColor toQColor(Colour colour);

} // namespace platform
