#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kalvio {

// One entry of the constant registration's list: its name, which is also the description it
// suggests, and its value.
struct TPhysicalConstant {
    std::u16string_view Name;
    double Value;
};

// The eleven constants in list order.
std::span<const TPhysicalConstant> PhysicalConstantTable();

// The text a value puts into the value field: the 15-digit form of the settings file.
std::u16string ConstantValueText(double Value);

// The message the constant registration shows before it may close with OK; empty when the value
// and the name pass. Only the first failure is reported.
std::u16string CheckConstantEntries(std::u16string_view ValueText, std::u16string_view Name);

} // namespace kalvio
