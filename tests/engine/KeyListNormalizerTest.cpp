#include "engine/KeyListNormalizer.h"

#include "engine/KeyNotation.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

using testing::Keys;

struct TNormalizeCase {
    const char* Input;    // as the text converter produces it
    const char* Expected; // after normalisation, END included
};

class NormalizeKeyListTest : public ::testing::TestWithParam<TNormalizeCase> {};

TEST_P(NormalizeKeyListTest, RewritesSignsAndImplicitProducts) {
    TExpressionKeyList keys = Keys(GetParam().Input);
    keys.push_back(ekEnd);
    NormalizeKeyList(keys);
    EXPECT_EQ(keys, Keys(GetParam().Expected)) << GetParam().Input;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NormalizeKeyListTest,
    ::testing::Values(
        // Binary and unary signs
        TNormalizeCase{"2 - 3", "2 - 3 END"}, TNormalizeCase{"- 2 ^ 2", "<-> 2 ^ 2 END"},
        TNormalizeCase{"2 ^ - 3", "2 ^ <-> 3 END"}, TNormalizeCase{"2 * - 3", "2 * <-> 3 END"},
        TNormalizeCase{"+ 3", "3 END"}, TNormalizeCase{"3 * + 2", "3 * 2 END"},
        TNormalizeCase{"+ - 3", "<-> 3 END"}, TNormalizeCase{"- - 3", "( <-> 1 ) @2 <-> 3 END"},
        TNormalizeCase{"- ( - 3 )", "( <-> 1 ) @2 ( <-> 3 ) END"},
        TNormalizeCase{"- pi", "( <-> 1 ) @2 pi END"},
        TNormalizeCase{"- sin ( 30 )", "( <-> 1 ) @2 sin ( 30 ) END"},
        TNormalizeCase{"2 , - 3", "2 , <-> 3 END"}, TNormalizeCase{"sin - 30", "sin <-> 30 END"},
        TNormalizeCase{"( 4 ) - 1", "( 4 ) - 1 END"},
        // Exponents
        TNormalizeCase{"1 E + 5", "1 E <+> 5 END"}, TNormalizeCase{"1 E - 5", "1 E <-> 5 END"},
        TNormalizeCase{"2 E - 3", "2 E <-> 3 END"}, TNormalizeCase{"1 E - - 5", "1 E <-> - 5 END"},
        TNormalizeCase{"1 E + ( 2 )", "1 E + ( 2 ) END"},
        TNormalizeCase{"1 E - 5 + - 2", "1 E <-> 5 + <-> 2 END"},
        TNormalizeCase{"- - 1 E - - 5", "( <-> 1 ) @2 <-> 1 E <-> - 5 END"},
        // Implicit multiplication
        TNormalizeCase{"( 2 ) 3", "( 2 ) @1 3 END"},
        TNormalizeCase{"( 1 ) ( 2 )", "( 1 ) @1 ( 2 ) END"}, TNormalizeCase{"pi 2", "pi @1 2 END"},
        TNormalizeCase{"ans ( 3 )", "ans @1 ( 3 ) END"}, TNormalizeCase{"2 sq 3", "2 sq @1 3 END"},
        TNormalizeCase{"5 ! 2", "5 ! @1 2 END"}, TNormalizeCase{"10 % 5", "10 % @1 5 END"},
        TNormalizeCase{"2 ! pi", "2 ! pi END"}, TNormalizeCase{"2 pi", "2 pi END"},
        TNormalizeCase{"( pi )", "( pi ) END"},
        TNormalizeCase{"logxy ( pi , 2 )", "logxy ( pi , 2 ) END"},
        TNormalizeCase{"var ( 5 ) ( 3 )", "var ( 5 ) @1 ( 3 ) END"},
        TNormalizeCase{"- var ( 5 )", "( <-> 1 ) @2 var ( 5 ) END"},
        TNormalizeCase{"pi - 1", "pi - 1 END"}, TNormalizeCase{"M X", "M @1 X END"},
        // Incomplete input is left for the parser to refuse
        TNormalizeCase{"", "END"}, TNormalizeCase{"3 -", "3 - END"},
        TNormalizeCase{"3 * -", "3 * <-> END"}, TNormalizeCase{"-", "<-> END"}));

TEST(NormalizeKeyList, GrowsByFourKeysPerExpandedMinus) {
    TExpressionKeyList keys = Keys("- ( - ( - ( - pi ) ) )");
    keys.push_back(ekEnd);
    const std::size_t before = keys.size();
    NormalizeKeyList(keys);
    EXPECT_EQ(keys.size(), before + 4 * 4);
}

} // namespace
} // namespace kalvio
