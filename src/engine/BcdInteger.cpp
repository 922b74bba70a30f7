#include "engine/BcdInteger.h"

#include "engine/Bcd.h"

#include <algorithm>

namespace kalvio {

namespace {

constexpr std::array<std::uint32_t, 9> SmallPow10 = {
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000};

int DigitsOfLimb(std::uint32_t limb) {
    if (limb >= 10'000) {
        if (limb >= 1'000'000) {
            return limb >= 10'000'000 ? 8 : 7;
        }
        return limb >= 100'000 ? 6 : 5;
    }
    if (limb >= 100) {
        return limb >= 1'000 ? 4 : 3;
    }
    return limb >= 10 ? 2 : 1;
}

} // namespace

TBcdInteger::TBcdInteger(std::uint64_t value) {
    while (value != 0) {
        FLimbs[FSize++] = static_cast<std::uint32_t>(value % LimbBase);
        value /= LimbBase;
    }
}

TBcdInteger TBcdInteger::Pow10(int exponent) {
    TBcdInteger result(1);
    result.MultiplyPow10(exponent);
    return result;
}

void TBcdInteger::CheckCapacity(int limbs) {
    if (limbs > MaxLimbs) {
        throw EBcdOverflowException("decimal overflow");
    }
}

void TBcdInteger::Trim() {
    while (FSize > 0 && FLimbs[FSize - 1] == 0) {
        --FSize;
    }
}

void TBcdInteger::AssignLimbs(const std::uint32_t* limbs, int count) {
    CheckCapacity(count);
    std::copy(limbs, limbs + count, FLimbs.begin());
    std::fill(FLimbs.begin() + count, FLimbs.begin() + std::max(count, FSize), 0U);
    FSize = count;
    Trim();
}

int TBcdInteger::DigitCount() const {
    if (FSize == 0) {
        return 0;
    }
    return (FSize - 1) * LimbDigits + DigitsOfLimb(FLimbs[FSize - 1]);
}

int TBcdInteger::TrailingZeros() const {
    int index = 0;
    while (index < FSize && FLimbs[index] == 0) {
        ++index;
    }
    if (index == FSize) {
        return 0;
    }
    int zeros = index * LimbDigits;
    for (std::uint32_t limb = FLimbs[index]; limb % 10 == 0; limb /= 10) {
        ++zeros;
    }
    return zeros;
}

bool TBcdInteger::TryToUInt64(std::uint64_t& value) const {
    std::uint64_t result = 0;
    for (int index = FSize - 1; index >= 0; --index) {
        if (__builtin_mul_overflow(result, std::uint64_t{LimbBase}, &result) ||
            __builtin_add_overflow(result, std::uint64_t{FLimbs[index]}, &result)) {
            return false;
        }
    }
    value = result;
    return true;
}

void TBcdInteger::MultiplySmall(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (int index = 0; index < FSize; ++index) {
        const std::uint64_t product = std::uint64_t{FLimbs[index]} * factor + carry;
        FLimbs[index] = static_cast<std::uint32_t>(product % LimbBase);
        carry = product / LimbBase;
    }
    if (carry != 0) {
        CheckCapacity(FSize + 1);
        FLimbs[FSize++] = static_cast<std::uint32_t>(carry);
    }
}

namespace {

// A constant divisor lets the compiler replace the division by a multiplication.
template <std::uint32_t Divisor> std::uint32_t DivideLimbs(std::uint32_t* limbs, int size) {
    std::uint64_t remainder = 0;
    for (int index = size - 1; index >= 0; --index) {
        const std::uint64_t current = remainder * TBcdInteger::LimbBase + limbs[index];
        limbs[index] = static_cast<std::uint32_t>(current / Divisor);
        remainder = current % Divisor;
    }
    return static_cast<std::uint32_t>(remainder);
}

// Any other divisor: each partial quotient is below LimbBase, so the double estimate through the
// reciprocal is off by less than 1 and one correction makes it exact, without a hardware
// division per limb.
std::uint32_t DivideLimbs(std::uint32_t* limbs, int size, std::uint32_t divisor) {
    const double reciprocal = 1.0 / divisor;
    std::uint64_t remainder = 0;
    for (int index = size - 1; index >= 0; --index) {
        const std::uint64_t current = remainder * TBcdInteger::LimbBase + limbs[index];
        auto quotient = static_cast<std::uint64_t>(static_cast<double>(current) * reciprocal);
        auto rest =
            static_cast<std::int64_t>(current) - static_cast<std::int64_t>(quotient * divisor);
        if (rest < 0) {
            --quotient;
            rest += divisor;
        } else if (rest >= static_cast<std::int64_t>(divisor)) {
            ++quotient;
            rest -= divisor;
        }
        limbs[index] = static_cast<std::uint32_t>(quotient);
        remainder = static_cast<std::uint64_t>(rest);
    }
    return static_cast<std::uint32_t>(remainder);
}

} // namespace

std::uint32_t TBcdInteger::DivideSmall(std::uint32_t divisor) {
    std::uint32_t remainder = 0;
    switch (divisor) {
    case 1:
        return 0;
    case 10:
        remainder = DivideLimbs<10>(FLimbs.data(), FSize);
        break;
    case 100:
        remainder = DivideLimbs<100>(FLimbs.data(), FSize);
        break;
    case 1'000:
        remainder = DivideLimbs<1'000>(FLimbs.data(), FSize);
        break;
    case 10'000:
        remainder = DivideLimbs<10'000>(FLimbs.data(), FSize);
        break;
    case 100'000:
        remainder = DivideLimbs<100'000>(FLimbs.data(), FSize);
        break;
    case 1'000'000:
        remainder = DivideLimbs<1'000'000>(FLimbs.data(), FSize);
        break;
    case 10'000'000:
        remainder = DivideLimbs<10'000'000>(FLimbs.data(), FSize);
        break;
    default:
        remainder = DivideLimbs(FLimbs.data(), FSize, divisor);
        break;
    }
    Trim();
    return remainder;
}

TBcdInteger& TBcdInteger::MultiplyPow10(int exponent) {
    if (FSize == 0 || exponent <= 0) {
        return *this;
    }
    const int shift = exponent / LimbDigits;
    if (shift > 0) {
        CheckCapacity(FSize + shift);
        std::copy_backward(FLimbs.begin(), FLimbs.begin() + FSize, FLimbs.begin() + FSize + shift);
        std::fill(FLimbs.begin(), FLimbs.begin() + shift, 0U);
        FSize += shift;
    }
    MultiplySmall(SmallPow10[exponent % LimbDigits]);
    return *this;
}

TBcdInteger& TBcdInteger::DividePow10(int exponent) {
    if (FSize == 0 || exponent <= 0) {
        return *this;
    }
    const int shift = exponent / LimbDigits;
    if (shift >= FSize) {
        *this = TBcdInteger();
        return *this;
    }
    if (shift > 0) {
        std::copy(FLimbs.begin() + shift, FLimbs.begin() + FSize, FLimbs.begin());
        std::fill(FLimbs.begin() + FSize - shift, FLimbs.begin() + FSize, 0U);
        FSize -= shift;
    }
    DivideSmall(SmallPow10[exponent % LimbDigits]);
    return *this;
}

TBcdInteger TBcdInteger::ModPow10(int exponent) const {
    TBcdInteger result;
    if (exponent <= 0) {
        return result;
    }
    const int whole = exponent / LimbDigits;
    const int count = std::min(FSize, whole + 1);
    std::copy(FLimbs.begin(), FLimbs.begin() + count, result.FLimbs.begin());
    result.FSize = count;
    if (count == whole + 1) {
        result.FLimbs[whole] %= SmallPow10[exponent % LimbDigits];
    }
    result.Trim();
    return result;
}

bool operator==(const TBcdInteger& left, const TBcdInteger& right) {
    return left.FSize == right.FSize &&
           std::equal(left.FLimbs.begin(), left.FLimbs.begin() + left.FSize, right.FLimbs.begin());
}

std::strong_ordering operator<=>(const TBcdInteger& left, const TBcdInteger& right) {
    if (left.FSize != right.FSize) {
        return left.FSize <=> right.FSize;
    }
    for (int index = left.FSize - 1; index >= 0; --index) {
        if (left.FLimbs[index] != right.FLimbs[index]) {
            return left.FLimbs[index] <=> right.FLimbs[index];
        }
    }
    return std::strong_ordering::equal;
}

TBcdInteger operator+(const TBcdInteger& left, const TBcdInteger& right) {
    TBcdInteger result;
    const int size = std::max(left.FSize, right.FSize);
    std::uint32_t carry = 0;
    for (int index = 0; index < size; ++index) {
        std::uint32_t sum = left.FLimbs[index] + right.FLimbs[index] + carry;
        carry = sum >= TBcdInteger::LimbBase ? 1 : 0;
        result.FLimbs[index] = sum - carry * TBcdInteger::LimbBase;
    }
    result.FSize = size;
    if (carry != 0) {
        TBcdInteger::CheckCapacity(size + 1);
        result.FLimbs[result.FSize++] = 1;
    }
    return result;
}

TBcdInteger operator-(const TBcdInteger& left, const TBcdInteger& right) {
    TBcdInteger result;
    std::uint32_t borrow = 0;
    for (int index = 0; index < left.FSize; ++index) {
        const std::uint32_t subtrahend = right.FLimbs[index] + borrow;
        if (left.FLimbs[index] >= subtrahend) {
            result.FLimbs[index] = left.FLimbs[index] - subtrahend;
            borrow = 0;
        } else {
            result.FLimbs[index] = left.FLimbs[index] + TBcdInteger::LimbBase - subtrahend;
            borrow = 1;
        }
    }
    result.FSize = left.FSize;
    result.Trim();
    return result;
}

TBcdInteger operator*(const TBcdInteger& left, const TBcdInteger& right) {
    TBcdInteger result;
    if (left.FSize == 0 || right.FSize == 0) {
        return result;
    }
    const int size = left.FSize + right.FSize;
    TBcdInteger::CheckCapacity(size - 1);
    // Column sums: at most 18 products below 10^16 each, far inside 64 bits.
    std::uint64_t carry = 0;
    for (int column = 0; column < size - 1; ++column) {
        std::uint64_t sum = carry;
        const int first = std::max(0, column - right.FSize + 1);
        const int last = std::min(column, left.FSize - 1);
        for (int index = first; index <= last; ++index) {
            sum += std::uint64_t{left.FLimbs[index]} * right.FLimbs[column - index];
        }
        result.FLimbs[column] = static_cast<std::uint32_t>(sum % TBcdInteger::LimbBase);
        carry = sum / TBcdInteger::LimbBase;
    }
    result.FSize = size - 1;
    if (carry != 0) {
        TBcdInteger::CheckCapacity(size);
        result.FLimbs[result.FSize++] = static_cast<std::uint32_t>(carry);
    }
    return result;
}

TBcdInteger operator/(const TBcdInteger& dividend, const TBcdInteger& divisor) {
    TBcdInteger quotient;
    if (divisor.FSize == 1) {
        quotient = dividend;
        quotient.DivideSmall(divisor.FLimbs[0]);
    } else if (dividend >= divisor) {
        TBcdInteger::DivModLong(dividend, divisor, quotient, nullptr);
    }
    return quotient;
}

void TBcdInteger::DivMod(const TBcdInteger& dividend, const TBcdInteger& divisor,
                         TBcdInteger& quotient, TBcdInteger& remainder) {
    if (divisor.FSize == 1) {
        quotient = dividend;
        remainder = TBcdInteger(quotient.DivideSmall(divisor.FLimbs[0]));
    } else if (dividend < divisor) {
        quotient = TBcdInteger();
        remainder = dividend;
    } else {
        DivModLong(dividend, divisor, quotient, &remainder);
    }
}

// Long division (Knuth, algorithm D) in base 10^8 for divisors of two limbs or more and a
// dividend at least as large as the divisor.
void TBcdInteger::DivModLong(const TBcdInteger& dividend, const TBcdInteger& divisor,
                             TBcdInteger& quotient, TBcdInteger* remainder) {
    constexpr std::uint64_t Base = LimbBase;
    const int n = divisor.FSize;
    const int m = dividend.FSize - n;
    // Scaling both by d makes the divisor's top limb at least Base / 2, so that the estimate
    // from the top two limbs is at most two too large.
    const auto d = static_cast<std::uint32_t>(Base / (std::uint64_t{divisor.FLimbs[n - 1]} + 1));
    std::array<std::uint32_t, MaxLimbs + 1> u{};
    std::array<std::uint32_t, MaxLimbs> v{};
    std::uint64_t carry = 0;
    for (int index = 0; index < dividend.FSize; ++index) {
        const std::uint64_t product = std::uint64_t{dividend.FLimbs[index]} * d + carry;
        u[index] = static_cast<std::uint32_t>(product % Base);
        carry = product / Base;
    }
    u[dividend.FSize] = static_cast<std::uint32_t>(carry);
    carry = 0;
    for (int index = 0; index < n; ++index) {
        const std::uint64_t product = std::uint64_t{divisor.FLimbs[index]} * d + carry;
        v[index] = static_cast<std::uint32_t>(product % Base);
        carry = product / Base;
    }

    quotient = TBcdInteger();
    for (int j = m; j >= 0; --j) {
        const std::uint64_t top = std::uint64_t{u[j + n]} * Base + u[j + n - 1];
        std::uint64_t estimate = top / v[n - 1];
        std::uint64_t rest = top % v[n - 1];
        while (estimate >= Base || estimate * v[n - 2] > rest * Base + u[j + n - 2]) {
            --estimate;
            rest += v[n - 1];
            if (rest >= Base) {
                break;
            }
        }
        // The products do not depend on the borrow, so only a short add chain is serial.
        std::uint64_t borrow = 0;
        for (int index = 0; index < n; ++index) {
            const std::uint64_t product = estimate * v[index];
            auto difference = static_cast<std::int64_t>(u[index + j]) -
                              static_cast<std::int64_t>(product % Base) -
                              static_cast<std::int64_t>(borrow);
            borrow = product / Base;
            // difference > -2 * Base, as the incoming borrow is at most Base.
            while (difference < 0) {
                difference += static_cast<std::int64_t>(Base);
                ++borrow;
            }
            u[index + j] = static_cast<std::uint32_t>(difference);
        }
        if (u[j + n] >= borrow) {
            u[j + n] -= static_cast<std::uint32_t>(borrow);
        } else {
            // The estimate was one too large: add the divisor back.
            --estimate;
            std::uint32_t addCarry = 0;
            for (int index = 0; index < n; ++index) {
                std::uint32_t sum = u[index + j] + v[index] + addCarry;
                addCarry = sum >= LimbBase ? 1 : 0;
                u[index + j] = sum - addCarry * LimbBase;
            }
            u[j + n] = 0;
        }
        quotient.FLimbs[j] = static_cast<std::uint32_t>(estimate);
    }
    quotient.FSize = m + 1;
    quotient.Trim();

    if (remainder != nullptr) {
        remainder->FLimbs.fill(0);
        std::copy(u.begin(), u.begin() + n, remainder->FLimbs.begin());
        remainder->FSize = n;
        remainder->Trim();
        remainder->DivideSmall(d);
    }
}

} // namespace kalvio
