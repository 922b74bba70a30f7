#pragma once

#include <string>
#include <string_view>

namespace kalvio {

// The command line speaks UTF-8; the calculator UTF-16. Malformed input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// Appends the UTF-8 form of `text` to `out`.
void AppendUtf8(std::string& out, std::u16string_view text);

} // namespace kalvio
