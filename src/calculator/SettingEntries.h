#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvio {

// Integer reading as users of the settings have always typed it: optional leading blanks, an
// optional sign, then decimal digits, or "$" and hexadecimal digits. Nothing may follow, and the
// value must fit 32 signed bits.
std::optional<std::int32_t> StrToInt(std::u16string_view Text);

// The settings dialog's three number fields as typed.
struct TSettingEntries {
    std::u16string HistoryCount;
    std::u16string SignificantDigits;
    std::u16string BcdSignificantDigits;
};

// The messages the settings dialog shows before it may close with OK, in the order shown; none
// when every field passes. Each field is checked on its own, so several may fail at once.
std::vector<std::u16string> CheckSettingEntries(const TSettingEntries& Entries);

} // namespace kalvio
