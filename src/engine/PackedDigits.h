#pragma once

#include "engine/BcdInteger.h"

#include <array>
#include <compare>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace kalvio {

// Up to 64 decimal digits, one per nibble, as a 256-bit number with the units digit in the
// lowest nibble. Digit shifts are bit shifts and the digit order is the binary order, so
// alignment, truncation, comparison and addition (a binary add corrected per nibble) need no
// conversion; products and quotients convert to TBcdInteger. The small operations are inline so
// that the words stay in registers.
class TPackedDigits {
public:
    static constexpr int MaxDigits = 64;

    // The first `precision` digits of a packed fraction (first digit in the high nibble of the
    // first byte). Raises EBcdException for a nibble above 9.
    static TPackedDigits FromFraction(const std::array<std::uint8_t, 32>& fraction, int precision);
    // Writes the digits left-aligned as a fraction of `precision` digits; the value must have at
    // most `precision` digits.
    void ToFraction(std::array<std::uint8_t, 32>& fraction, int precision) const;

    static TPackedDigits FromInteger(const TBcdInteger& value); // at most 64 digits
    // At most 16 digit characters, the units digit last.
    static TPackedDigits FromShortDigitText(std::string_view digits) {
        TPackedDigits result;
        for (const char digit : digits) {
            result.FWords[0] = (result.FWords[0] << 4) | static_cast<std::uint64_t>(digit - '0');
        }
        return result;
    }
    TBcdInteger ToInteger() const;

    bool IsZero() const { return (FWords[0] | FWords[1] | FWords[2] | FWords[3]) == 0; }
    int DigitCount() const;
    int TrailingZeros() const; // 0 for zero

    // Division by 10^count, truncating; multiplication by 10^count, which must fit.
    void ShiftRightDigits(int count);
    void ShiftLeftDigits(int count);
    // Puts a 1 in the 64th digit, which must be 0 (the carry of an addition shifted down).
    void SetTopDigitOne() { FWords[3] |= std::uint64_t{1} << 60; }

    // Adds in place; returns the carry out of the 64th digit.
    bool Add(const TPackedDigits& other);
    // Subtracts in place; requires *this >= other.
    void Subtract(const TPackedDigits& other);

    friend std::strong_ordering operator<=>(const TPackedDigits& left, const TPackedDigits& right);
    friend bool operator==(const TPackedDigits& left, const TPackedDigits& right) = default;

private:
    using TWords = std::array<std::uint64_t, 4>;

    static TWords ShiftWordsRight(const TWords& words, int digits);
    static TWords ShiftWordsLeft(const TWords& words, int digits);
    static std::uint64_t AddWord(std::uint64_t left, std::uint64_t right, bool& carry);
    [[noreturn]] static void RaiseInvalidDigit();
    // Non-zero if a nibble is above 9: bit 3 set together with bit 2 or bit 1.
    static std::uint64_t InvalidDigits(std::uint64_t word) {
        return word & 0x8888888888888888 &
               (((word & 0x4444444444444444) << 1) | ((word & 0x2222222222222222) << 2));
    }

    TWords FWords{}; // least significant first
};

inline TPackedDigits TPackedDigits::FromFraction(const std::array<std::uint8_t, 32>& fraction,
                                                 int precision) {
    TPackedDigits result;
    if (precision <= 0) {
        return result;
    }
    TWords words;
    for (int word = 0; word < 4; ++word) {
        std::uint64_t bigEndian = 0;
        std::memcpy(&bigEndian, fraction.data() + 8 * (3 - word), sizeof bigEndian);
        words[word] = __builtin_bswap64(bigEndian);
    }
    result.FWords = ShiftWordsRight(words, MaxDigits - precision);
    const std::uint64_t invalid = InvalidDigits(result.FWords[0]) |
                                  InvalidDigits(result.FWords[1]) |
                                  InvalidDigits(result.FWords[2]) | InvalidDigits(result.FWords[3]);
    if (invalid != 0) {
        RaiseInvalidDigit();
    }
    return result;
}

inline void TPackedDigits::ToFraction(std::array<std::uint8_t, 32>& fraction, int precision) const {
    if (precision <= 0) {
        fraction = {};
        return;
    }
    const TWords words = ShiftWordsLeft(FWords, MaxDigits - precision);
    for (int word = 0; word < 4; ++word) {
        const std::uint64_t bigEndian = __builtin_bswap64(words[word]);
        std::memcpy(fraction.data() + 8 * (3 - word), &bigEndian, sizeof bigEndian);
    }
}

inline int TPackedDigits::DigitCount() const {
    for (int word = 3; word >= 0; --word) {
        if (FWords[word] != 0) {
            return word * 16 + (64 - __builtin_clzll(FWords[word]) + 3) / 4;
        }
    }
    return 0;
}

inline int TPackedDigits::TrailingZeros() const {
    for (int word = 0; word < 4; ++word) {
        if (FWords[word] != 0) {
            return word * 16 + __builtin_ctzll(FWords[word]) / 4;
        }
    }
    return 0;
}

// Shifts by whole words select the source words; the rest is a bit shift in which the
// neighbour's bits come in through two shifts, so that a shift of 0 stays defined.
inline TPackedDigits::TWords TPackedDigits::ShiftWordsRight(const TWords& words, int digits) {
    const int bits = digits % 16 * 4;
    TWords source{};
    switch (digits / 16) {
    case 0:
        source = words;
        break;
    case 1:
        source = {words[1], words[2], words[3], 0};
        break;
    case 2:
        source = {words[2], words[3], 0, 0};
        break;
    case 3:
        source = {words[3], 0, 0, 0};
        break;
    default:
        return {};
    }
    return {source[0] >> bits | (source[1] << 1) << (63 - bits),
            source[1] >> bits | (source[2] << 1) << (63 - bits),
            source[2] >> bits | (source[3] << 1) << (63 - bits), source[3] >> bits};
}

inline TPackedDigits::TWords TPackedDigits::ShiftWordsLeft(const TWords& words, int digits) {
    const int bits = digits % 16 * 4;
    TWords source{};
    switch (digits / 16) {
    case 0:
        source = words;
        break;
    case 1:
        source = {0, words[0], words[1], words[2]};
        break;
    case 2:
        source = {0, 0, words[0], words[1]};
        break;
    case 3:
        source = {0, 0, 0, words[0]};
        break;
    default:
        return {};
    }
    return {source[0] << bits, source[1] << bits | (source[0] >> 1) >> (63 - bits),
            source[2] << bits | (source[1] >> 1) >> (63 - bits),
            source[3] << bits | (source[2] >> 1) >> (63 - bits)};
}

inline void TPackedDigits::ShiftRightDigits(int count) {
    if (count > 0) {
        FWords = ShiftWordsRight(FWords, count);
    }
}

inline void TPackedDigits::ShiftLeftDigits(int count) {
    if (count > 0) {
        FWords = ShiftWordsLeft(FWords, count);
    }
}

// One word of a decimal addition: adding 6 to every digit first makes a decimal carry a binary
// one; the digits that did not carry get their 6 back.
inline std::uint64_t TPackedDigits::AddWord(std::uint64_t left, std::uint64_t right, bool& carry) {
    constexpr std::uint64_t Sixes = 0x6666666666666666;
    constexpr std::uint64_t CarryBits = 0x1111111111111110; // bit 4i for digits 1..15
    const std::uint64_t biased = left + Sixes;
    std::uint64_t sum = biased + right;
    bool carryOut = sum < biased;
    const std::uint64_t withCarry = sum + (carry ? 1 : 0);
    carryOut = carryOut || withCarry < sum;
    sum = withCarry;
    // Bit 4i of biased ^ right ^ sum is the carry into digit i, i.e. out of digit i - 1.
    std::uint64_t noCarry = (~(biased ^ right ^ sum) & CarryBits) >> 4;
    if (!carryOut) {
        noCarry |= std::uint64_t{1} << 60;
    }
    carry = carryOut;
    return sum - noCarry * 6;
}

inline bool TPackedDigits::Add(const TPackedDigits& other) {
    bool carry = false;
    for (int word = 0; word < 4; ++word) {
        FWords[word] = AddWord(FWords[word], other.FWords[word], carry);
    }
    return carry;
}

// Adds the ten's complement of the subtrahend; the carry out is dropped.
inline void TPackedDigits::Subtract(const TPackedDigits& other) {
    constexpr std::uint64_t Nines = 0x9999999999999999;
    bool carry = true;
    for (int word = 0; word < 4; ++word) {
        FWords[word] = AddWord(FWords[word], Nines - other.FWords[word], carry);
    }
}

inline std::strong_ordering operator<=>(const TPackedDigits& left, const TPackedDigits& right) {
    for (int word = 3; word >= 0; --word) {
        if (left.FWords[word] != right.FWords[word]) {
            return left.FWords[word] <=> right.FWords[word];
        }
    }
    return std::strong_ordering::equal;
}

} // namespace kalvio
