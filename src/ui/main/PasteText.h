#pragma once

#include <string>
#include <string_view>

namespace kalvio {

// What a paste puts into the expression field: the first line of the clipboard text, and, when
// that line is exactly one number grouped with "," (as Copy gives it with grouping on, such as
// 1,234.5 or -12,345,678), the number without its commas. Any other text goes in unchanged, so
// "LOGXY(2,8)" keeps its comma.
std::u16string PastedFieldText(std::u16string_view clipboardText);

} // namespace kalvio
