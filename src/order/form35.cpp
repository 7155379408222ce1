// Ten different numbers of 0 to 19, dealt at random, put in ascending order.
#include "order/ordering_drill.h"
#include "shell/windows.h"

namespace order {

using namespace platform;
using Rules = OrderingRules;

namespace {
const WindowDesign kDesign = orderingDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Ordinamento dei numeri entro 20"),
    .clientHeight = 8400,
    .title = QStringLiteral("METTI IN ORDINE CRESCENTE I NUMERI DATI"),
    .upTo20 = true,
});

const Rules kRules{
    .draw = {.k = 20, .max = 20},
    .order = Rules::Order::Ascending,
    .instructionWhilePlacing = true,
};
} // namespace

std::unique_ptr<Form> makeForm35(Program& program) {
    return std::make_unique<OrderingDrill>(program, 35, kDesign, 24, kRules);
}

} // namespace order
