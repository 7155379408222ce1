// The ten-rod and a rod of 0 to 9 units beside it, read as 10 to 19 in digits and in words.
#include "reading_writing/rods_drill.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;

namespace {
constexpr int kUnit = 495;
constexpr Colour kOrange = 0x000080FF;
const std::vector<const char*> kSquares = {"Label18", "Label19", "Label21", "Label23", "Label24",
                                           "Label25", "Label26", "Label27", "Label28", "Label10",
                                           "Label44", "Label45", "Label46", "Label47", "Label48",
                                           "Label49", "Label50", "Label51", "Label52", "Label53"};
const std::vector<int> kSquareLefts = {240,  720,  1200, 1680, 2160, 2640, 3120, 3600, 4080, 4560,
                                       5040, 5520, 6000, 6480, 6990, 7480, 8000, 8495, 9000, 9480};

std::vector<ControlDesign> rods() {
    std::vector<ControlDesign> r{rodDesign("Label42", 240, 2520, 4815, kUnit, kOrange)};
    for (auto& rod : unitRods(5040, 2520, kUnit))
        r.push_back(rod);
    // A second ten-rod for 20, which is never asked.
    r.push_back(rodDesign("Label43", 5040, 2520, 4935, kUnit, kOrange)
                    .withCaption(QStringLiteral("Label43")));
    return r;
}

const WindowDesign kDesign = rodsDesign({
    .caption = QStringLiteral(
        "vesk - Aritmetica  cl. I   Da 10 a 20 in cifre e in lettere con l'aiuto dei regoli"),
    .title = QStringLiteral("SCRIVI IN CIFRE E IN LETTERE IL VALORE DEI REGOLI"),
    .upTo20 = true,
    .digitsLeft = 10080,
    .digitsTab = 16,
    .wordsBox = {7560, 3960, 4095, 870},
    .wordsTab = 28,
    .checkTop = 4920,
    .faces = {9960, 6600},
    .digitsBlock = {{840, 5400}, {960, 6480}, {2280, 6240}, {3720, 6360}, {4080, 6240}},
    .wordsBlock = {{5520, 5400}, {5640, 6480}, {6960, 6240}, {8400, 6360}, {8760, 6240}},
    .rods = rods(),
    .squares = unitSquares(kSquares, kSquareLefts, kUnit),
});

const RodsRules kRules{
    // The ten-rod stands at index 0, so a drawn 0 shows it alone.
    .rods = {"Label42", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
             "Label8", "Label9", "Label43"},
    .tenRod = "Label42",
    .squares = kSquares,
    .answerOffset = 10,
    .scoringTry = 2,
    .shortIsNoAttempt = true,
    .digitsJudgedOnFocus = true,
    .helpNeedsItem = true,
};
} // namespace

std::unique_ptr<Form> makeForm28(Program& program) {
    return std::make_unique<RodsDrill>(program, 28, kDesign, 24, kRules);
}

} // namespace reading_writing
