#include "reading_writing/number_to_quantity.h"

namespace reading_writing::to_quantity {

using namespace platform;

ControlDesign digitsLabel(const char* name, int left, int top) {
    return numberLabel(name, left, top, 1815, 1695, 72);
}

ControlDesign wordsLabel(int left, int top, int width) {
    return numberLabel("Label7", left, top, width, 1335, 48);
}

std::vector<ControlDesign> scoreLine(const ScorePlaces& at, const QString& rightStart) {
    return {
        boardText("Label10", at.esatti.x(), at.esatti.y(), 1335, 495, QStringLiteral("ESATTI:"),
                  14.25),
        boardText("Label12", at.right.x(), at.right.y(), 855, 495, rightStart, 24),
        boardText("Label20", at.su.x(), at.su.y(), 615, 495, QStringLiteral("SU"), 18),
        boardText("Label22", at.item.x(), at.item.y(), 855, 615, QString(), 26.25),
    };
}

} // namespace reading_writing::to_quantity
