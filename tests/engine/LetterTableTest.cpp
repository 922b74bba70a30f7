#include "engine/LetterTable.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

struct TCodePointCase {
    char32_t CodePoint;
    bool Letter;
    bool Unassigned;
};

TEST(LetterTable, ClassifiesCodePoints) {
    const TCodePointCase cases[] = {
        {U'A', true, false},    {U'Z', true, false},     {U'a', true, false},
        {U'z', true, false},    {U'@', false, false},    {U'[', false, false},
        {U'0', false, false},   {U'_', false, false},    {U' ', false, false},
        {0x00AA, true, false},  // feminine ordinal, Lo
        {0x00B0, false, false}, // degree sign
        {0x00B2, false, false}, // superscript two
        {0x00C0, true, false},  {0x00D7, false, false},  {0x01C5, true, false}, // Lt
        {0x02B0, true, false},                          // modifier letter, Lm
        {0x03C0, true, false},                          // pi
        {0x0660, false, false},                         // Arabic-Indic digit
        {0x0378, false, true},  {0x221A, false, false}, // square root
        {0x3005, true, false},  {0x3042, true, false},   {0x30FC, true, false},
        {0x4E00, true, false},  {0xFF70, true, false},   {0xFF9E, true, false},
        {0xD800, false, false}, // a lone surrogate is assigned (Cs)
        {0xE000, false, false}, // private use
        {0xFFFF, false, true},  {0x20000, true, false},  {0x3134A, true, false},
        {0x3134B, false, true}, {0x1F600, false, false}, {0x10FFFF, false, true},
    };
    for (const TCodePointCase& c : cases) {
        EXPECT_EQ(IsLetter(c.CodePoint), c.Letter) << std::hex << unsigned(c.CodePoint);
        EXPECT_EQ(IsUnassigned(c.CodePoint), c.Unassigned) << std::hex << unsigned(c.CodePoint);
    }
}

} // namespace
} // namespace kalvio
