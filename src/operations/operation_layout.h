#pragma once

#include "platform/design.h"

namespace operations {

struct Place {
    int left, top, width, height;
};

// The controls every operation window has, in the same order; only their places, sizes
// and some texts differ. rodLayout() and rowLayout() give the two families' first windows,
// the others change what differs.
struct OperationLayout {
    QString caption;
    int clientHeight;
    QString title;
    double titlePoints;
    QString newItemTip;
    QString sign; // between the two numbers
    bool upTo20 = false;
    double numberPoints; // the numbers and the answer box
    Place answer;        // Text1
    Place first;         // Label3
    Place second;        // Label5
    Place signPlace;     // Label4
    Place equals;        // Label6
    int facesLeft, facesTop;
    int mainMenuLeft;
    int scoreTop; // the "ESATTI:" number; the other score labels follow it
    int itemCountLeft;
    int rightWordLeft; // "ESATTI:"
    platform::Alignment wrongCountAlignment;
    platform::Colour answerFore = platform::colours::WindowText;
};

// The window with the addition rods up to 10.
OperationLayout rodLayout();
// The window with the additions in a row up to 10.
OperationLayout rowLayout();
// The windows with the subtractions and with the mixed items in a row.
OperationLayout subtractionRowLayout(const QString& caption, int clientHeight);
OperationLayout mixedRowLayout(const QString& caption, int clientHeight);
// The same window for the range up to 20: its links name the menus of that range.
OperationLayout upTo20(OperationLayout layout);

platform::WindowDesign operationDesign(const OperationLayout& layout);

} // namespace operations
