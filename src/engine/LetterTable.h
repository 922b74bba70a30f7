#pragma once

namespace kalvio {

// Whether a code point is a letter (general category Lu, Ll, Lt, Lm or Lo): letters start and
// continue names in expressions.
bool IsLetter(char32_t codePoint);

// Whether a code point is unassigned (general category Cn); such a code point ends a name.
bool IsUnassigned(char32_t codePoint);

} // namespace kalvio
