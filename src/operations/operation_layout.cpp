#include "operations/operation_layout.h"

#include "shell/frame_design.h"

namespace operations {

using namespace platform;

OperationLayout rodLayout() {
    return {
        .caption = QStringLiteral(
            "vesk - Aritmetica  cl. I    Addizioni con l'aiuto dei regoli ( somma entro 10 )"),
        .clientHeight = 8595,
        .title = QStringLiteral("CALCOLA CON L'AIUTO DEI REGOLI"),
        .titlePoints = 18.75,
        .newItemTip = QStringLiteral("DAMMI GLI ADDENDI"),
        .sign = QStringLiteral("+"),
        .numberPoints = 36,
        .answer = {10200, 2975, 735, 960},
        .first = {8640, 1995, 735, 855},
        .second = {10200, 1995, 735, 855},
        .signPlace = {9480, 1995, 615, 855},
        .equals = {9360, 3000, 735, 855},
        .facesLeft = 9840,
        .facesTop = 4800,
        .mainMenuLeft = 3720,
        .scoreTop = 5280,
        .itemCountLeft = 5160,
        .rightWordLeft = 1920,
        .wrongCountAlignment = Alignment::Right,
    };
}

OperationLayout rowLayout() {
    return {
        .caption =
            QStringLiteral("vesk - Aritmetica  cl. I    Addizion in riga  ( somma entro 10 )"),
        .clientHeight = 8250,
        .title = QStringLiteral("CALCOLA "),
        .titlePoints = 24,
        .newItemTip = QStringLiteral("DAMMI GLI ADDENDI"),
        .sign = QStringLiteral("+"),
        .numberPoints = 90,
        .answer = {7920, 1800, 2175, 2160},
        .first = {1560, 1800, 2175, 2175},
        .second = {4800, 1800, 2175, 2175},
        .signPlace = {3960, 2520, 615, 855},
        .equals = {6720, 2520, 735, 855},
        .facesLeft = 8520,
        .facesTop = 5160,
        .mainMenuLeft = 3840,
        .scoreTop = 5520,
        .itemCountLeft = 5160,
        .rightWordLeft = 1920,
        .wrongCountAlignment = Alignment::Left,
    };
}

namespace {
// The row windows after the additions: a "-" in the design and black answer text.
OperationLayout rowWindow(const QString& caption, int clientHeight) {
    OperationLayout l = rowLayout();
    l.caption = caption;
    l.clientHeight = clientHeight;
    l.answerFore = colours::Black;
    l.sign = QStringLiteral("-");
    return l;
}
} // namespace

OperationLayout subtractionRowLayout(const QString& caption, int clientHeight) {
    OperationLayout l = rowWindow(caption, clientHeight);
    l.title = QStringLiteral("CALCOLA");
    l.answer = {7920, 2160, 2175, 2175};
    l.first.top = 2235;
    l.second.top = 2235;
    l.signPlace.top = 2760;
    l.equals.top = 2880;
    l.itemCountLeft = 5280;
    return l;
}

OperationLayout mixedRowLayout(const QString& caption, int clientHeight) {
    OperationLayout l = rowWindow(caption, clientHeight);
    l.newItemTip = QStringLiteral("DAMMI I NUMERI E L'OPERAZIONE");
    l.answer.height = 2175;
    l.signPlace.top = 2400;
    l.equals.top = 2400;
    l.mainMenuLeft = 3720;
    l.scoreTop = 5640;
    return l;
}

OperationLayout upTo20(OperationLayout layout) {
    layout.upTo20 = true;
    return layout;
}

WindowDesign operationDesign(const OperationLayout& l) {
    const auto text = [](const char* name, const Place& p, const QString& caption, double points) {
        return boardText(name, p.left, p.top, p.width, p.height, caption, points).centred();
    };
    const int top = l.scoreTop;
    WindowDesign d{.caption = l.caption, .clientHeight = l.clientHeight};
    d.controls = {
        answerBox("Text1", l.answer.left, l.answer.top, l.answer.width, l.answer.height,
                  l.numberPoints)
            .colours(colours::Peach, l.answerFore)
            .tab(6),
        shell::subMenuLink("Label15", 7800, 7320, l.upTo20),
        shell::mainMenuLink("Label14", l.mainMenuLeft, 7320, l.upTo20),
        shell::creditLineLabel("Label8", 2640, 8040, 9135, 495),
        boardText("Label22", l.itemCountLeft, top, 855, 675, QString(), 26.25)
            .align(Alignment::Right),
        boardText("Label20", 4800, top + 120, 495, 495, QStringLiteral("SU"), 18).centred(),
        boardText("Label13", 3360, top + 600, 615, 615, QString(), 24).align(l.wrongCountAlignment),
        boardText("Label12", 3360, top, 615, 615, QString(), 24).align(Alignment::Right),
        boardText("Label10", l.rightWordLeft, top + 240, 1335, 375, QStringLiteral("ESATTI:"),
                  14.25),
    };
    for (const ControlDesign& face : shell::faceImages(l.facesLeft, l.facesTop))
        d.controls.push_back(face);
    const std::vector<ControlDesign> item = {
        boardText("Label7", 240, 600, 11415, 495, l.title, l.titlePoints).centred(),
        text("Label6", l.equals, QStringLiteral("="), 36),
        text("Label5", l.second, QString(), l.numberPoints),
        text("Label4", l.signPlace, l.sign, 36),
        text("Label3", l.first, QString(), l.numberPoints),
        hotspot("Label2", 1800, 7680, 735, 855, QStringLiteral("ESCI")),
        hotspot("Label1", 480, 7680, 1095, 975, l.newItemTip),
    };
    d.controls.insert(d.controls.end(), item.begin(), item.end());
    return d;
}

} // namespace operations
