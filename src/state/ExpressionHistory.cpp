#include "state/ExpressionHistory.h"

namespace kalvio {

void TExpressionHistory::Clear() {
    *this = TExpressionHistory{};
}

} // namespace kalvio
