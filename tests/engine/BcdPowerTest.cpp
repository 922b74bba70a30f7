#include "engine/BcdPower.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace kalvio {
namespace {

std::string Text(const TBcd& value) {
    const std::u16string text = BcdToStr(value);
    return {text.begin(), text.end()};
}

TBcd Dec(const std::string& text) {
    return StrToBcd(std::u16string(text.begin(), text.end()));
}

// The definition itself: |n| multiplications or divisions, one after another.
TBcd SteppedPower(const TBcd& base, std::int32_t exponent) {
    TBcd result = IntegerToBcd(1);
    const std::int64_t steps = exponent < 0 ? -std::int64_t{exponent} : exponent;
    for (std::int64_t step = 0; step < steps; ++step) {
        result = exponent < 0 ? BcdDivide(result, base) : BcdMultiply(result, base);
    }
    return result;
}

// The outcome as text, "overflow" or "error", so that results and failures compare alike.
template <typename TPower> std::string Outcome(TPower power) {
    try {
        return Text(power());
    } catch (const EBcdOverflowException&) {
        return "overflow";
    } catch (const EBcdException&) {
        return "error";
    }
}

void ExpectSameAsSteps(const std::string& base, std::int32_t exponent) {
    const TBcd x = Dec(base);
    EXPECT_EQ(Outcome([&] { return BcdPower(x, exponent); }),
              Outcome([&] { return SteppedPower(x, exponent); }))
        << base << " ^ " << exponent;
}

TEST(BcdPower, Examples) {
    const struct {
        std::string base;
        std::int32_t exponent;
        std::string expected;
    } cases[] = {
        {"2", 100, "1267650600228229401496703205376"},
        {"2", 212, "6582018229284824168619876730229402019930943462534319453394436096"},
        {"2", 213, "overflow"},
        {"3", -2, "0.1111111111"},
        {"2", -3, "0.125"},
        {"-2", -3, "-0.125"},
        {"-2", 3, "-8"},
        {"4", -1, "0.25"},
        {"0", 5, "0"},
        {"0", -1, "error"},
        {"7", 0, "1"},
        {"0.5", 64, "overflow"},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(Outcome([&] { return BcdPower(Dec(testCase.base), testCase.exponent); }),
                  testCase.expected)
            << testCase.base << " ^ " << testCase.exponent;
    }
    ExpectSameAsSteps("0.5", 63);
}

// Magnitude 1 alternates at any exponent; quotients that vanish or stop changing stay put.
TEST(BcdPower, LongRunsThatSettle) {
    const std::int32_t most = 2147483647;
    const std::int32_t least = -2147483647 - 1;
    EXPECT_EQ(Text(BcdPower(Dec("1"), most)), "1");
    EXPECT_EQ(Text(BcdPower(Dec("-1.000"), most)), "-1");
    EXPECT_EQ(Text(BcdPower(Dec("-1"), least)), "1");
    EXPECT_EQ(Text(BcdPower(Dec("-1"), -most)), "-1");
    EXPECT_EQ(Text(BcdPower(Dec("2"), least)), "0");
    EXPECT_EQ(Text(BcdPower(Dec("1.00000000001"), least)), "0.7852516352"); // 1 - n * 10^-10
    EXPECT_EQ(Text(BcdPower(Dec("0.99999999999"), -most)), "1");            // 1/x cuts back to 1
    EXPECT_EQ(Outcome([&] { return BcdPower(Dec("1.5"), most); }), "overflow");
    EXPECT_EQ(Outcome([&] { return BcdPower(Dec("0.5"), least); }), "overflow");
}

// Quotients that grow or shrink by a constant step over long stretches.
TEST(BcdPower, LongStretchesKeepTheExactResult) {
    // 1/0.9999999999 = 1.0000000001; every further step adds 0.0000000001 until 2.
    EXPECT_EQ(Text(BcdPower(Dec("0.9999999999"), -2147483647)), "1.2147483647");
    EXPECT_EQ(Text(BcdPower(Dec("-0.9999999999"), -2147483647)), "-1.2147483647");
    EXPECT_EQ(Text(BcdPower(Dec("1.0000000001"), -2147483647)), "0.7852516353");
    // Against the definition, with exponents the plain loop can still run.
    for (const char* base :
         {"0.9999999999", "0.99999999", "0.9999999", "1.0000000001", "1.00000001", "1.0001",
          "0.999", "1.01", "0.9999999999999", "0.99999999990000000001", "1.00000000009999999999"}) {
        for (std::int32_t exponent : {-1, -2, -50, -3000, -40000}) {
            ExpectSameAsSteps(base, exponent);
        }
    }
}

TEST(BcdPower, RandomBasesAgreeWithTheDefinition) {
    std::mt19937 random(99);
    auto digits = [&](int count) {
        std::string text;
        for (int index = 0; index < count; ++index) {
            text.push_back(
                static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random)));
        }
        return text;
    };
    for (int round = 0; round < 300; ++round) {
        const int zeros = std::uniform_int_distribution<int>(0, 12)(random);
        const bool below = std::uniform_int_distribution<int>(0, 1)(random) == 1;
        // 1 +- 10^-zeros * 0.ddd, with up to 40 more digits
        const std::string tail = std::string(static_cast<std::size_t>(zeros), '0') +
                                 digits(std::uniform_int_distribution<int>(1, 40)(random));
        std::string base = (below ? "0." : "1.") + (below ? std::string(tail.size(), '9') : tail);
        if (below) {
            for (std::size_t index = 0; index < tail.size(); ++index) {
                base[2 + index] = static_cast<char>('0' + 9 - (tail[index] - '0'));
            }
        }
        if (std::uniform_int_distribution<int>(0, 3)(random) == 0) {
            base = "-" + base;
        }
        const std::int32_t exponent = -std::uniform_int_distribution<std::int32_t>(1, 2500)(random);
        ExpectSameAsSteps(base, exponent);
        if (HasFailure()) {
            return;
        }
    }
}

// The quotient passes 54 integer digits and keeps fewer decimals until it overflows.
TEST(BcdPower, QuotientsBeyondFiftyFourIntegerDigits) {
    for (std::int32_t exponent : {-180, -190, -200, -209, -210, -211, -212, -213}) {
        ExpectSameAsSteps("0.5", exponent);
        ExpectSameAsSteps("0.9", exponent * 6);
        ExpectSameAsSteps("0.0000003", exponent / 20);
    }
}

TEST(BcdPower, SpendsTheBudgetGiven) {
    TBcdPowerBudget budget(1000);
    EXPECT_EQ(Text(BcdPower(Dec("2"), -40, budget)), "0"); // a few rounds
    EXPECT_LT(budget.Remaining(), 1000);
    EXPECT_EQ(Text(BcdPower(Dec("2"), 212, budget)).size(), 64U); // positive powers are bounded
    TBcdPowerBudget small(50);
    EXPECT_THROW(BcdPower(Dec("0.99"), -1000, small), EBcdException);
}

TEST(BcdPower, GivesUpOnlyAfterManyRounds) {
    // Changes at every step and would settle only after far more steps than any budget.
    EXPECT_EQ(Outcome([&] { return BcdPower(Dec("0.999999"), -2147483647); }), "error");
    EXPECT_THROW(
        {
            try {
                BcdPower(Dec("0.999999"), -2147483647);
            } catch (const EBcdOverflowException&) {
                FAIL() << "the budget is no overflow";
            }
        },
        EBcdException);
}

} // namespace
} // namespace kalvio
