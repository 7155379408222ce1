#include "order/comparison_drill.h"

#include "shell/frame_design.h"

namespace order {

using namespace platform;

namespace {
const shell::FrameNames kNames{
    .newItem = "Label1",
    .exit = "Label2",
    .itemCount = "Label22",
};
const char* const kButtons[] = {"Label5", "Label6", "Label7"};
constexpr Colour kRed = 0x000000FF;
} // namespace

ComparisonDrill::ComparisonDrill(Program& program, int number, const WindowDesign& design,
                                 int subMenu, ComparisonRules rules)
    : ExerciseForm(program, number, design, subMenu, kNames, {"Label12"}),
      rules_(std::move(rules)) {}

void ComparisonDrill::Form_Load() {
    showFace(shell::Face::None);
    for (const char* button : kButtons)
        label(button).setEnabled(false);
}

void ComparisonDrill::bindEvents() {
    ExerciseForm::bindEvents();
    onClick(names.newItem, [this] { newItem(); });
    onClick("Label5", [this] { related("Label5", Relation::Less); });
    onClick("Label6", [this] { related("Label6", Relation::Equal); });
    onClick("Label7", [this] { related("Label7", Relation::Greater); });
}

void ComparisonDrill::newItem() {
    for (const char* button : kButtons) {
        label(button).setEnabled(true);
        label(button).setForeColor(colours::White);
    }
    score().tries = 0;
    label(names.newItem).setEnabled(false);
    showFace(shell::Face::Neutral);
    if (countItem() && rules_.wrapBlanksScore) {
        label(names.itemCount).setCaption(QString());
        label(score().rightLabel).setCaption(QString());
    }
    reseed();
    leftNumber_ = draw(rules_.draw);
    label("Label3").setCaption(QString::number(leftNumber_));
    rightNumber_ = draw(rules_.draw);
    label("Label4").setCaption(QString::number(rightNumber_));
    shell::paintNumber(label("Label3"), leftNumber_, rules_.colours);
    shell::paintNumber(label("Label4"), rightNumber_, rules_.colours);
}

void ComparisonDrill::related(const char* button, Relation relation) {
    label(names.newItem).setEnabled(true);
    countTry(score());
    if (score().tries == 1) {
        const bool right = relation == Relation::Less    ? leftNumber_ < rightNumber_
                           : relation == Relation::Equal ? leftNumber_ == rightNumber_
                                                         : leftNumber_ > rightNumber_;
        label(button).setForeColor(kRed);
        if (right) {
            countRight(score());
            judgedRight();
        } else {
            countWrong(score());
            judgedWrong();
        }
    }
    showItemCount();
}

WindowDesign comparisonDesign(const ComparisonLayout& l) {
    auto number = [&](const char* name, int left, int top) {
        return numberLabel(name, left, top, l.numbersWidth, 3015, 144).fore(l.numbersFore);
    };
    auto relation = [](const char* name, int top, const char* sign) {
        return boardText(name, 5400, top, 1335, 855, QString::fromLatin1(sign), 48)
            .centred()
            .clickable();
    };
    WindowDesign d{.caption = l.caption,
                   .clientHeight = l.clientHeight,
                   .controls = {
                       boardText("Label8", 240, 720, 11535, 615,
                                 QStringLiteral("CONFRONTA I NUMERI DATI"), 18.75)
                           .centred(),
                       number("Label3", l.leftNumberLeft, 2280),
                       number("Label4", l.rightNumberLeft, 2160),
                       relation("Label5", 2400, "<"),
                       relation("Label6", 3360, "="),
                       relation("Label7", 4320, ">"),
                       hotspot("Label1", 480, 7680, 1095, 975, QStringLiteral("DAMMI I NUMERI")),
                       hotspot("Label2", l.exitLeft, 7800, 615, 615, QString()),
                       shell::mainMenuLink("Label14", 3960, 7440, l.upTo20),
                       shell::subMenuLink("Label15", 7920, 7440, l.upTo20),
                       boardText("Label10", l.scoreWordLeft, 6480, 1335, 375,
                                 QStringLiteral("ESATTI:"), 14.25),
                       boardText("Label12", 3720, 6240, 615, 615, l.rightCountStart, 24),
                       boardText("Label20", 5160, 6360, 495, 495, QStringLiteral("SU"), 18),
                       boardText("Label22", 5520, 6240, 855, 675, QString(), 26.25),
                   }};
    for (auto& face : shell::faceImages(8520, 5760))
        d.controls.push_back(face);
    d.controls.push_back(shell::creditLineLabel("Label9", 2640, 8040, 9135));
    return d;
}

} // namespace order
