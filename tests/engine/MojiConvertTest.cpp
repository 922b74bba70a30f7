#include "engine/MojiConvert.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

struct TMappingCase {
    const char* Name;
    std::u16string_view Input;
    std::u16string_view Expected;
};

void PrintTo(const TMappingCase& mappingCase, std::ostream* out) {
    *out << mappingCase.Name;
}

class ToHalfWidthUpperTest : public testing::TestWithParam<TMappingCase> {};

TEST_P(ToHalfWidthUpperTest, Maps) {
    EXPECT_EQ(ToHalfWidthUpper(GetParam().Input), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToHalfWidthUpperTest,
    testing::Values(
        TMappingCase{"Empty", u"", u""},
        TMappingCase{"AsciiLettersUpperCased", u"sin(x)+Ans", u"SIN(X)+ANS"},
        TMappingCase{"FullWidthAsciiEnds", u"\uFF01\uFF5E", u"!~"},
        TMappingCase{"FullWidthDigitsAndLetters", u"\uFF12\uFF0B\uFF53\uFF49\uFF4E\uFF21",
                     u"2+SINA"},
        TMappingCase{"IdeographicSpace", u"1\u30002", u"1 2"},
        TMappingCase{"OutsideFullWidthAscii", u"\uFF00\uFF5F\uFF61", u"\uFF00\uFF5F\uFF61"},
        TMappingCase{"KatakanaToHalfWidth", u"\u30A2\u30F3", u"\uFF71\uFF9D"},
        TMappingCase{"VoicedKanaSplits", u"\u30AC\u30D1\u30F4",
                     u"\uFF76\uFF9E\uFF8A\uFF9F\uFF73\uFF9E"},
        TMappingCase{"SmallKanaAndProlongedMark", u"\u30A1\u30C3\u30FC", u"\uFF67\uFF6F\uFF70"},
        TMappingCase{"KanaWithoutHalfWidthFormStays", u"\u30EE\u30F5", u"\u30EE\u30F5"},
        TMappingCase{"JapanesePunctuation", u"\u3001\u3002\u300C\u300D\u30FB",
                     u"\uFF64\uFF61\uFF62\uFF63\uFF65"},
        TMappingCase{"SpacingSoundMarks", u"\u309B\u309C", u"\uFF9E\uFF9F"},
        TMappingCase{"HiraganaKanjiAndGreekStay", u"\u304C\u5909\u03C0\u00E9",
                     u"\u304C\u5909\u03C0\u00E9"},
        TMappingCase{"HalfWidthKanaStays", u"\uFF76\uFF9E", u"\uFF76\uFF9E"},
        TMappingCase{"SurrogatePairStays", u"\xD840\xDC0B", u"\xD840\xDC0B"}),
    [](const testing::TestParamInfo<TMappingCase>& info) { return info.param.Name; });

TEST(ToHalfWidthUpper, IsIdempotent) {
    const std::u16string once = ToHalfWidthUpper(u"\uFF41\u30AC\u3000x\u00D7\u30FC");
    EXPECT_EQ(ToHalfWidthUpper(once), once);
}

TEST(ToHalfWidthUpper, LongTextIsMappedWhole) {
    const std::u16string text(2000, u'\u30AC');
    const std::u16string mapped = ToHalfWidthUpper(text);
    ASSERT_EQ(mapped.size(), 4000u);
    EXPECT_EQ(mapped.substr(3998), u"\uFF76\uFF9E");
}

TEST(NormalizeOperatorChars, ReplacesOnlyTheOperatorLookalikes) {
    EXPECT_EQ(NormalizeOperatorChars(u"2\u00D73\u00F74\u30FC5\uFF706\u20157"), u"2*3/4-5-6-7");
    // Other dashes, the full-width forms and the minus sign are left to other steps.
    EXPECT_EQ(NormalizeOperatorChars(u"\u2212\u2014\uFF0D\uFF0A\u30A2x"),
              u"\u2212\u2014\uFF0D\uFF0A\u30A2x");
}

} // namespace
} // namespace kalvio
