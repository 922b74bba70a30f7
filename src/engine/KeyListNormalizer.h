#pragma once

#include "engine/ExpressionKey.h"

namespace kalvio {

// Rewrites a key list whose last key is ekEnd so that the parser's grammar can stay simple:
// a plus or minus where an operand begins becomes the sign ekPlus or ekMinus; a unary plus
// disappears (except in an exponent, 1E+5); a unary minus before anything but a number literal
// becomes (-1) followed by ekMultiPriority2; ekMultiPriority1 marks the implicit
// multiplications after ")", a built-in variable or a postfix operator.
void NormalizeKeyList(TExpressionKeyList& keys);

} // namespace kalvio
