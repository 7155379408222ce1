// Ten different numbers of 0 to 19, dealt at random, put in descending order.
#include "order/ordering_drill.h"
#include "shell/windows.h"

namespace order {

using namespace platform;
using Rules = OrderingRules;

namespace {
const WindowDesign kDesign = orderingDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Ordinamento dei numeri entro 20"),
    .clientHeight = 8280,
    .title = QStringLiteral("METTI IN ORDINE DECRESCENTE I NUMERI DATI"),
    .upTo20 = true,
    .rightCountLeft = 3000,
});

const Rules kRules{
    .draw = {.k = 20, .max = 20},
    .order = Rules::Order::Descending,
    .instructionWhilePlacing = true,
};
} // namespace

std::unique_ptr<Form> makeForm36(Program& program) {
    return std::make_unique<OrderingDrill>(program, 36, kDesign, 24, kRules);
}

} // namespace order
