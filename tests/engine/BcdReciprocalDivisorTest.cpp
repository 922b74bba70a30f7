#include "engine/BcdReciprocalDivisor.h"

#include <gmpxx.h>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kalvio {
namespace {

TBcdInteger FromText(const std::string& digits) {
    TBcdInteger value;
    for (char digit : digits) {
        value.MultiplyPow10(1);
        value = value + TBcdInteger(static_cast<std::uint64_t>(digit - '0'));
    }
    return value;
}

std::string ToText(TBcdInteger value) {
    std::string text;
    while (!value.IsZero()) {
        std::uint64_t digit = 0;
        value.ModPow10(1).TryToUInt64(digit);
        text.insert(text.begin(), static_cast<char>('0' + digit));
        value.DividePow10(1);
    }
    return text.empty() ? "0" : text;
}

std::string Expected(const std::string& dividend, const std::string& divisor, int shift) {
    mpz_class scaled(dividend, 10);
    scaled *= mpz_class(std::string("1") + std::string(static_cast<std::size_t>(shift), '0'), 10);
    return mpz_class(scaled / mpz_class(divisor, 10)).get_str();
}

// Exact quotients are where the estimate lies just below the integer: a power of 3 is coprime
// to 10, so the reciprocal is inexact, and Q = m * X makes Q * 10^p / X = m * 10^p exactly.
TEST(BcdReciprocalDivisor, ExactQuotientsTakeTheLongDivision) {
    for (const auto& [exponent, shifts] : {std::pair{53, std::vector<int>{0, 25, 26, 30}},
                                           std::pair{133, std::vector<int>{40, 63}}}) {
        mpz_class x = 1;
        for (int power = 0; power < exponent; ++power) {
            x *= 3;
        }
        const std::string xText = x.get_str();
        for (int shift : shifts) {
            const TBcdReciprocalDivisor reciprocal(FromText(xText), shift);
            ASSERT_TRUE(reciprocal.IsFast()) << exponent << " " << shift;
            for (const char* m : {"1", "7", "123456789", "50000000000000000000000000000000000"}) {
                const mpz_class exact = x * mpz_class(m, 10);
                if (exact.get_str().size() > 64) {
                    continue;
                }
                for (const mpz_class& dividend : {exact, mpz_class(exact - 1)}) {
                    EXPECT_EQ(ToText(reciprocal.Divide(FromText(dividend.get_str()))),
                              Expected(dividend.get_str(), xText, shift))
                        << dividend.get_str() << " shift " << shift;
                }
            }
        }
    }
}

TEST(BcdReciprocalDivisor, RandomQuotientsAgreeWithLongDivision) {
    std::mt19937 random(5);
    auto digits = [&](int count) {
        std::string text(1, static_cast<char>('1' + random() % 9));
        while (static_cast<int>(text.size()) < count) {
            text.push_back(static_cast<char>('0' + random() % 10));
        }
        return text;
    };
    for (int round = 0; round < 2000; ++round) {
        const int shift = static_cast<int>(random() % 64);
        const std::string divisor = digits(1 + static_cast<int>(random() % 64));
        const std::string dividend = digits(1 + static_cast<int>(random() % 64));
        const TBcdReciprocalDivisor reciprocal(FromText(divisor), shift);
        ASSERT_EQ(ToText(reciprocal.Divide(FromText(dividend))), Expected(dividend, divisor, shift))
            << dividend << " * 10^" << shift << " / " << divisor;
    }
    EXPECT_FALSE(TBcdReciprocalDivisor(TBcdInteger(), 0).IsFast());
    EXPECT_FALSE(TBcdReciprocalDivisor(TBcdInteger(7), 63).IsFast()); // reciprocal too long
}

} // namespace
} // namespace kalvio
