#include "platform/colour.h"

namespace platform {

QColor toQColor(Colour colour) {
    if (colour & 0x80000000u) {
        switch (colour & 0xFFu) {
        case 0x05:
            return QColor(255, 255, 255); // window background
        case 0x08:
            return QColor(0, 0, 0); // window text
        case 0x0F:
            return QColor(240, 240, 240); // button face
        case 0x12:
            return QColor(0, 0, 0); // button text
        default:
            return QColor(0, 0, 0);
        }
    }
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace platform
