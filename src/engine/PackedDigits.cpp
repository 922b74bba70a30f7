#include "engine/PackedDigits.h"

#include "engine/Bcd.h"

namespace kalvio {

namespace {

std::uint32_t PairToPacked(std::uint32_t pair) {
    return (pair / 10) << 4 | pair % 10;
}

std::uint64_t LimbToPacked(std::uint32_t limb) {
    const std::uint32_t high = limb / 10'000;
    const std::uint32_t low = limb % 10'000;
    return PairToPacked(high / 100) << 24 | PairToPacked(high % 100) << 16 |
           PairToPacked(low / 100) << 8 | PairToPacked(low % 100);
}

// Sixteen digits to two limbs at once: neighbouring nibbles, bytes and half-words combine in
// every lane; the low half of the result is the lower limb.
std::uint64_t WordToLimbPair(std::uint64_t word) {
    word = (word & 0x0F0F0F0F0F0F0F0F) + ((word >> 4) & 0x0F0F0F0F0F0F0F0F) * 10;
    word = (word & 0x00FF00FF00FF00FF) + ((word >> 8) & 0x00FF00FF00FF00FF) * 100;
    return (word & 0x0000FFFF0000FFFF) + ((word >> 16) & 0x0000FFFF0000FFFF) * 10'000;
}

} // namespace

void TPackedDigits::RaiseInvalidDigit() {
    throw EBcdException("invalid decimal value");
}

TPackedDigits TPackedDigits::FromInteger(const TBcdInteger& value) {
    TPackedDigits result;
    for (int limb = 0; limb < value.LimbCount() && limb < 8; ++limb) {
        result.FWords[limb / 2] |= LimbToPacked(value.Limb(limb)) << (32 * (limb % 2));
    }
    return result;
}

TBcdInteger TPackedDigits::ToInteger() const {
    std::array<std::uint32_t, 8> limbs{};
    const int limbCount = (DigitCount() + 7) / 8;
    for (int word = 0; word * 2 < limbCount; ++word) {
        const std::uint64_t pair = WordToLimbPair(FWords[word]);
        limbs[word * 2] = static_cast<std::uint32_t>(pair);
        limbs[word * 2 + 1] = static_cast<std::uint32_t>(pair >> 32);
    }
    TBcdInteger result;
    result.AssignLimbs(limbs.data(), limbCount);
    return result;
}

} // namespace kalvio
