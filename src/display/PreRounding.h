#pragma once

#include "display/ResultViewType.h"

namespace kalvio {

// The value cut down (rsCut) or up (rsUp) at `digitNumber` decimals: value x 10^d rounded to an
// integer and divided by 10^d, with 10^d a single-precision power of ten and every step rounded
// in the selector's direction, as the processor does under that rounding mode. The rounding mode
// of the process is never changed. rs54 returns the value unchanged.
double PreRoundValue(double value, int digitNumber, TRoundSelector selector);

} // namespace kalvio
