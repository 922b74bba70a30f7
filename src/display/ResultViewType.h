#pragma once

#include <cstdint>

namespace kalvio {

// The display mode of the result display.
enum TResultViewType : std::uint8_t { vtNormal, vtFix, vtSci, vtEng, vtDms, vtHex, vtBin, vtNotView };

// The pre-rounding applied before vtFix and vtSci.
enum TRoundSelector : std::uint8_t { rs54, rsCut, rsUp };

} // namespace kalvio
