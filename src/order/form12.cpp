// The numbers 0 to 9, dealt at random, put in ascending order.
#include "order/ordering_drill.h"
#include "shell/windows.h"

namespace order {

using namespace platform;
using Rules = OrderingRules;

namespace {
const WindowDesign kDesign = orderingDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Ordinamento dei numeri entro 10"),
    .clientHeight = 8505,
    .title = QStringLiteral("METTI IN ORDINE CRESCENTE I NUMERI DATI"),
});

const Rules kRules{
    .draw = {.k = 10, .max = 9},
    .order = Rules::Order::Ascending,
};
} // namespace

std::unique_ptr<Form> makeForm12(Program& program) {
    return std::make_unique<OrderingDrill>(program, 12, kDesign, 2, kRules);
}

} // namespace order
