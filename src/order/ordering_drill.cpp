#include "order/ordering_drill.h"

#include "shell/frame_design.h"

#include <algorithm>

namespace order {

using namespace platform;
using shell::Face;

namespace {
constexpr int kStep = 960; // from one tile, or one slot, to the next
constexpr int kTopRowLeft = 840;
constexpr int kTopRowTop = 1440;
constexpr int kSlotTop = 3840;
constexpr int kTileSize = 855;

const shell::FrameNames kNames{
    .newItem = "Label12",
    .exit = "Label11",
    .mainMenu = "Label25",
    .subMenu = "Label26",
    .itemCount = "Label23",
};
} // namespace

WindowDesign orderingDesign(const OrderingLayout& l) {
    WindowDesign d{.caption = l.caption, .clientHeight = l.clientHeight};
    d.controls = {
        shell::subMenuLink("Label26", 7440, 7560, l.upTo20),
        shell::mainMenuLink("Label25", 3480, 7560, l.upTo20),
        shell::creditLineLabel("Label24", 2640, 8040, 9135, 495),
        boardText("Label23", 4800, 6120, 975, 495, QString(), 26.25).centred(),
        boardText("Label22", 4320, 6240, 495, 495, QStringLiteral("SU"), 18).centred(),
        boardText("Label20", l.rightCountLeft, 6120, 735, 495,
                  l.upTo20 ? QStringLiteral("0") : QString(), 24),
        boardText("Label18", 1440, 6360, 1815, 495, QStringLiteral("ESATTI"), 14.25),
    };
    const std::vector<ControlDesign> faces = shell::faceImages(7680, 5760);
    d.controls.insert(d.controls.end(), faces.begin(), faces.end());
    const std::vector<ControlDesign> item = {
        boardText("Label17", 120, 2520, 11535, 255, QStringLiteral("CLICCA IN ORDINE SUI NUMERI"),
                  9.75)
            .centred(),
        boardText("Label16", 6480, 5040, 2055, 375, QStringLiteral("CONFERMA"), 12)
            .centred()
            .clickable(),
        boardText("Label15", 2880, 5040, 2415, 375, QStringLiteral("RICOMINCIA"), 12)
            .centred()
            .clickable(),
        // The answer row lies above the tiles placed in it, so a placed tile takes no click.
        boardText("Label14", 720, 3720, 9975, 1215, QString(), 8.25).bordered(),
        boardText("Label13", 240, 360, 11415, 615, l.title, 18.75).centred(),
        hotspot("Label12", 480, 7800, 975, 735, QStringLiteral("DAMMI I NUMERI")),
        hotspot("Label11", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
    };
    d.controls.insert(d.controls.end(), item.begin(), item.end());
    // Tile 0 first, then tiles 9 down to 1.
    for (int i : {0, 9, 8, 7, 6, 5, 4, 3, 2, 1})
        d.controls.push_back(boardText(OrderingDrill::tileName(i), kTopRowLeft + kStep * i,
                                       kTopRowTop, kTileSize, kTileSize, QString(), 36)
                                 .centred()
                                 .clickable()
                                 .bordered(l.upTo20));
    return d;
}

OrderingDrill::OrderingDrill(Program& program, int number, const WindowDesign& design, int subMenu,
                             OrderingRules rules)
    : ExerciseForm(program, number, design, subMenu, kNames, {"Label20"}),
      rules_(std::move(rules)) {}

QString OrderingDrill::tileName(int tile) {
    return QStringLiteral("Label%1").arg(tile == 0 ? 10 : tile);
}

void OrderingDrill::Form_Load() {
    for (int i = 0; i < kTiles; ++i)
        tile(i).setEnabled(false);
    showFace(Face::None);
    for (const char* name : {"Label15", "Label16", "Label17"})
        label(name).setVisible(false);
}

void OrderingDrill::bindEvents() {
    ExerciseForm::bindEvents();
    onClick(names.newItem, [this] { deal(); });
    for (int i = 0; i < kTiles; ++i)
        onClick(tileName(i), [this, i] { tileClicked(i); });
    onClick("Label16", [this] { check(); });
    onClick("Label15", [this] { restart(); });
}

void OrderingDrill::tilesBackToTopRow() {
    for (int i = 0; i < kTiles; ++i)
        tile(i).move(kTopRowLeft + kStep * i, kTopRowTop);
}

void OrderingDrill::deal() {
    for (int i = 0; i < kTiles; ++i)
        tile(i).setEnabled(true);
    label("Label15").setEnabled(false);
    label("Label16").setEnabled(false);
    nextSlot_ = 0;
    tileClicks_.fill(0);
    tilesBackToTopRow();
    score().tries = 0;
    countItem();
    showItemCount();
    // A face left by the last check stays beneath the neutral one, which lies on top.
    image(names.neutralFace).setVisible(true);
    label(names.newItem).setEnabled(false); // no new item until the row has been judged
    for (const char* name : {"Label15", "Label16", "Label17"})
        label(name).setVisible(true);
    drawTen();
    for (int i = 0; i < kTiles; ++i)
        tile(i).setCaption(QString::number(drawnNumbers_[std::size_t(i)]));
    rankNumbers();
}

// Ten different numbers: a value already dealt to an earlier tile is drawn again.
void OrderingDrill::drawTen() {
    reseed();
    for (int k = 0; k < kTiles; ++k) {
        const auto earlier = drawnNumbers_.begin() + k;
        do
            drawnNumbers_[std::size_t(k)] = draw(rules_.draw);
        while (std::find(drawnNumbers_.begin(), earlier, drawnNumbers_[std::size_t(k)]) != earlier);
    }
}

void OrderingDrill::rankNumbers() {
    for (int i = 0; i < kTiles; ++i) {
        int r = 0;
        for (int j = 0; j < kTiles; ++j)
            if (j != i && drawnNumbers_[std::size_t(j)] > drawnNumbers_[std::size_t(i)])
                ++r;
        sortedNumbers_[std::size_t(r)] = drawnNumbers_[std::size_t(i)];
    }
}

void OrderingDrill::tileClicked(int i) {
    label("Label16").setEnabled(true); // the row may be judged from the first placed tile on
    // Only a tile's first click takes a slot; once placed, it lies under the answer row.
    std::int16_t& clicks = tileClicks_[std::size_t(i)];
    ++clicks;
    if (clicks == 1)
        ++nextSlot_;
    tile(i).move(nextSlot_ * kStep, kSlotTop);
}

int OrderingDrill::expectedIn(int slot) const {
    const int rank = rules_.order == OrderingRules::Order::Ascending ? kTiles - slot : slot - 1;
    return sortedNumbers_[std::size_t(rank)];
}

void OrderingDrill::check() {
    if (rules_.instructionWhilePlacing)
        label("Label17").setVisible(false);
    label("Label16").setEnabled(false);
    label(names.newItem).setEnabled(true); // a new item may follow, whatever the verdict
    // Captions are read as numbers, so up to 20 a 3 comes before a 12. A tile still in the
    // top row never stands on a slot's place.
    int rightPlaced = 0;
    for (int slot = 1; slot <= kTiles; ++slot)
        for (int i = 0; i < kTiles; ++i)
            if (tile(i).caption().toInt() == expectedIn(slot) && tile(i).left() == slot * kStep)
                ++rightPlaced;
    if (!judge(score(), rightPlaced == kTiles))
        label("Label15").setEnabled(true);
}

void OrderingDrill::restart() {
    label("Label15").setEnabled(false);
    label("Label16").setEnabled(false);
    label("Label17").setVisible(true);
    showFace(Face::Neutral);
    nextSlot_ = 0;
    tileClicks_.fill(0);
    tilesBackToTopRow();
}

} // namespace order
