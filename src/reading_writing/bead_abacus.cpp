#include "reading_writing/bead_abacus.h"

#include "reading_writing/read_quantity_drill.h"
#include "shell/colour_code.h"
#include "shell/frame_design.h"

namespace reading_writing {

using namespace platform;

namespace {
constexpr int kRodTop = 1320, kBaseY = 5880;
constexpr int kBeadSide = 480;
} // namespace

AbacusRod unitBeadRod() {
    AbacusRod rod{.place = 1, .beadLeft = 9720, .rodZone = "Label4", .storeZone = "Label5"};
    // 720 apart, but 840 on each side of the seventh bead.
    const int lefts[] = {1800, 2520, 3240, 3960, 4680, 5400, 6240, 7080, 7800};
    const char* pictures[] = {"Image5",  "Image6",  "Image7",  "Image8", "Image9",
                              "Image10", "Image11", "Image12", "Image13"};
    for (int n = 0; n < 9; ++n)
        rod.beads.push_back({pictures[n], QPoint(lefts[n], 2040)});
    return rod;
}

std::vector<ControlDesign> beadDesigns(const AbacusRod& rod, assets::Picture picture) {
    std::vector<ControlDesign> designs;
    for (const AbacusRod::Bead& b : rod.beads)
        designs.push_back(image(b.picture, b.home.x(), b.home.y(), kBeadSide, kBeadSide)
                              .showing(picture, false)
                              .withPointer(assets::Pointer::OpenHand));
    return designs;
}

ControlDesign rodLine(const char* name, int x) {
    return layout::rod(name, x, kRodTop, x, kBaseY);
}

WindowDesign abacusDesign(const AbacusLayout& l) {
    WindowDesign d = shell::windowOf(
        QStringLiteral("vesk - Aritmetica  cl. I    Dal numero in lettere e in cifre all'abaco"),
        l.clientHeight,
        {
            l.beads,
            l.abacus,
            {
                l.title,
                to_quantity::digitsLabel("Label8", 360, l.digitsTop).fore(l.numberFore),
                to_quantity::wordsLabel(l.words.x(), l.words.y(), l.wordsWidth).fore(l.numberFore),
                l.check,
                hotspot("Label2", 480, 7680, 975, 855, QStringLiteral("DAMMI IL NUMERO")),
                hotspot("Label1", 1800, 7800, 615, 735, QStringLiteral("ESCI")),
            },
            l.links,
            shell::faceImages(l.facesLeft, 6720),
            to_quantity::scoreLine(l.score, l.rightStart),
            {
                boardText("Label13", 1680, 6960, 855, 375, QString(), 14.25),
                shell::creditLineLabel("Label9", 2640, 8040, 8895, 375),
            },
        });
    d.backColor = 0x00C0C0C0;
    return d;
}

BeadAbacus::BeadAbacus(Program& program, int number, const WindowDesign& design, int subMenu,
                       shell::FrameNames names, AbacusRules rules)
    : ExerciseForm(program, number, design, subMenu, names, {"Label12"}), rules_(std::move(rules)),
      counts_(rules_.rods.size()) {}

Image& BeadAbacus::bead(std::size_t rod, std::size_t n) const {
    return image(rules_.rods[rod].beads[n].picture);
}

bool BeadAbacus::isOnRod(std::size_t rod, std::size_t n) const {
    return bead(rod, n).left() == rules_.rods[rod].beadLeft;
}

void BeadAbacus::Form_Load() {
    label(rules_.checkLabel).setEnabled(false);
    showFace(shell::Face::None);
    // No bead can be dragged before the first item.
    forEachBead([](Image& b, QPoint) { b.setEnabled(false); });
}

void BeadAbacus::bindEvents() {
    ExerciseForm::bindEvents();
    onClick(names.newItem, [this] { newItem(); });
    onClick(rules_.checkLabel, [this] { check(); });
    for (std::size_t r = 0; r < rules_.rods.size(); ++r) {
        const AbacusRod& rod = rules_.rods[r];
        for (std::size_t n = 0; n < rod.beads.size(); ++n)
            onMouseDownOf(rod.beads[n].picture, [this, r, n](int, int, int) { beadPressed(r, n); });
        onDragDrop(rod.rodZone, [this, r] { droppedOnRod(r); });
        onDragDrop(rod.storeZone, [this, r] { droppedOnStore(r); });
    }
}

void BeadAbacus::newItem() {
    forEachBead([](Image& b, QPoint) { b.setEnabled(true); });
    label(names.newItem).setEnabled(false);
    label(rules_.checkLabel).setEnabled(false);
    countItem();
    for (RodCount& count : counts_)
        count = {};
    score().tries = 0;
    forEachBead([](Image& b, QPoint home) { b.move(home.x(), home.y()); });
    showFace(shell::Face::Neutral);
    currentNumber_ = drawNumber(rules_.draw);
    label(rules_.digitsLabel).setCaption(QString::number(currentNumber_));
    if (rules_.printsUnits && currentNumber_ < 10)
        print(QString::number(currentNumber_));
    label(rules_.wordsLabel).setCaption(shell::numberWord(currentNumber_));
    if (rules_.painted) {
        const shell::ColourChain all = shell::chainOf(1, 9);
        shell::paintNumber(label(rules_.digitsLabel), currentNumber_, all);
        shell::paintNumber(label(rules_.wordsLabel), currentNumber_, all);
    }
}

void BeadAbacus::beadPressed(std::size_t rod, std::size_t n) {
    // A bead can only be dropped on the rod of its own kind.
    for (std::size_t r = 0; r < rules_.rods.size(); ++r)
        label(rules_.rods[r].rodZone).setEnabled(r == rod);
    bead(rod, n).drag();
    dragged_ = Pressed{rod, n};
}

void BeadAbacus::droppedOnRod(std::size_t rod) {
    label(rules_.checkLabel).setEnabled(true);
    if (!dragged_ || dragged_->rod != rod || isOnRod(rod, dragged_->bead))
        return;
    RodCount& count = counts_[rod];
    ++count.onRod;
    ++count.stackTop;
    bead(rod, dragged_->bead).move(rules_.rods[rod].beadLeft, slotTop(count.stackTop));
}

void BeadAbacus::droppedOnStore(std::size_t rod) {
    // A bead of the other kind is not this row's to take home.
    if (!dragged_ || dragged_->rod != rod)
        return;
    const AbacusRod& r = rules_.rods[rod];
    RodCount& count = counts_[rod];
    if (isOnRod(rod, dragged_->bead)) {
        --count.stackTop;
        --count.onRod;
    }
    const QPoint home = r.beads[dragged_->bead].home;
    bead(rod, dragged_->bead).move(home.x(), home.y());
    // The beads left on the rod close up from the bottom, in bead order.
    int slot = 0;
    for (std::size_t n = 0; n < r.beads.size(); ++n)
        if (isOnRod(rod, n))
            bead(rod, n).move(r.beadLeft, slotTop(++slot));
}

void BeadAbacus::check() {
    label(names.newItem).setEnabled(true);
    showItemCount();
    bool right = true;
    for (std::size_t r = 0; r < rules_.rods.size(); ++r)
        right = right && counts_[r].onRod == currentNumber_ / rules_.rods[r].place % 10;
    if (judge(score(), right))
        label(score().rightLabel).setCaption(QString::number(score().right));
}

} // namespace reading_writing
