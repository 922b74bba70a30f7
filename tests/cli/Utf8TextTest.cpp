#include "cli/Utf8Text.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace kalvio
