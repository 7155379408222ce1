// The numbers 0 to 9, dealt at random, put in descending order.
#include "order/ordering_drill.h"
#include "shell/windows.h"

namespace order {

using namespace platform;
using Rules = OrderingRules;

namespace {
const WindowDesign kDesign = orderingDesign({
    .caption = QStringLiteral("vesk - Aritmetica  cl. I    Ordinamento dei numeri entro 10"),
    .clientHeight = 8535,
    .title = QStringLiteral("METTI IN ORDINE DECRESCENTE I NUMERI DATI"),
});

const Rules kRules{
    .draw = {.k = 10, .max = 9},
    .order = Rules::Order::Descending,
};
} // namespace

std::unique_ptr<Form> makeForm13(Program& program) {
    return std::make_unique<OrderingDrill>(program, 13, kDesign, 2, kRules);
}

} // namespace order
