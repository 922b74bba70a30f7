#include "calculator/TypedCommand.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

struct TTypedCommandCase {
    std::u16string_view Text;
    TTypedCommandKind Kind;
    int Number;
};

TEST(TypedCommand, ReadsEveryFormAndRefusesTheRest) {
    const TTypedCommandCase cases[] = {
        {u"@", tcNormal, 0},
        {u"@NORM", tcNormal, 0},
        {u"@DMS", tcDms, 0},
        {u"@HEX", tcHex, 0},
        {u"@BIN", tcBin, 0},
        {u"@DEG", tcDeg, 0},
        {u"@RAD", tcRad, 0},
        {u"@GRAD", tcGrad, 0},
        {u"@MCL", tcMemoryClear, 0},
        {u"@M+", tcMemoryPlus, 0},
        {u"@M-", tcMemoryMinus, 0},
        {u"@,", tcGrouping, 0},
        {u"@TOPMOST", tcTopMost, 0},
        {u"@HISCL", tcHistoryClear, 0},
        {u"@VARCL", tcVariableClear, 0},
        {u"@FIX0", tcFix, 0},
        {u"@FIX3", tcFix, 3},
        {u"@FIX9", tcFix, 9},
        {u"@SCI2", tcSci, 2},
        {u"@SCI9", tcSci, 9},
        {u"@ENG0", tcEng, 0},
        {u"@ENG12", tcEng, 12},
        {u"@ENG-3", tcEng, -3},
        {u"@HELLOWORLD", tcNoEffect, 0},
        {u"@BUTTON1", tcNoEffect, 0},
        // Refused: wrong or missing digits, unknown short texts.
        {u"@FIX", tcRefused, 0},
        {u"@FIX10", tcRefused, 0},
        {u"@FIXA", tcRefused, 0},
        {u"@SCI1", tcRefused, 0},
        {u"@SCI0", tcRefused, 0},
        {u"@SCI23", tcRefused, 0},
        {u"@ENGX", tcRefused, 0},
        {u"@ENG-", tcRefused, 0},
        {u"@ENG", tcRefused, 0},
        {u"@HELLO", tcRefused, 0},
        {u"@CALC:", tcRefused, 0},
        {u"@AB", tcRefused, 0},
        {u"@NORMA", tcRefused, 0},
    };
    for (const auto& testCase : cases) {
        const TTypedCommand command = ParseTypedCommand(testCase.Text);
        const std::string label(testCase.Text.begin(), testCase.Text.end());
        EXPECT_EQ(command.Kind, testCase.Kind) << label;
        EXPECT_EQ(command.Number, testCase.Number) << label;
    }
}

TEST(TypedCommand, CalcTakesTheTextBetweenTheFirstTwoColons) {
    EXPECT_EQ(ParseTypedCommand(u"@CALC:A*B").CalcExpression, u"A*B");
    EXPECT_EQ(ParseTypedCommand(u"@CALC:A*B:C").CalcExpression, u"A*B");
    const TTypedCommand empty = ParseTypedCommand(u"@CALC::X");
    EXPECT_EQ(empty.Kind, tcCalc);
    EXPECT_EQ(empty.CalcExpression, u"");
}

} // namespace
} // namespace kalvio
