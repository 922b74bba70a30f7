#include "engine/Bcd.h"

#include "engine/DoubleText.h"
#include "engine/EngineErrors.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace kalvio {
namespace {

TBcd Dec(std::u16string_view text) {
    return StrToBcd(text);
}

std::u16string Str(const TBcd& value) {
    return BcdToStr(value);
}

// A packed value with an explicit layout, for non-canonical and invalid inputs.
TBcd Packed(const std::string& digits, int places, bool negative = false) {
    TBcd value;
    value.Precision = static_cast<std::uint8_t>(digits.size());
    value.SignSpecialPlaces = static_cast<std::uint8_t>((negative ? TBcd::SignBit : 0) | places);
    for (std::size_t index = 0; index < digits.size(); ++index) {
        const int digit = digits[index] >= 'A' ? digits[index] - 'A' + 10 : digits[index] - '0';
        value.Fraction[index / 2] |= static_cast<std::uint8_t>(index % 2 == 0 ? digit << 4 : digit);
    }
    return value;
}

std::u16string Repeat(char16_t character, int count) {
    return std::u16string(static_cast<std::size_t>(count), character);
}

TEST(Bcd, TextToDecimal) {
    const std::u16string digits70 = Repeat(u'7', 70);
    const struct {
        std::u16string text;
        std::u16string expected;
    } cases[] = {
        {u"0.1", u"0.1"},
        {u"  -12.50  ", u"-12.5"},
        {u"\t+007", u"7"},
        {u"-0", u"0"},
        {u".5", u"0.5"},
        {u"5.", u"5"},
        {u"1E5", u"100000"},
        {u"1.5e-3", u"0.0015"},
        {u"-2.5E+2", u"-250"},
        {u"0.00E99999999999", u"0"},
        {u"1E63", u"1" + Repeat(u'0', 63)},
        {u"9.99E63", u"999" + Repeat(u'0', 61)},
        {u"1E-63", u"0." + Repeat(u'0', 62) + u"1"},
        {u"1.50000E-62", u"0." + Repeat(u'0', 61) + u"15"},
        // More decimals than 64 digits hold are dropped, leading integer zeros do not count.
        {u"1." + digits70, u"1." + Repeat(u'7', 63)},
        {u"0001." + digits70, u"1." + Repeat(u'7', 63)},
        {u"0." + digits70, u"0." + Repeat(u'7', 63)},
        {u"12." + digits70, u"12." + Repeat(u'7', 62)},
        {Repeat(u'9', 64) + u".99", Repeat(u'9', 64)},
        {u"1." + digits70 + u"E1", u"17." + Repeat(u'7', 62)},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(Str(Dec(testCase.text)), testCase.expected)
            << std::string(testCase.text.begin(), testCase.text.end());
    }
}

TEST(Bcd, InvalidTexts) {
    for (const std::u16string& text :
         {std::u16string(u""), std::u16string(u"  "), std::u16string(u"-"), std::u16string(u"."),
          std::u16string(u"1.2.3"), std::u16string(u"1E"), std::u16string(u"1E+"),
          std::u16string(u"E5"), std::u16string(u"--1"), std::u16string(u"1,5"),
          std::u16string(u"1 2"), std::u16string(u"1e5.5"), std::u16string(u"0x10"),
          std::u16string(u"1E64"), std::u16string(u"1E-64"), std::u16string(u"1.5E-63"),
          std::u16string(u"1." + Repeat(u'7', 70) + u"E-1"), Repeat(u'1', 65),
          Repeat(u'1', 65) + u"E-5"}) {
        TBcd value;
        EXPECT_FALSE(TryStrToBcd(text, value)) << std::string(text.begin(), text.end());
        EXPECT_THROW(StrToBcd(text), EBcdException) << std::string(text.begin(), text.end());
    }
}

TEST(Bcd, PackedLayout) {
    // Canonical form: no trailing decimal zeros, Precision = max(digits, places).
    const TBcd value = Dec(u"-0.0012500");
    EXPECT_EQ(value.Precision, 5);
    EXPECT_EQ(value.Places(), 5);
    EXPECT_TRUE(value.IsNegative());
    EXPECT_EQ(value.Fraction[0], 0x00);
    EXPECT_EQ(value.Fraction[1], 0x12);
    EXPECT_EQ(value.Fraction[2], 0x50);
    const TBcd big = Dec(u"123");
    EXPECT_EQ(big.Precision, 3);
    EXPECT_EQ(big.Fraction[0], 0x12);
    EXPECT_EQ(big.Fraction[1], 0x30);

    // Any layout of the same number reads the same; the zero bytes are zero.
    EXPECT_EQ(Str(TBcd{}), u"0");
    EXPECT_EQ(Str(Packed("001250", 2)), u"12.5");
    EXPECT_EQ(Str(Packed("125", 5, true)), u"-0.00125");
    EXPECT_EQ(Str(Packed("000", 1, true)), u"0");
    TBcd garbageBeyondPrecision = Packed("129", 0);
    garbageBeyondPrecision.Precision = 2;
    EXPECT_EQ(Str(garbageBeyondPrecision), u"12");

    TBcd tooLong = Packed("1", 0);
    tooLong.Precision = 65;
    EXPECT_THROW(Str(tooLong), EBcdException);
    EXPECT_THROW(Str(Packed("1A", 0)), EBcdException);
    EXPECT_THROW(BcdAdd(Packed("F", 0), Dec(u"1")), EBcdException);
}

TEST(Bcd, DoubleConversions) {
    EXPECT_EQ(BcdToDouble(Dec(u"0.1")), 0.1);
    EXPECT_EQ(BcdToDouble(Dec(u"-2.5")), -2.5);
    EXPECT_EQ(BcdToDouble(TBcd{}), 0.0);
    EXPECT_EQ(BcdToDouble(Dec(u"0.3333333333")), 0.3333333333);
    EXPECT_EQ(BcdToDouble(Dec(Repeat(u'9', 64))), 1e64);

    const struct {
        double value;
        std::u16string expected;
    } cases[] = {
        {0.1, u"0.1"},
        {1.0 / 3.0, u"0.333333333333333"},
        {3.141592653589793, u"3.14159265358979"},
        {-2.5, u"-2.5"},
        {-0.0, u"0"},
        {1e63, u"1" + Repeat(u'0', 63)},
        {1e-63, u"0." + Repeat(u'0', 62) + u"1"},
        {123456789012345678.0, u"123456789012346000"},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(Str(DoubleToBcd(testCase.value)), testCase.expected) << testCase.value;
    }
    for (double value : {1e64, -1e70, 1.5e-63, 1e-64, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(DoubleToBcd(value), EBcdException) << value;
    }
}

// The conversion of a double is defined as reading its 15-significant-digit text; the direct
// construction must agree with that everywhere, refusals included.
TEST(Bcd, DoubleConversionAgreesWithItsText) {
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<int> exponents(-70, 70);
    std::uniform_int_distribution<int> wholeNumbers(-100000, 100000);
    for (int i = 0; i < 200000; ++i) {
        double value = 0;
        switch (i % 3) {
        case 0: {
            const auto bits = random();
            std::memcpy(&value, &bits, sizeof value);
            break;
        }
        case 1:
            value = std::ldexp(static_cast<double>(random() >> 11), -53) *
                    std::pow(10.0, exponents(random));
            break;
        default:
            value = wholeNumbers(random) / 8.0;
            break;
        }
        if (!std::isfinite(value)) {
            continue;
        }
        TBcd expected;
        const bool isHeld = TryStrToBcd(FloatToGeneralText(value, 15), expected);
        try {
            const TBcd converted = DoubleToBcd(value);
            ASSERT_TRUE(isHeld) << value;
            ASSERT_EQ(std::memcmp(&converted, &expected, sizeof converted), 0) << value;
        } catch (const EBcdException&) {
            ASSERT_FALSE(isHeld) << value;
        }
    }
}

TEST(Bcd, IntegerConversions) {
    EXPECT_EQ(Str(IntegerToBcd(0)), u"0");
    EXPECT_EQ(Str(IntegerToBcd(-69)), u"-69");
    EXPECT_EQ(Str(IntegerToBcd(std::numeric_limits<std::int64_t>::min())), u"-9223372036854775808");

    const struct {
        std::u16string text;
        bool truncate;
        std::int32_t expected;
    } converted[] = {
        {u"7.9", true, 7},
        {u"-7.9", true, -7},
        {u"0.5", true, 0},
        {u"2147483647", false, 2147483647},
        {u"-2147483648", false, -2147483647 - 1},
        {u"-2147483648.9", true, -2147483647 - 1},
        {u"5", false, 5},
    };
    for (const auto& testCase : converted) {
        EXPECT_EQ(BcdToInteger(Dec(testCase.text), testCase.truncate), testCase.expected)
            << std::string(testCase.text.begin(), testCase.text.end());
    }
    EXPECT_EQ(BcdToInteger(Packed("5000", 3), false), 5); // trailing zeros are no fraction
    for (const auto& [text, truncate] : {std::pair{u"2147483648", true},
                                         {u"-2147483649", true},
                                         {u"2.5", false},
                                         {u"1E30", true}}) {
        EXPECT_THROW(BcdToInteger(Dec(text), truncate), EConvertError);
    }
}

TEST(Bcd, ArithmeticExamples) {
    const struct {
        std::u16string expected;
        TBcd actual;
    } cases[] = {
        {u"0.3", BcdAdd(Dec(u"0.1"), Dec(u"0.2"))},
        {u"0.3333333333", BcdDivide(Dec(u"1"), Dec(u"3"))},
        {u"0.9999999999", BcdMultiply(BcdDivide(Dec(u"1"), Dec(u"3")), Dec(u"3"))},
        {u"0.6666666666", BcdDivide(Dec(u"2"), Dec(u"3"))},
        {u"-0.6666666666", BcdDivide(Dec(u"-2"), Dec(u"3"))},
        {u"0.0033333333", BcdDivide(Dec(u"1"), Dec(u"300"))},
        {u"14.2857142857", BcdDivide(Dec(u"100"), Dec(u"7"))},
        {u"0.123456789", BcdDivide(Dec(u"12.345678901234"), Dec(u"100"))},
        {u"0.1111111111", BcdDivide(BcdDivide(Dec(u"1"), Dec(u"3")), Dec(u"3"))},
        {u"0", BcdDivide(Dec(u"0"), Dec(u"-5"))},
        {u"0", BcdDivide(Dec(u"-1"), Dec(u"3E20"))},
        {u"0", BcdSubtract(Dec(u"2.5"), Dec(u"2.50"))},
        // Aligning to 3 places cuts the small operand before the exact subtraction.
        {Repeat(u'9', 60) + u".877", BcdSubtract(Dec(u"1E60"), Dec(u"0.123456"))},
        // A carry beyond 64 digits costs one decimal.
        {u"1" + Repeat(u'0', 63), BcdAdd(Dec(Repeat(u'9', 63) + u".9"), Dec(u"0.1"))},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(Str(testCase.actual), testCase.expected);
    }
    EXPECT_THROW(BcdAdd(Dec(Repeat(u'9', 64)), Dec(u"1")), EBcdOverflowException);
    EXPECT_THROW(BcdMultiply(Dec(u"1E-40"), Dec(u"1E-40")), EBcdOverflowException);
    EXPECT_THROW(BcdDivide(Dec(u"1E60"), Dec(u"1E-10")), EBcdOverflowException);
    try {
        BcdDivide(Dec(u"1"), Dec(u"0"));
        ADD_FAILURE() << "no error for a division by zero";
    } catch (const EBcdOverflowException&) {
        ADD_FAILURE() << "a division by zero is no overflow";
    } catch (const EBcdException&) {
    }
}

TEST(Bcd, PowersAndFactorialsReachSixtyFourDigits) {
    TBcd power = Dec(u"1");
    for (int exponent = 1; exponent <= 212; ++exponent) {
        power = BcdMultiply(power, Dec(u"2"));
    }
    EXPECT_EQ(Str(power), u"6582018229284824168619876730229402019930943462534319453394436096");
    EXPECT_THROW(BcdMultiply(power, Dec(u"2")), EBcdOverflowException);

    TBcd factorial = Dec(u"1");
    for (int factor = 2; factor <= 49; ++factor) {
        factorial = BcdMultiply(factorial, IntegerToBcd(factor));
    }
    EXPECT_EQ(Str(factorial), u"608281864034267560872252163321295376887552831379210240000000000");
    EXPECT_THROW(BcdMultiply(factorial, IntegerToBcd(50)), EBcdOverflowException);
}

TEST(Bcd, Comparison) {
    EXPECT_EQ(BcdCompare(Dec(u"2.5"), Dec(u"2.50")), 0);
    EXPECT_EQ(BcdCompare(Dec(u"-0"), TBcd{}), 0);
    EXPECT_EQ(BcdCompare(Dec(u"-1"), Dec(u"0.5")), -1);
    EXPECT_EQ(BcdCompare(Dec(u"70"), Dec(u"69")), 1);
    EXPECT_EQ(BcdCompare(Dec(u"69.0000000001"), Dec(u"69")), 1);
    // Exact, also where the difference itself would overflow.
    EXPECT_EQ(BcdCompare(Dec(Repeat(u'9', 64)), Dec(u"-" + Repeat(u'9', 64))), 1);
    EXPECT_TRUE(BcdIsZero(Packed("0000", 2, true)));
    EXPECT_FALSE(BcdIsZero(Dec(u"1E-63")));
}

TEST(Bcd, GeneralText) {
    const struct {
        std::u16string value;
        int digits;
        std::u16string expected;
    } cases[] = {
        {u"1E20", 15, u"1.00000000000000E20"},
        {u"1.234E-21", 15, u"0.000000000000000000001234"},
        {u"-123456789012345", 15, u"-1.23456789012345E14"},
        {u"123456789012345", 15, u"123456789012345"},
        {u"0.125", 2, u"0.12"},
        {u"0.135", 2, u"0.14"},
        {u"0.1251", 2, u"0.13"},
        {u"9.99", 2, u"10"},
        {u"999.5", 3, u"1.00E3"},
        {u"-12.5", 2, u"-1.2E1"},
        {u"1234.5", 10, u"1234.5"},
        {u"0", 15, u"0"},
        {u"-0.0000012345", 3, u"-0.00000123"},
        {u"0.3333333333", 15, u"0.3333333333"},
        {u"6582018229284824168619876730229402019930943462534319453394436096", 15,
         u"6.58201822928482E63"},
        {u"6582018229284824168619876730229402019930943462534319453394436096", 30,
         u"6.58201822928482416861987673023E63"},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(BcdToGeneralText(Dec(testCase.value), testCase.digits), testCase.expected)
            << std::string(testCase.value.begin(), testCase.value.end()) << " " << testCase.digits;
    }
}

TEST(Bcd, PatternText) {
    const struct {
        std::u16string value;
        int decimals;
        std::u16string expected;
    } cases[] = {
        {u"1234567.5", 0, u"1,234,568"},
        {u"1234566.5", 0, u"1,234,566"},
        {u"1234.56789012", 7, u"1,234.5678901"},
        {u"-1234.56789012", 6, u"-1,234.56789"},
        {u"999.4", 0, u"999"},
        {u"123456", 2, u"123,456"},
        {u"12345.125", 2, u"12,345.12"},
        {u"0.5", 0, u"0"},
        {u"-0.4", 0, u"0"},
        {u"0", 3, u"0"},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(BcdToPatternText(Dec(testCase.value), testCase.decimals), testCase.expected)
            << std::string(testCase.value.begin(), testCase.value.end());
    }
}

} // namespace
} // namespace kalvio
