#include "engine/LetterTable.h"

#include <algorithm>
#include <iterator>

namespace kalvio {
namespace {

struct TCodePointRange {
    char32_t First;
    char32_t Last;
};

#include "engine/LetterTable.inc"

template <std::size_t N> bool InRanges(const TCodePointRange (&ranges)[N], char32_t codePoint) {
    // The first range that does not end before the code point is the only candidate.
    const auto* found = std::lower_bound(
        std::begin(ranges), std::end(ranges), codePoint,
        [](const TCodePointRange& range, char32_t value) { return range.Last < value; });
    return found != std::end(ranges) && found->First <= codePoint;
}

} // namespace

bool IsLetter(char32_t codePoint) {
    if (codePoint < 0x80) {
        return (codePoint >= U'A' && codePoint <= U'Z') || (codePoint >= U'a' && codePoint <= U'z');
    }
    return InRanges(LetterRanges, codePoint);
}

bool IsUnassigned(char32_t codePoint) {
    return InRanges(UnassignedRanges, codePoint);
}

} // namespace kalvio
