#pragma once

#include "shell/exercise_frame.h"

#include <array>

namespace order {

// What sets one ordering window's board apart from the others'.
struct OrderingLayout {
    QString caption;
    int clientHeight;
    QString title;
    bool upTo20 = false; // which menu the links name; framed tiles and "ESATTI" "0" from the start
    int rightCountLeft = 2880;
};

// Ten tiles in a row at the top, the answer row across the middle, "CONFERMA" and
// "RICOMINCIA", the score line, the faces, the links, the chalk box and the sponge.
platform::WindowDesign orderingDesign(const OrderingLayout& layout);

// How an ordering window departs from the others.
struct OrderingRules {
    shell::Draw draw; // each of the ten numbers, repeats drawn again
    enum class Order { Ascending, Descending } order;
    // The instruction shows only while tiles are being placed: a check hides it.
    bool instructionWhilePlacing = false;
};

// The pupil puts ten dealt numbers in order by clicking the tiles one after the other: each
// clicked tile moves into the next free slot of the answer row. "CONFERMA" judges the row,
// "RICOMINCIA" puts the tiles back after a wrong verdict.
class OrderingDrill : public shell::ExerciseForm {
public:
    OrderingDrill(platform::Program& program, int number, const platform::WindowDesign& design,
                  int subMenu, OrderingRules rules);

    static constexpr int kTiles = 10;
    // Tile 0 is "Label10", tile i the label numbered i.
    static QString tileName(int tile);

protected:
    void Form_Load() override;
    void bindEvents() override;

private:
    platform::Label& tile(int i) const { return label(tileName(i)); }
    void deal();
    void tileClicked(int i);
    void check();
    void restart();
    void tilesBackToTopRow();
    void drawTen();
    void rankNumbers();
    int expectedIn(int slot) const;

    const OrderingRules rules_;
    std::int16_t nextSlot_ = 0; // the last tile placed stands in this slot
    std::array<std::int16_t, kTiles> tileClicks_{};
    std::array<int, kTiles> drawnNumbers_{};
    // Entry r: the dealt number that exactly r dealt numbers exceed (0 the largest).
    std::array<int, kTiles> sortedNumbers_{};
};

} // namespace order
