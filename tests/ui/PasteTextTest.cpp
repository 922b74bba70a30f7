#include "ui/main/PasteText.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

TEST(PastedFieldText, GroupedNumbersLoseTheirCommasOtherTextsStayAsTheyAre) {
    struct TCase {
        std::u16string Clipboard;
        std::u16string Pasted;
    };
    const TCase cases[] = {
        {u"1,234.5", u"1234.5"},
        {u"-12,345,678", u"-12345678"},
        {u" 1,234 ", u"1234"},
        {u"999,999,999.000001", u"999999999.000001"},
        {u"LOGXY(2,8)", u"LOGXY(2,8)"},
        {u"1,23", u"1,23"},
        {u"1234,567", u"1234,567"},
        {u"1,234.", u"1,234."},
        {u"1,234,5678", u"1,234,5678"},
        {u",123", u",123"},
        {u"1,234+1", u"1,234+1"},
        {u"1234.5", u"1234.5"},
        {u"", u""},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(PastedFieldText(c.Clipboard), c.Pasted);
    }
}

TEST(PastedFieldText, KeepsTheFirstLineOnly) {
    EXPECT_EQ(PastedFieldText(u"1+2\n3+4"), u"1+2");
    EXPECT_EQ(PastedFieldText(u"1,234.5\r\n"), u"1234.5");
    EXPECT_EQ(PastedFieldText(u"\nsecond"), u"");
}

} // namespace
} // namespace kalvio
