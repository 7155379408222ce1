// From the number to its units, up to 10: a number 1 to 9 is shown in digits and in words,
// and the pupil clicks as many unit squares into the white square (the right button takes
// one away), then asks for the check.
#include "reading_writing/number_to_quantity.h"
#include "reading_writing/read_quantity_drill.h"
#include "shell/colour_code.h"
#include "shell/exercise_frame.h"
#include "shell/frame_design.h"
#include "shell/windows.h"

namespace reading_writing {

using namespace platform;

namespace {

// The inside of the white square the units are drawn in, edges excluded.
constexpr int kSquareLeft = 8880, kSquareTop = 1920, kSquareRight = 11535, kSquareBottom = 4575;
constexpr int kUnitSide = 735;
constexpr int kMaxUnits = 9;

ControlDesign unitSquare(int n) {
    const int column = (n - 1) % 3, row = (n - 1) / 3;
    ControlDesign d = shape(QStringLiteral("Shape%1").arg(n), 9000 + 840 * column, 2040 + 840 * row,
                            kUnitSide, kUnitSide);
    d.filled = true;
    d.fillColor = colours::White;
    d.borderColor = colours::Black;
    return d;
}

WindowDesign design() {
    ControlDesign square = shape("Shape10", kSquareLeft, kSquareTop, kSquareRight - kSquareLeft,
                                 kSquareBottom - kSquareTop);
    square.borderColor = colours::White;
    square.borderWidth = 2;
    std::vector<ControlDesign> units;
    for (int n = 1; n <= kMaxUnits; ++n)
        units.push_back(unitSquare(n));
    return shell::windowOf(
        QStringLiteral(
            "vesk - Aritmetica  cl. I    Dal numero in lettere e in cifre alla quantità"),
        8430,
        {
            {
                boardText("Label1", 240, 360, 11415, 1455,
                          QStringLiteral("CON UN CLICK DEL MOUSE DISEGNA NEL QUADRATO BIANCO "
                                         "TANTE UNITÀ QUANTE INDICATE DAL NUMERO IN CIFRE E IN "
                                         "LETTERE  ( usa il tasto destro per cancellare )"),
                          18.75)
                    .centred(),
                to_quantity::digitsLabel("Label6", 360, 2400),
                to_quantity::wordsLabel(2400, 2640, 5295),
                square,
            },
            units,
            {
                boardText("Label4", 9000, 4680, 2415, 735, QStringLiteral("CONFERMA UNITÀ"), 14.25)
                    .centred()
                    .clickable(),
                hotspot("Label2", 480, 7680, 1095, 855, QStringLiteral("DAMMI LE UNITÀ")),
                hotspot("Label3", 1800, 7680, 615, 855, QStringLiteral("ESCI")),
                shell::mainMenuLink("Label14", 3720, 7320, false),
                shell::subMenuLink("Label15", 7680, 7320, false),
            },
            shell::faceImages(9600, 5760),
            to_quantity::scoreLine({.esatti = {600, 5640},
                                    .right = {2040, 5400},
                                    .su = {3000, 5520},
                                    .item = {3720, 5400}},
                                   QStringLiteral("0")),
            {shell::creditLineLabel("Label5", 2640, 8040, 8895, 375)},
        });
}

const WindowDesign kDesign = design();

class Form4 : public shell::ExerciseForm {
public:
    explicit Form4(Program& program)
        : ExerciseForm(program, 4, kDesign, 2,
                       {.newItem = "Label2", .exit = "Label3", .itemCount = "Label22"},
                       {"Label12"}) {}

protected:
    void Form_Load() override {
        label("Label4").setEnabled(false);
        showUnits(0);
        showFace(shell::Face::None);
    }

    void bindEvents() override {
        ExerciseForm::bindEvents();
        onClick(names.newItem, [this] { newItem(); });
        onClick("Label4", [this] { check(); });
        onMouseDown = [this](int button, int x, int y) { Form_MouseDown(button, x, y); };
    }

private:
    void newItem() {
        label(names.newItem).setEnabled(false);
        label("Label4").setEnabled(false);
        score().tries = 0;
        countItem();
        showItemCount();
        drawnUnits = 0;
        showUnits(0);
        showFace(shell::Face::Neutral);
        currentNumber = drawNumber({.k = 9, .offset = 1, .max = 9, .min = 0});
        label("Label6").setCaption(QString::number(currentNumber));
        label("Label7").setCaption(shell::numberWord(currentNumber));
        const shell::ColourChain all = shell::chainOf(1, 9);
        shell::paintNumber(label("Label6"), currentNumber, all);
        shell::paintNumber(label("Label7"), currentNumber, all);
    }

    void Form_MouseDown(int button, int x, int y) {
        if (x <= kSquareLeft || x >= kSquareRight || y <= kSquareTop || y >= kSquareBottom)
            return;
        // Before the first item there is nothing to check.
        if (!label("Label6").caption().isEmpty() && !label("Label7").caption().isEmpty())
            label("Label4").setEnabled(true);
        if (button == 1)
            ++drawnUnits;
        else if (button == 2)
            --drawnUnits;
        // One past nine starts again from none, and so does one below one.
        if (drawnUnits > kMaxUnits || drawnUnits < 1)
            drawnUnits = 0;
        showUnits(drawnUnits);
    }

    // The squares fill the grid in a fixed order, wherever the click fell.
    void showUnits(int count) {
        for (int n = 1; n <= kMaxUnits; ++n)
            shape(QStringLiteral("Shape%1").arg(n)).setVisible(n <= count);
    }

    void check() {
        label("Label4").setEnabled(false);
        label(names.newItem).setEnabled(true);
        showItemCount();
        if (judge(score(), drawnUnits == currentNumber))
            label("Label12").setCaption(QString::number(score().right));
    }

    std::int16_t drawnUnits = 0;
    int currentNumber = 0;
};

} // namespace

std::unique_ptr<Form> makeForm4(Program& program) {
    return std::make_unique<Form4>(program);
}

} // namespace reading_writing
