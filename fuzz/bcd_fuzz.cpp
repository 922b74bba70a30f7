// The 64-digit decimal type against exact rational arithmetic (GMP): operands from text or from
// raw bytes, every operation compared with its truncation and overflow rules, round trips through
// text and double, and the display texts read back within their rounding.
#include "FuzzSupport.h"
#include "engine/Bcd.h"
#include "engine/BcdPower.h"
#include "engine/DoubleText.h"
#include "engine/EngineErrors.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gmpxx.h>
#include <optional>
#include <string>
#include <vector>

namespace kalvio {
namespace {

constexpr int MaxDigits = TBcd::MaxDigits;

const mpz_class& Pow10(int exponent) {
    static const std::vector<mpz_class> Powers = [] {
        std::vector<mpz_class> powers(300);
        powers[0] = 1;
        for (std::size_t index = 1; index < powers.size(); ++index) {
            powers[index] = powers[index - 1] * 10;
        }
        return powers;
    }();
    return Powers.at(static_cast<std::size_t>(exponent));
}

// The value of the packed layout, decoded without the library; nothing for a value the type
// cannot hold (Precision above 64 or a digit above 9).
std::optional<mpq_class> Decode(const TBcd& value) {
    if (value.Precision > MaxDigits) {
        return std::nullopt;
    }
    std::string digits = "0";
    for (int index = 0; index < value.Precision; ++index) {
        const int byte = value.Fraction[static_cast<std::size_t>(index / 2)];
        const int digit = index % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (digit > 9) {
            return std::nullopt;
        }
        digits.push_back(static_cast<char>('0' + digit));
    }
    mpq_class result(mpz_class(digits, 10), Pow10(value.Places()));
    result.canonicalize();
    return value.IsNegative() ? mpq_class(-result) : result;
}

int IntegerDigits(const mpq_class& value) {
    mpz_class integer = abs(value.get_num());
    mpz_tdiv_q(integer.get_mpz_t(), integer.get_mpz_t(), value.get_den().get_mpz_t());
    return integer == 0 ? 0 : static_cast<int>(integer.get_str().size());
}

// Decimal places needed to write the value exactly; nothing if it needs more than `limit`.
std::optional<int> SignificantPlaces(const mpq_class& value, int limit) {
    for (int places = 0; places <= limit; ++places) {
        if (mpz_divisible_p(Pow10(places).get_mpz_t(), value.get_den().get_mpz_t()) != 0) {
            return places;
        }
    }
    return std::nullopt;
}

// 64 digit positions in all, at most 63 of them decimals.
bool Holdable(const mpq_class& value) {
    const int integerDigits = IntegerDigits(value);
    return integerDigits <= MaxDigits &&
           SignificantPlaces(value, MaxDigits - std::max(integerDigits, 1)).has_value();
}

mpq_class Truncated(const mpq_class& value, int places) {
    mpz_class scaled = value.get_num() * Pow10(places);
    mpz_tdiv_q(scaled.get_mpz_t(), scaled.get_mpz_t(), value.get_den().get_mpz_t());
    mpq_class result(scaled, Pow10(places));
    result.canonicalize();
    return result;
}

// Addition: both operands cut to the common places, the aligned sum exact, a carry out of the
// 64th digit costing one more place. Nothing: the overflow error.
std::optional<mpq_class> ExpectedSum(const mpq_class& a, const mpq_class& b) {
    const int integerDigits = std::max({IntegerDigits(a), IntegerDigits(b), 1});
    const int limit = MaxDigits - integerDigits;
    int places = std::min(
        std::max(SignificantPlaces(a, 300).value_or(300), SignificantPlaces(b, 300).value_or(300)),
        limit);
    mpq_class sum = Truncated(a, places) + Truncated(b, places);
    if (abs(sum) >= mpq_class(Pow10(MaxDigits - places))) {
        if (places == 0) {
            return std::nullopt;
        }
        sum = Truncated(sum, --places);
    }
    return sum;
}

// Division: the quotient of the magnitudes cut after the 10th place, then the sign; a quotient
// with more than 54 integer digits is cut at 64 digits in all. Nothing: an error is expected.
std::optional<mpq_class> ExpectedQuotient(const mpq_class& a, const mpq_class& b) {
    if (b == 0) {
        return std::nullopt;
    }
    const mpq_class exact = abs(a) / abs(b);
    const int integerDigits = IntegerDigits(exact);
    if (integerDigits > MaxDigits) {
        return std::nullopt;
    }
    const int places = std::min(10, MaxDigits - std::max(integerDigits, 1));
    const mpq_class magnitude = Truncated(exact, places);
    return (a < 0) != (b < 0) ? mpq_class(-magnitude) : magnitude;
}

std::string DecimalText(const mpq_class& value) {
    const int places = SignificantPlaces(value, 300).value();
    const mpz_class scaled = abs(value.get_num()) * Pow10(places) / value.get_den();
    const std::string digits = scaled.get_str();
    const std::size_t count = static_cast<std::size_t>(places);
    std::string text = value < 0 ? "-" : "";
    if (digits.size() <= count) {
        text += "0.";
        text.append(count - digits.size(), '0');
        text += digits;
    } else {
        text.append(digits, 0, digits.size() - count);
        if (count > 0) {
            text += '.';
            text.append(digits, digits.size() - count, count);
        }
    }
    return text;
}

std::string Narrow(const std::u16string& text) {
    std::string narrow;
    for (const char16_t ch : text) {
        FuzzRequire(ch < 0x80, "a decimal text is ASCII");
        narrow.push_back(static_cast<char>(ch));
    }
    return narrow;
}

// A display text ("-1.25E-7", "1,234.5") as an exact rational, read independently.
std::optional<mpq_class> ReadDisplayText(const std::u16string& text) {
    std::string narrow = Narrow(text);
    narrow.erase(std::remove(narrow.begin(), narrow.end(), ','), narrow.end());
    long exponent = 0;
    if (const auto mark = narrow.find('E'); mark != std::string::npos) {
        char* end = nullptr;
        exponent = std::strtol(narrow.c_str() + mark + 1, &end, 10);
        if (*end != '\0' || mark + 1 == narrow.size() || std::labs(exponent) > 200) {
            return std::nullopt;
        }
        narrow.resize(mark);
    }
    const bool negative = narrow.starts_with('-');
    std::string digits = narrow.substr(negative ? 1 : 0);
    const auto point = digits.find('.');
    int places = 0;
    if (point != std::string::npos) {
        places = static_cast<int>(digits.size() - point - 1);
        digits.erase(point, 1);
    }
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    mpq_class value(mpz_class(digits, 10));
    const long scale = exponent - places;
    value = scale >= 0 ? mpq_class(value * Pow10(static_cast<int>(scale)))
                       : mpq_class(value / Pow10(static_cast<int>(-scale)));
    value.canonicalize();
    return negative ? mpq_class(-value) : value;
}

void RequireEqual(const TBcd& result, const mpq_class& expected, const char* what) {
    const std::optional<mpq_class> value = Decode(result);
    FuzzRequire(value.has_value() && *value == expected, what);
}

// The operation must give `expected`, or fail with the decimal library's error when nothing is
// expected.
template <typename TOperation>
void RequireResult(TOperation operation, const std::optional<mpq_class>& expected,
                   const char* what) {
    try {
        const TBcd result = operation();
        FuzzRequire(expected.has_value(), what);
        RequireEqual(result, *expected, what);
    } catch (const EBcdException&) {
        FuzzRequire(!expected.has_value(), what);
    }
}

TBcd TakeRawBcd(TFuzzInput& input) {
    TBcd value;
    value.Precision = input.TakeByte();
    value.SignSpecialPlaces = input.TakeByte();
    for (std::uint8_t& byte : value.Fraction) {
        byte = input.TakeByte();
    }
    return value;
}

// An operand from a text (most inputs) or from raw bytes, which may be no valid decimal.
TBcd TakeOperand(TFuzzInput& input, bool isRaw) {
    if (isRaw) {
        return TakeRawBcd(input);
    }
    const std::u16string text = input.TakeText16(160);
    TBcd value{};
    const bool accepted = TryStrToBcd(text, value);
    if (!accepted) {
        try {
            StrToBcd(text);
            FuzzRequire(false, "StrToBcd refuses what TryStrToBcd refuses");
        } catch (const EBcdException&) {
        }
        return TBcd{};
    }
    FuzzRequire(BcdIsValid(value), "a text gives a valid decimal");
    const std::optional<mpq_class> decoded = Decode(value);
    FuzzRequire(decoded && Holdable(*decoded), "a decimal read from text can be held");
    return value;
}

void CheckRoundTrips(const TBcd& value, const mpq_class& exact) {
    const std::u16string text = BcdToStr(value);
    FuzzRequire(Narrow(text) == DecimalText(exact), "BcdToStr writes the exact plain text");
    RequireEqual(StrToBcd(text), exact, "a decimal reads back from its text");

    const double nearest = std::strtod(DecimalText(exact).c_str(), nullptr);
    const double converted = BcdToDouble(value);
    FuzzRequire(converted == nearest, "BcdToDouble gives the nearest double");
    try {
        const TBcd twin = DoubleToBcd(converted);
        RequireEqual(twin, *Decode(StrToBcd(FloatToGeneralText(converted, 15))),
                     "DoubleToBcd reads the 15-digit text of the double");
    } catch (const EBcdException&) {
        TBcd ignored{};
        FuzzRequire(!TryStrToBcd(FloatToGeneralText(converted, 15), ignored),
                    "DoubleToBcd refuses only what its text cannot hold");
    }

    for (const bool truncate : {true, false}) {
        const mpq_class integer = truncate ? Truncated(exact, 0) : exact;
        const bool fits = integer.get_den() == 1 && integer >= INT32_MIN && integer <= INT32_MAX;
        try {
            const std::int32_t converted = BcdToInteger(value, truncate);
            FuzzRequire(fits && converted == integer.get_num().get_si(),
                        "BcdToInteger gives the integer part");
        } catch (const EConvertError&) {
            FuzzRequire(!fits, "BcdToInteger refuses only what does not fit");
        }
    }
}

// The display texts round to their digits: the general form to `digits` significant digits, the
// pattern form to `decimals` places.
void CheckDisplayTexts(const TBcd& value, const mpq_class& exact, int digits, int decimals) {
    const std::optional<mpq_class> general = ReadDisplayText(BcdToGeneralText(value, digits));
    FuzzRequire(general.has_value(), "the general text reads back");
    mpq_class firstDigit = 1;
    if (exact != 0) {
        while (firstDigit * 10 <= abs(exact)) {
            firstDigit *= 10;
        }
        while (firstDigit > abs(exact)) {
            firstDigit /= 10;
        }
    }
    mpq_class unit = firstDigit;
    for (int index = 1; index < std::clamp(digits, 1, MaxDigits); ++index) {
        unit /= 10;
    }
    FuzzRequire(abs(*general - exact) * 2 <= unit, "the general text rounds to its digits");

    const std::optional<mpq_class> pattern = ReadDisplayText(BcdToPatternText(value, decimals));
    FuzzRequire(pattern.has_value(), "the pattern text reads back");
    const mpq_class step(1, Pow10(std::clamp(decimals, 0, MaxDigits)));
    FuzzRequire(abs(*pattern - exact) * 2 <= step, "the pattern text rounds to its places");
}

// x^n step by step: products that must stay within 64 digits, or quotients each cut as the
// division cuts them.
std::optional<mpq_class> ExpectedPower(const mpq_class& base, int exponent) {
    mpq_class result = 1;
    if (exponent >= 0) {
        for (int step = 0; step < exponent; ++step) {
            result *= base;
            if (!Holdable(result)) {
                return std::nullopt;
            }
        }
        return result;
    }
    for (int step = 0; step < -exponent; ++step) {
        const std::optional<mpq_class> quotient = ExpectedQuotient(result, base);
        if (!quotient) {
            return std::nullopt;
        }
        result = *quotient;
    }
    return result;
}

void CheckArithmetic(const TBcd& left, const mpq_class& a, const TBcd& right, const mpq_class& b) {
    const std::optional<mpq_class> sum = ExpectedSum(a, b);
    RequireResult([&] { return BcdAdd(left, right); }, sum, "BcdAdd follows its alignment rule");
    RequireResult([&] { return BcdSubtract(left, right); }, ExpectedSum(a, -b),
                  "BcdSubtract is the addition of the negated operand");
    if (sum && *sum == a + b && Holdable(a + b)) {
        const TBcd total = BcdAdd(left, right);
        RequireResult([&] { return BcdSubtract(total, right); }, ExpectedSum(a + b, -b),
                      "a + b - b");
        if (ExpectedSum(a + b, -b) == a) {
            FuzzRequire(BcdCompare(BcdSubtract(total, right), left) == 0, "a + b - b is a");
        }
    }

    const mpq_class product = a * b;
    RequireResult([&] { return BcdMultiply(left, right); },
                  Holdable(product) ? std::optional<mpq_class>(product) : std::nullopt,
                  "BcdMultiply is exact within 64 digits");
    RequireResult([&] { return BcdDivide(left, right); }, ExpectedQuotient(a, b),
                  "BcdDivide cuts after the 10th place");

    const int order = a < b ? -1 : (a > b ? 1 : 0);
    FuzzRequire(BcdCompare(left, right) == order, "BcdCompare orders by value");
    FuzzRequire(BcdIsZero(left) == (a == 0), "BcdIsZero");
}

} // namespace
} // namespace kalvio

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kalvio;
    TFuzzInput input(data, size);
    const std::uint8_t shape = input.TakeByte();
    const int digits = 1 + static_cast<int>(input.TakeIndex(MaxDigits));
    const int decimals = static_cast<int>(input.TakeIndex(40));
    const int exponent = static_cast<int>(static_cast<std::int8_t>(input.TakeByte())) * 3;
    const TBcd left = TakeOperand(input, (shape & 1) != 0);
    const TBcd right = TakeOperand(input, (shape & 2) != 0);

    const std::optional<mpq_class> a = Decode(left);
    const std::optional<mpq_class> b = Decode(right);
    FuzzRequire(BcdIsValid(left) == a.has_value() && BcdIsValid(right) == b.has_value(),
                "BcdIsValid accepts exactly the readable layouts");
    if (!a || !b) {
        try {
            BcdAdd(left, right);
            FuzzRequire(false, "an unreadable operand is refused");
        } catch (const EBcdException&) {
        }
        return 0;
    }
    if (!Holdable(*a) || !Holdable(*b)) {
        return 0; // a layout with more places than the type gives its values
    }
    CheckRoundTrips(left, *a);
    CheckDisplayTexts(left, *a, digits, decimals);
    CheckArithmetic(left, *a, right, *b);
    RequireResult([&] { return BcdPower(left, exponent); }, ExpectedPower(*a, exponent),
                  "BcdPower follows the step-by-step definition");
    return 0;
}
