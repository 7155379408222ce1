// The number in words, up to 20: a number 0 to 19 is shown, the pupil writes its word ("ZERO"
// can be typed here) and has it judged by "CONFERMA IL NUMERO IN LETTERE".
#include "reading_writing/words_drill.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;

namespace {
const shell::FrameNames kNames{.newItem = "Label3",
                               .exit = "Label4",
                               .mainMenu = "Label41",
                               .subMenu = "Label17",
                               .itemCount = kItemCount};

const WindowDesign kDesign = wordsDesign({
    .caption =
        QStringLiteral("vesk - Aritmetica  cl. I    Scrittura dei numeri in lettere ( entro 20 )"),
    .clientHeight = 8235,
    .task = inWordsTask(3960, 6960, 5160),
    .names = kNames,
    .newItemTip = QStringLiteral("DAMMI IL NUMERO IN CIFRE"),
    .newItemHeight = 855,
    .upTo20 = true,
    .mainMenu = {4080, 7560},
    .subMenu = {7320, 7560},
    .esatti = {1800, 5880},
    .rightCount = {3360, 5640},
    .su = {4440, 5760},
    .itemCount = {4920, 5640},
    .under = {3000, 6120},
    .rightCountStart = QStringLiteral("0"),
    .faces = {7320, 5280},
    .creditWidth = 9255,
});

// "VENTI" is a word of the window's own but never asked: the draw stops at 19.
class Form31 : public WriteInWords {
public:
    explicit Form31(Program& program)
        : WriteInWords(program, 31, kDesign, 24, kNames, {.draw = {.k = 20, .max = 20, .min = 0}},
                       AllowZ::Yes) {}
};
} // namespace

std::unique_ptr<Form> makeForm31(Program& program) {
    return std::make_unique<Form31>(program);
}

} // namespace reading_writing
