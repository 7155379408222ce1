#pragma once

#include <QCursor>
#include <QPixmap>

class QPainter;

// The pictures, pointers and icons the window designs use. Each is drawn once, in code,
// on first use and then kept for the whole run.
namespace assets {

enum class Picture {
    None,
    NeutralFace, // 32 x 32
    SmilingFace, // 32 x 32
    SadFace,     // 32 x 32
    BackArrow,   // 32 x 32
    UnitBead,    // 32 x 32, white disc
    TenBead,     // 32 x 32, red disc
};

enum class Pointer {
    Arrow,        // the ordinary arrow
    PointingHand, // hot spot (12, 1)
    OpenHand,     // hot spot (16, 14)
    WritingHand,  // hot spot at the centre
};

const QPixmap& picture(Picture which);
// Paints the blackboard straight onto a window: its flat regions cost less to paint than
// a whole picture costs to build before the first window can show.
void paintBlackboard(QPainter& painter);
QCursor cursor(Pointer which);

} // namespace assets
