// The number in digits, up to 20: the word of a number 0 to 19 is shown, the pupil types its
// digits; a two-digit answer is judged once both digits are in.
#include "reading_writing/words_drill.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;

namespace {
const shell::FrameNames kNames{.newItem = "Label1",
                               .exit = "Label2",
                               .mainMenu = "Label41",
                               .subMenu = "Label17",
                               .itemCount = kItemCount};

const WindowDesign kDesign = wordsDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Scrittura dei numeri in cifre"),
    .clientHeight = 8175,
    .task = inDigitsTask(840, 6840, colours::Peach),
    .names = kNames,
    .newItemTip = QStringLiteral("DAMMI IL NUMERO IN LETTERE"),
    .newItemHeight = 975,
    .upTo20 = true,
    .mainMenu = {3600, 7440},
    .subMenu = {6840, 7440},
    .esatti = {2040, 5760},
    .rightCount = {3480, 5520},
    .su = {4920, 5640},
    .itemCount = {5280, 5520},
    .under = {3480, 6120},
    .rightCountStart = QStringLiteral("0"),
    .faces = {8280, 5040},
    .creditWidth = 9015,
});

class Form32 : public WriteInDigits {
public:
    explicit Form32(Program& program)
        : WriteInDigits(program, 32, kDesign, 24, kNames, {.draw = {.k = 20, .max = 20, .min = 0}},
                        Judged::FullLength) {}
};
} // namespace

std::unique_ptr<Form> makeForm32(Program& program) {
    return std::make_unique<Form32>(program);
}

} // namespace reading_writing
