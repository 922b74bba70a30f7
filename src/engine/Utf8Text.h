#pragma once

#include <string>
#include <string_view>

namespace kalvio {

// Files and the command line speak UTF-8; the calculator UTF-16. Malformed input becomes U+FFFD,
// one per byte that does not start a valid sequence (overlong forms and surrogates included).
std::u16string Utf8ToUtf16(std::string_view text);
// Appends the UTF-16 form of `text` to `out`; returns whether every byte was valid UTF-8.
bool AppendUtf16(std::u16string& out, std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// Appends the UTF-8 form of `text` to `out`; a lone surrogate is written as U+FFFD.
void AppendUtf8(std::string& out, std::u16string_view text);

} // namespace kalvio
