#pragma once

#include "platform/design.h"
#include "reading_writing/number_to_quantity.h"
#include "shell/exercise_frame.h"

#include <cstdint>
#include <optional>
#include <QPoint>
#include <vector>

namespace reading_writing {

// One rod of the abacus, with the beads that belong on it and their two drop zones.
struct AbacusRod {
    int place;             // 1 for the units, 10 for the tens
    int beadLeft;          // a bead is on this rod exactly when its Left is this
    const char* rodZone;   // where a bead is dropped to put it on the rod
    const char* storeZone; // where it is dropped to take it home
    struct Bead {
        const char* picture;
        QPoint home; // twips
    };
    std::vector<Bead> beads; // in bead order
};

// The units rod with its nine white beads, the same in both abacus windows.
AbacusRod unitBeadRod();
// The rod's beads at home, as the window design holds them: draggable with the open hand.
std::vector<platform::ControlDesign> beadDesigns(const AbacusRod& rod, assets::Picture picture);
// A brown rod of the abacus, standing from the top of the frame to its base.
platform::ControlDesign rodLine(const char* name, int x);

// What the designs of the two abacus windows differ in; the rest stands in abacusDesign.
struct AbacusLayout {
    int clientHeight;
    std::vector<platform::ControlDesign> beads;  // over their zones
    std::vector<platform::ControlDesign> abacus; // the zones, rods and base
    platform::ControlDesign title;
    int digitsTop;
    QPoint words; // Left and Top of the number in words
    int wordsWidth;
    platform::Colour numberFore = platform::colours::White; // before anything paints it
    platform::ControlDesign check;
    std::vector<platform::ControlDesign> links; // the main menu's, then the menu's own
    int facesLeft;
    to_quantity::ScorePlaces score;
    QString rightStart; // "ESATTI" number before any answer
};
platform::WindowDesign abacusDesign(const AbacusLayout& layout);

// How one abacus window departs from the other.
struct AbacusRules {
    shell::Draw draw;
    std::vector<AbacusRod> rods;
    const char* checkLabel = "Label6";
    const char* digitsLabel = "Label8";
    const char* wordsLabel = "Label7";
    // Up to 10 the number is painted in its colour.
    bool painted = false;
    // A number below 10 also has its units digit printed on the board.
    bool printsUnits = false;
};

// The pupil builds the number shown in digits and in words by dragging beads from their
// home rows onto the rods, and back, then asks for the check.
class BeadAbacus : public shell::ExerciseForm {
public:
    BeadAbacus(platform::Program& program, int number, const platform::WindowDesign& design,
               int subMenu, shell::FrameNames names, AbacusRules rules);

    // Where the bead in slot k of a rod lies, counted from the bottom.
    static int slotTop(int k) { return 5400 - 480 * (k - 1); }

protected:
    void Form_Load() override;
    void bindEvents() override;

private:
    struct RodCount {
        std::int16_t onRod = 0;    // beads counted on the rod
        std::int16_t stackTop = 0; // the highest occupied slot
    };
    // The bead whose drag began last, and of which rod it is.
    struct Pressed {
        std::size_t rod;
        std::size_t bead;
    };

    platform::Image& bead(std::size_t rod, std::size_t bead) const;
    // Calls f(bead, its home) for every bead of every rod.
    template <class F> void forEachBead(F f) const {
        for (std::size_t r = 0; r < rules_.rods.size(); ++r)
            for (std::size_t n = 0; n < rules_.rods[r].beads.size(); ++n)
                f(bead(r, n), rules_.rods[r].beads[n].home);
    }
    bool isOnRod(std::size_t rod, std::size_t bead) const;
    void newItem();
    void beadPressed(std::size_t rod, std::size_t bead);
    void droppedOnRod(std::size_t rod);
    void droppedOnStore(std::size_t rod);
    void check();

    const AbacusRules rules_;
    std::vector<RodCount> counts_;
    std::optional<Pressed> dragged_;
    int currentNumber_ = 0;
};

} // namespace reading_writing
