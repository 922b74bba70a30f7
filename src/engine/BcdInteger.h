#pragma once

#include <array>
#include <compare>
#include <cstdint>

namespace kalvio {

// An unsigned integer of up to 144 decimal digits in base 10^8 limbs: the working form of the
// decimal arithmetic. Decimal limbs keep digit positions cheap to find, cut and pack, and 64
// digits are exactly eight limbs. Results beyond the capacity raise EBcdOverflowException.
class TBcdInteger {
public:
    static constexpr int LimbDigits = 8;
    static constexpr std::uint32_t LimbBase = 100'000'000;
    static constexpr int MaxLimbs = 18;
    static constexpr int MaxDigits = MaxLimbs * LimbDigits;

    TBcdInteger() = default;
    explicit TBcdInteger(std::uint64_t value);
    static TBcdInteger Pow10(int exponent);

    bool IsZero() const { return FSize == 0; }
    bool IsOdd() const { return FSize > 0 && (FLimbs[0] & 1U) != 0; }
    int DigitCount() const;
    // Number of zero digits at the units end; 0 for zero.
    int TrailingZeros() const;
    // Value if it is below 2^64, otherwise false.
    bool TryToUInt64(std::uint64_t& value) const;

    int LimbCount() const { return FSize; }
    std::uint32_t Limb(int index) const { return FLimbs[index]; }
    // Sets the limbs (least significant first, each below LimbBase).
    void AssignLimbs(const std::uint32_t* limbs, int count);

    TBcdInteger& MultiplyPow10(int exponent);
    // Division by 10^exponent, truncating.
    TBcdInteger& DividePow10(int exponent);
    // The remainder of a division by 10^exponent.
    TBcdInteger ModPow10(int exponent) const;

    friend bool operator==(const TBcdInteger& left, const TBcdInteger& right);
    friend std::strong_ordering operator<=>(const TBcdInteger& left, const TBcdInteger& right);
    friend TBcdInteger operator+(const TBcdInteger& left, const TBcdInteger& right);
    // Requires left >= right.
    friend TBcdInteger operator-(const TBcdInteger& left, const TBcdInteger& right);
    friend TBcdInteger operator*(const TBcdInteger& left, const TBcdInteger& right);
    // Truncating quotient; the divisor must not be zero.
    friend TBcdInteger operator/(const TBcdInteger& dividend, const TBcdInteger& divisor);
    static void DivMod(const TBcdInteger& dividend, const TBcdInteger& divisor,
                       TBcdInteger& quotient, TBcdInteger& remainder);

private:
    void Trim();
    static void CheckCapacity(int limbs);
    // Divides by a single limb in place and returns the remainder.
    std::uint32_t DivideSmall(std::uint32_t divisor);
    void MultiplySmall(std::uint32_t factor);
    static void DivModLong(const TBcdInteger& dividend, const TBcdInteger& divisor,
                           TBcdInteger& quotient, TBcdInteger* remainder);

    std::array<std::uint32_t, MaxLimbs> FLimbs{};
    int FSize = 0; // limbs in use; the top one is non-zero
};

} // namespace kalvio
