// A rod of 0 to 9 units, read in digits and in words; "AIUTO" lays out its unit squares.
#include "reading_writing/rods_drill.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;

namespace {
constexpr int kUnit = 855;
const std::vector<const char*> kSquares = {"Label18", "Label19", "Label21", "Label23", "Label24",
                                           "Label25", "Label26", "Label27", "Label28"};

std::vector<ControlDesign> rods() {
    // The rod of 0 is a thin upright bar.
    std::vector<ControlDesign> r{
        label("Label10", 840, 2400, 45, 735).bordered().withCaption(QStringLiteral("Label10"))};
    for (auto& rod : unitRods(840, 2280, kUnit))
        r.push_back(rod);
    return r;
}

const WindowDesign kDesign = rodsDesign({
    .caption = QStringLiteral(
        "vesk - Aritmetica  cl. I   Da 0 a 9 in cifre e in lettere con l'aiuto dei regoli"),
    .title = QStringLiteral("SCRIVI IN CIFRE E IN LETTERE IL VALORE DEL REGOLO"),
    .upTo20 = false,
    .digitsLeft = 9480,
    .digitsTab = 17,
    .wordsBox = {8640, 3225, 3015, 870},
    .wordsTab = 29,
    .checkTop = 4320,
    .faces = {9720, 5280},
    .digitsBlock = {{840, 4920}, {840, 6000}, {2400, 5760}, {3720, 5880}, {4080, 5760}},
    .wordsBlock = {{5520, 4920}, {5640, 6000}, {6960, 5760}, {8400, 5880}, {8760, 5760}},
    .rightCountStart = QStringLiteral("0"),
    .rods = rods(),
    .squares = unitSquares(kSquares, {840, 1670, 2520, 3382, 4238, 5105, 5962, 6830, 7680}, kUnit),
});

const RodsRules kRules{
    .rods = {"Label10", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
             "Label8", "Label9"},
    .squares = kSquares,
    .beepAtFullWrongWord = true,
};
} // namespace

std::unique_ptr<Form> makeForm27(Program& program) {
    return std::make_unique<RodsDrill>(program, 27, kDesign, 2, kRules);
}

} // namespace reading_writing
