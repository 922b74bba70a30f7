#include "engine/Utf8Text.h"

#include <gtest/gtest.h>
#include <string>

namespace kalvio {
namespace {

TEST(Utf8Text, RoundTripsEveryPlane) {
    const std::string text = "A\xC3\xA9\xE5\xA4\x89\xE6\x95\xB0\xEF\xBC\x92\xF0\x9F\x98\x80";
    const std::u16string wide = Utf8ToUtf16(text);
    EXPECT_EQ(wide, u"A\u00E9\u5909\u6570\uFF12\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(wide), text);
}

TEST(Utf8Text, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xE5\xA4"), u"\uFFFD\uFFFD");           // truncated
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");           // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // surrogate
    EXPECT_EQ(Utf16ToUtf8(u"x\xD800y"), "x\xEF\xBF\xBDy");
}

TEST(Utf8Text, AppendingTellsWhetherEveryByteWasValid) {
    const struct {
        std::string Bytes;
        bool IsValid;
    } cases[] = {
        {"", true},
        {"plain", true},
        {"\xE9\x96\xA2\xE6\x95\xB0", true},
        {"\xEF\xBF\xBD", true}, // U+FFFD itself, written out
        {"a\xFF", false},
        {"\xE5\xA4", false},
        {"\xC0\xAF", false},
    };
    for (const auto& testCase : cases) {
        std::u16string text = u"kept";
        EXPECT_EQ(AppendUtf16(text, testCase.Bytes), testCase.IsValid) << testCase.Bytes;
        EXPECT_EQ(text, u"kept" + Utf8ToUtf16(testCase.Bytes)) << testCase.Bytes;
    }
}

} // namespace
} // namespace kalvio
