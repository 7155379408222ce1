// The number in words, up to 10: a number 1 to 9 is shown in its colour, the pupil writes
// its word and has it judged by "CONFERMA IL NUMERO IN LETTERE".
#include "reading_writing/words_drill.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;

namespace {
const shell::FrameNames kNames{.newItem = "Label3", .exit = "Label4", .itemCount = kItemCount};

const WindowDesign kDesign = wordsDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Scrittura dei numeri in lettere"),
    .clientHeight = 8250,
    .task = inWordsTask(4440, 5275, 4920),
    .names = kNames,
    .newItemTip = QStringLiteral("DAMMI IL NUMERO IN CIFRE"),
    .newItemHeight = 855,
    .upTo20 = false,
    .mainMenu = {4080, 7560},
    .subMenu = {8040, 7560},
    .esatti = {1800, 5880},
    .rightCount = {3120, 5640},
    .su = {4440, 5760},
    .itemCount = {4920, 5640},
    .under = {3000, 6120},
    .faces = {7320, 5280},
    .creditWidth = 9255,
});

class Form8 : public WriteInWords {
public:
    explicit Form8(Program& program)
        : WriteInWords(
              program, 8, kDesign, 2, kNames,
              {.draw = {.k = 9, .offset = 1, .max = 9, .min = 0}, .colours = shell::chainOf(1, 9)},
              AllowZ::No) {}
};
} // namespace

std::unique_ptr<Form> makeForm8(Program& program) {
    return std::make_unique<Form8>(program);
}

} // namespace reading_writing
