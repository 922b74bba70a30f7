#pragma once

#include <string>
#include <string_view>

namespace kalvio {

// Replaces the multiplication and division signs and the dash-like characters that Japanese input
// produces for a minus by their ASCII operators; nothing else changes.
std::u16string NormalizeOperatorChars(std::u16string text);

// The one text normalisation of the calculator, used on expressions, typed commands and variable
// names: full-width ASCII and the ideographic space become ASCII, full-width katakana become
// half-width katakana (a voiced kana becomes two units), then a-z become A-Z.
std::u16string ToHalfWidthUpper(std::u16string_view text);

} // namespace kalvio
