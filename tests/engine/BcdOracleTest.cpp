// The decimal arithmetic against exact rationals: every operand pair is evaluated by GMP and cut
// by the truncation and overflow rules, then compared with the packed result.
#include "engine/Bcd.h"
#include "engine/BcdInteger.h"

#include <gmpxx.h>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>

namespace kalvio {
namespace {

const mpz_class& Pow10(int exponent) {
    static const auto table = [] {
        std::vector<mpz_class> powers(200);
        powers[0] = 1;
        for (std::size_t index = 1; index < powers.size(); ++index) {
            powers[index] = powers[index - 1] * 10;
        }
        return powers;
    }();
    return table.at(static_cast<std::size_t>(exponent));
}

// Decodes the packed layout independently of the library.
mpq_class ToRational(const TBcd& value) {
    std::string digits = "0";
    for (int index = 0; index < value.Precision; ++index) {
        const int byte = value.Fraction[static_cast<std::size_t>(index / 2)];
        digits.push_back(static_cast<char>('0' + (index % 2 == 0 ? byte >> 4 : byte & 0x0F)));
    }
    mpq_class result(mpz_class(digits, 10), Pow10(value.Places()));
    result.canonicalize();
    return value.IsNegative() ? mpq_class(-result) : result;
}

mpz_class TruncatedScaled(const mpq_class& value, int places) {
    mpz_class scaled = value.get_num() * Pow10(places);
    mpz_tdiv_q(scaled.get_mpz_t(), scaled.get_mpz_t(), value.get_den().get_mpz_t());
    return scaled;
}

// Decimal places needed to write the value exactly (it must be a terminating decimal).
int SignificantPlaces(const mpq_class& value) {
    int places = 0;
    while (mpz_class(value.get_den()) > 1 &&
           mpz_divisible_p(Pow10(places).get_mpz_t(), value.get_den().get_mpz_t()) == 0) {
        ++places;
    }
    return places;
}

int IntegerDigits(const mpq_class& value) {
    mpz_class integer = abs(value.get_num());
    mpz_tdiv_q(integer.get_mpz_t(), integer.get_mpz_t(), value.get_den().get_mpz_t());
    return integer == 0 ? 0 : static_cast<int>(integer.get_str().size());
}

bool Holdable(const mpq_class& value) {
    const int integerDigits = IntegerDigits(value);
    return integerDigits <= 64 && SignificantPlaces(value) <= 64 - std::max(integerDigits, 1);
}

// nullopt: the overflow error is expected.
std::optional<mpq_class> ExpectedSum(const mpq_class& a, const mpq_class& b) {
    int places = std::min(std::max(SignificantPlaces(a), SignificantPlaces(b)),
                          64 - std::max({IntegerDigits(a), IntegerDigits(b), 1}));
    mpz_class sum = TruncatedScaled(a, places) + TruncatedScaled(b, places);
    if (abs(sum) >= Pow10(64)) {
        if (places == 0) {
            return std::nullopt;
        }
        mpz_tdiv_q_ui(sum.get_mpz_t(), sum.get_mpz_t(), 10);
        --places;
    }
    mpq_class result(sum, Pow10(places));
    result.canonicalize();
    return result;
}

std::optional<mpq_class> ExpectedProduct(const mpq_class& a, const mpq_class& b) {
    mpq_class product = a * b;
    if (!Holdable(product)) {
        return std::nullopt;
    }
    return product;
}

std::optional<mpq_class> ExpectedQuotient(const mpq_class& a, const mpq_class& b) {
    const mpq_class exact = a / b;
    const int integerDigits = IntegerDigits(exact);
    if (integerDigits > 64) {
        return std::nullopt;
    }
    const int places = integerDigits > 54 ? 64 - integerDigits : 10;
    mpq_class result(TruncatedScaled(exact, places), Pow10(places));
    result.canonicalize();
    return result;
}

int Sign(const mpq_class& value) {
    return sgn(value);
}

class TOperandGenerator {
public:
    explicit TOperandGenerator(unsigned seed) : FRandom(seed) {}

    TBcd Next() {
        const int precision = Uniform(1, 64);
        const int pattern = Uniform(0, 9);
        std::string digits;
        for (int index = 0; index < precision; ++index) {
            char digit = static_cast<char>('0' + Uniform(0, 9));
            if (pattern == 0) {
                digit = '9'; // carries through every digit
            } else if (pattern == 1) {
                digit = index == 0 ? '1' : '0'; // powers of ten
            } else if (pattern == 2 && index > 0 && Uniform(0, 3) != 0) {
                digit = '0'; // sparse digits and trailing zeros
            }
            digits.push_back(digit);
        }
        const int places = pattern == 3 ? 0 : (pattern == 4 ? 63 : Uniform(0, 63));
        const bool negative = Uniform(0, 1) == 1;
        return Make(digits, places, negative);
    }

    static TBcd Make(const std::string& digits, int places, bool negative) {
        TBcd value;
        value.Precision = static_cast<std::uint8_t>(digits.size());
        value.SignSpecialPlaces =
            static_cast<std::uint8_t>((negative ? TBcd::SignBit : 0) | places);
        for (std::size_t index = 0; index < digits.size(); ++index) {
            const int digit = digits[index] - '0';
            value.Fraction[index / 2] |=
                static_cast<std::uint8_t>(index % 2 == 0 ? digit << 4 : digit);
        }
        return value;
    }

private:
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(FRandom);
    }

    std::mt19937 FRandom;
};

template <typename TOperation> std::optional<mpq_class> Run(TOperation operation, bool& overflow) {
    overflow = false;
    try {
        return ToRational(operation());
    } catch (const EBcdOverflowException&) {
        overflow = true;
        return std::nullopt;
    }
}

void ExpectCanonical(const TBcd& value) {
    EXPECT_LE(value.Precision, 64);
    EXPECT_GE(value.Precision, value.Places());
    if (value.Precision > 0) {
        EXPECT_EQ(BcdToStr(value), BcdToStr(StrToBcd(BcdToStr(value))));
    }
}

std::string Describe(const TBcd& left, const TBcd& right) {
    std::string text;
    for (const TBcd* value : {&left, &right}) {
        text += ToRational(*value).get_str() + " [" + std::to_string(value->Precision) + "," +
                std::to_string(value->Places()) + "] ";
    }
    return text;
}

void CheckPair(const TBcd& left, const TBcd& right) {
    const mpq_class a = ToRational(left);
    const mpq_class b = ToRational(right);
    const std::string operands = Describe(left, right);
    bool overflow = false;

    auto sum = Run([&] { return BcdAdd(left, right); }, overflow);
    auto expected = ExpectedSum(a, b);
    ASSERT_EQ(overflow, !expected.has_value()) << "add " << operands;
    if (expected) {
        ASSERT_EQ(*sum, *expected) << "add " << operands;
        ExpectCanonical(BcdAdd(left, right));
    }

    auto difference = Run([&] { return BcdSubtract(left, right); }, overflow);
    expected = ExpectedSum(a, -b);
    ASSERT_EQ(overflow, !expected.has_value()) << "subtract " << operands;
    if (expected) {
        ASSERT_EQ(*difference, *expected) << "subtract " << operands;
    }

    auto product = Run([&] { return BcdMultiply(left, right); }, overflow);
    expected = ExpectedProduct(a, b);
    ASSERT_EQ(overflow, !expected.has_value()) << "multiply " << operands;
    if (expected) {
        ASSERT_EQ(*product, *expected) << "multiply " << operands;
        ExpectCanonical(BcdMultiply(left, right));
    }

    if (b != 0) {
        auto quotient = Run([&] { return BcdDivide(left, right); }, overflow);
        expected = ExpectedQuotient(a, b);
        ASSERT_EQ(overflow, !expected.has_value()) << "divide " << operands;
        if (expected) {
            ASSERT_EQ(*quotient, *expected) << "divide " << operands;
            ExpectCanonical(BcdDivide(left, right));
        }
    } else {
        EXPECT_THROW(BcdDivide(left, right), EBcdException);
    }

    ASSERT_EQ(BcdCompare(left, right), Sign(a - b)) << "compare " << operands;
}

TEST(BcdOracle, RandomOperandPairs) {
    TOperandGenerator generator(20240611);
    for (int pair = 0; pair < 6000; ++pair) {
        CheckPair(generator.Next(), generator.Next());
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(BcdOracle, OverflowEdges) {
    const std::string nines(64, '9');
    const std::string one = "1";
    const std::vector<TBcd> operands = {
        TOperandGenerator::Make(nines, 0, false),  // 10^64 - 1
        TOperandGenerator::Make(nines, 0, true),   // -(10^64 - 1)
        TOperandGenerator::Make(nines, 1, false),  // a carry that costs a decimal
        TOperandGenerator::Make(nines, 63, false), // 9.99...
        TOperandGenerator::Make(one, 0, false),    // 1
        TOperandGenerator::Make(one, 63, false),   // 10^-63
        TOperandGenerator::Make(one, 10, false),   // 10^-10
        TOperandGenerator::Make(one, 11, false),   // 10^-11
        TOperandGenerator::Make("5", 1, true),     // -0.5
        TOperandGenerator::Make("1" + std::string(54, '0'), 0, false), // 10^54
        TOperandGenerator::Make("3", 0, false),                        // 3
        TOperandGenerator::Make("0", 0, false),                        // zero
        TOperandGenerator::Make("0000012", 5, false),                  // leading zeros: 0.12
        TOperandGenerator::Make("1200000", 5, false),                  // trailing zeros: 12
        TOperandGenerator::Make(std::string(63, '3'), 9, false),
    };
    for (const TBcd& left : operands) {
        for (const TBcd& right : operands) {
            CheckPair(left, right);
        }
    }
}

// The long division is the piece most likely to hide a rare fault; its quotient and remainder
// are checked on operand sizes around every limb boundary.
TEST(BcdOracle, IntegerDivision) {
    std::mt19937 random(7);
    auto number = [&](int digits) {
        std::string text;
        for (int index = 0; index < digits; ++index) {
            const int choice = std::uniform_int_distribution<int>(0, 11)(random);
            text.push_back(
                static_cast<char>(choice > 9 ? (choice == 10 ? '9' : '0') : '0' + choice));
        }
        text[0] = text[0] == '0' ? '1' : text[0];
        return text;
    };
    auto toInteger = [](const std::string& text) {
        TBcdInteger value;
        for (char digit : text) {
            value.MultiplyPow10(1);
            value = value + TBcdInteger(static_cast<std::uint64_t>(digit - '0'));
        }
        return value;
    };
    auto toText = [](TBcdInteger value) {
        std::string text;
        while (!value.IsZero()) {
            const TBcdInteger rest = value.ModPow10(1);
            std::uint64_t digit = 0;
            rest.TryToUInt64(digit);
            text.insert(text.begin(), static_cast<char>('0' + digit));
            value.DividePow10(1);
        }
        return text.empty() ? std::string("0") : text;
    };
    for (int round = 0; round < 3000; ++round) {
        const int dividendDigits = std::uniform_int_distribution<int>(1, 137)(random);
        const int divisorDigits = std::uniform_int_distribution<int>(1, 64)(random);
        const std::string dividend = number(dividendDigits);
        const std::string divisor = number(divisorDigits);
        TBcdInteger quotient;
        TBcdInteger remainder;
        TBcdInteger::DivMod(toInteger(dividend), toInteger(divisor), quotient, remainder);
        const mpz_class expectedQuotient = mpz_class(dividend, 10) / mpz_class(divisor, 10);
        const mpz_class expectedRemainder = mpz_class(dividend, 10) % mpz_class(divisor, 10);
        ASSERT_EQ(toText(quotient), expectedQuotient.get_str()) << dividend << " / " << divisor;
        ASSERT_EQ(toText(remainder), expectedRemainder.get_str()) << dividend << " % " << divisor;
    }
}

} // namespace
} // namespace kalvio
