#include "CalculatorFixture.h"
#include "calculator/PanelText.h"
#include "engine/Bcd.h"

#include <string>
#include <vector>

namespace kalvio {
namespace {

class PanelEdits : public CalculatorTest {
protected:
    void Record(std::initializer_list<std::u16string_view> texts) {
        for (std::u16string_view text : texts) {
            Enter(text);
        }
    }
    std::vector<std::u16string> HistoryTexts() {
        std::vector<std::u16string> texts;
        for (const TExpressionHistory& entry : History()) {
            texts.push_back(entry.ExpressionText);
        }
        return texts;
    }
    std::vector<std::u16string> Records() { return Calc.ExpressionRecordList(); }
};

using Texts = std::vector<std::u16string>;

TEST_F(PanelEdits, DeletingTheTopAndBottomOfFourKeepsTheMiddleInOrder) {
    Record({u"1", u"2", u"3", u"4"});
    const int refreshes = Events.HistoryRefreshCount;
    Calc.DeleteHistoryEntries({3, 0, 3, 7, -1}); // repeats and strays are ignored
    EXPECT_EQ(HistoryTexts(), (Texts{u"2", u"3"}));
    EXPECT_EQ(Events.HistoryRefreshCount, refreshes + 1);

    Calc.DeleteHistoryEntries({5});
    EXPECT_EQ(Events.HistoryRefreshCount, refreshes + 1) << "nothing deleted, nothing redrawn";
}

TEST_F(PanelEdits, UpInTheFieldRecallsTheNewestEntryLeftAfterDeleting) {
    Record({u"1", u"2", u"3", u"4", u"5"});
    SetHistoryLimit(30); // rests one past the newest entry
    Calc.DeleteHistoryEntries({2, 3, 4});
    Press(vkUp);
    EXPECT_EQ(FieldText(), u"2");
    EXPECT_EQ(Shown(), u"2");

    Calc.ClearHistory();
    EXPECT_TRUE(History().empty());
    Enter(u"@");
    Press(vkUp);
    Press(vkDown);
    EXPECT_EQ(FieldText(), u"");
}

TEST_F(PanelEdits, SwappingEntriesMovesThemWithTheirResults) {
    Record({u"1", u"2*5"});
    Calc.SwapHistoryEntries(0, 1);
    EXPECT_EQ(HistoryTexts(), (Texts{u"2*5", u"1"}));
    EXPECT_EQ(History().front().Value, 10);
    Calc.SwapHistoryEntries(1, 2);
    EXPECT_EQ(HistoryTexts(), (Texts{u"2*5", u"1"}));
}

TEST_F(PanelEdits, ClearingVariablesKeepsProtectedOnesAndDelRemovesThem) {
    ASSERT_TRUE(Calc.RegisterConstant(u"c0", u"299792458", u"speed of light"));
    Enter(u"A = 1");
    Enter(u"B = 2");
    Calc.ClearOverwritableVariables();
    EXPECT_EQ(Calc.VariableDictionary().NameList(), (Texts{u"C0"}));

    const int refreshes = Events.VariableRefreshCount;
    Calc.DeleteVariable(u"C0");
    EXPECT_EQ(Calc.VariableDictionary().Count(), 0);
    EXPECT_GT(Events.VariableRefreshCount, refreshes);
    // The name is free again.
    EXPECT_EQ(Enter(u"C0 = 1"), u"1");
}

TEST_F(PanelEdits, MovingVariablesAndRecordsChangesOnlyTheirOrder) {
    Enter(u"A = 1");
    Enter(u"B = 2");
    Enter(u"C = 3");
    Calc.MoveVariable(2, 1);
    EXPECT_EQ(Calc.VariableDictionary().NameList(), (Texts{u"A", u"C", u"B"}));
    Calc.MoveVariable(0, 3);
    EXPECT_EQ(Calc.VariableDictionary().NameList(), (Texts{u"A", u"C", u"B"}));
    EXPECT_EQ(Enter(u"C*10+B"), u"32");

    for (std::u16string_view text : {u"x", u"y", u"z"}) {
        Type(text);
        Calc.AddExpressionRecord();
        Press(vkEscape);
    }
    EXPECT_TRUE(Events.IsExpressionRecordWindowShown);
    Calc.MoveExpressionRecord(0, 1);
    EXPECT_EQ(Records(), (Texts{u"y", u"x", u"z"}));
    Calc.MoveExpressionRecord(2, 1);
    EXPECT_EQ(Records(), (Texts{u"y", u"z", u"x"}));
    Calc.MoveExpressionRecord(2, 3);
    Calc.DeleteExpressionRecord(0);
    EXPECT_EQ(Records(), (Texts{u"z", u"x"}));
    Calc.DeleteExpressionRecord(2);
    Calc.ClearExpressionRecords();
    EXPECT_TRUE(Records().empty());
}

TEST(PanelText, SumAndAverageUseTheFifteenDigitForm) {
    EXPECT_EQ(HistorySumText({3, 2.5, 10}), u"3 + 2.5 + 10");
    EXPECT_EQ(HistoryAverageText({3, 2.5, 10}), u"(3 + 2.5 + 10) / 3");
    EXPECT_EQ(HistorySumText({0, 0}), u"0 + 0");
    EXPECT_EQ(HistorySumText({1.0 / 3, 123456789012345678.0}),
              u"0.333333333333333 + 1.23456789012346E17");
    EXPECT_EQ(HistorySumText({}), u"");
    EXPECT_EQ(HistoryAverageText({}), u"");
}

TEST(PanelText, HistoryRowsUseTheEntrysModeAndThePanelsArithmetic) {
    TExpressionHistory entry;
    entry.ExpressionText = u"1/3";
    entry.Value = 1.0 / 3;
    entry.BcdValue = StrToBcd(u"0.3333333333333333333333333333333333");
    TPanelNumberFormat format;
    EXPECT_EQ(HistoryResultText(entry, format), u"0.3333333333");
    format.IsBigDecimal = true;
    EXPECT_EQ(HistoryResultText(entry, format), u"0.333333333333333");
    format.BcdSignificantDigits = 20;
    EXPECT_EQ(HistoryResultText(entry, format), u"0.33333333333333333333");

    entry.ViewMode = vtFix;
    entry.DigitNumber = 2;
    EXPECT_EQ(HistoryResultText(entry, {}), u"0.33");

    TExpressionHistory grouped;
    grouped.ExpressionText = u"1234567";
    grouped.Value = 1234567;
    grouped.BcdValue = StrToBcd(u"1234567");
    grouped.IsGroupingSeparator = true;
    EXPECT_EQ(HistoryResultText(grouped, {}), u"1,234,567");

    TExpressionHistory blank;
    EXPECT_EQ(HistoryResultText(blank, {}), u"");
    EXPECT_EQ(HistoryValueText(blank, {}), u"0");
}

TEST(PanelText, AValueWithoutDecimalFormShowsItsDoubleInDecimalMode) {
    TExpressionHistory entry;
    entry.ExpressionText = u"1E100";
    entry.Value = 1E100;
    const TPanelNumberFormat decimal{true, 10, 15};
    EXPECT_EQ(HistoryResultText(entry, decimal), u"1E100");
    EXPECT_EQ(VariableValueText(1E100, TBcd{}, decimal), u"1E100");
    EXPECT_EQ(VariableValueText(0, TBcd{}, decimal), u"0");
}

TEST(PanelText, VariableRowsShowNameValueAndComment) {
    EXPECT_EQ(VariableRowText(u"R", VariableValueText(2.5, StrToBcd(u"2.5"), {}), u"radius"),
              u"R = 2.5 [radius]");
    EXPECT_EQ(VariableRowText(u"N", VariableValueText(1234567, StrToBcd(u"1234567"), {}), u""),
              u"N = 1234567");
    const TPanelNumberFormat decimal{true, 10, 15};
    EXPECT_EQ(VariableValueText(1.0 / 3, StrToBcd(u"0.25"), decimal), u"0.25");
}

} // namespace
} // namespace kalvio
