// The number in digits, up to 10: the word of a number 1 to 9 is shown in its colour, the
// pupil types its digit, judged at once.
#include "reading_writing/words_drill.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;

namespace {
const shell::FrameNames kNames{.newItem = "Label1", .exit = "Label2", .itemCount = kItemCount};

const WindowDesign kDesign = wordsDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Scrittura dei numeri in cifre"),
    .clientHeight = 8505,
    .task = inDigitsTask(1800, 5280, colours::WindowBackground),
    .names = kNames,
    .newItemTip = QStringLiteral("DAMMI IL NUMERO IN LETTERE"),
    .newItemHeight = 975,
    .upTo20 = false,
    .mainMenu = {3840, 7560},
    .subMenu = {7800, 7560},
    .esatti = {2040, 5760},
    .rightCount = {3480, 5520},
    .su = {4920, 5640},
    .itemCount = {5280, 5520},
    .under = {3480, 6120},
    .faces = {8280, 5040},
    .creditWidth = 9015,
});

class Form9 : public WriteInDigits {
public:
    explicit Form9(Program& program)
        : WriteInDigits(
              program, 9, kDesign, 2, kNames,
              {.draw = {.k = 9, .offset = 1, .max = 9, .min = 0}, .colours = shell::chainOf(1, 9)},
              Judged::EveryDigit) {}
};
} // namespace

std::unique_ptr<Form> makeForm9(Program& program) {
    return std::make_unique<Form9>(program);
}

} // namespace reading_writing
