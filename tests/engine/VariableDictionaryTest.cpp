#include "engine/VariableDictionary.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

TBcd BcdOfDigit(std::uint8_t digit) {
    TBcd value;
    value.Precision = 1;
    value.Fraction[0] = static_cast<std::uint8_t>(digit << 4);
    return value;
}

std::vector<std::u16string> Names(std::initializer_list<std::u16string_view> names) {
    return {names.begin(), names.end()};
}

class VariableDictionaryTest : public testing::Test {
protected:
    void AddAbc() {
        Dictionary.AddOrSetValue(u"A", 1.0, BcdOfDigit(1));
        Dictionary.AddOrSetValue(u"B", 2.0, BcdOfDigit(2));
        Dictionary.AddOrSetValue(u"C", 3.0, BcdOfDigit(3));
    }

    TVariableDictionary Dictionary;
};

TEST_F(VariableDictionaryTest, NamesAreNormalisedEverywhere) {
    Dictionary.AddOrSetValue(u"x", 1.5, BcdOfDigit(5), false, u"note");
    for (std::u16string_view name : {u"x", u"X", u"\uFF58", u"\uFF38"}) {
        EXPECT_TRUE(Dictionary.ContainsKey(name));
        EXPECT_EQ(Dictionary.GetNumberItems(name), 0);
        EXPECT_EQ(Dictionary.FindNumber(name), 0);
        EXPECT_FALSE(Dictionary.GetStatusItems(name).IsOverwrite);
    }
    EXPECT_EQ(Dictionary.NameList(), Names({u"X"}));

    Dictionary.AddOrSetValue(u"\u30C7\u30FC\u30BF", 2.0, BcdOfDigit(2));
    EXPECT_TRUE(Dictionary.ContainsKey(u"\uFF83\uFF9E\uFF70\uFF80"));
    EXPECT_EQ(Dictionary.NameList()[1], u"\uFF83\uFF9E\uFF70\uFF80");

    Dictionary.Remove(u"\uFF58");
    EXPECT_FALSE(Dictionary.ContainsKey(u"X"));
    EXPECT_EQ(Dictionary.Count(), 1);
}

TEST_F(VariableDictionaryTest, NumbersFollowCreationAndAreNeverReused) {
    AddAbc();
    EXPECT_EQ(Dictionary.GetNumberItems(u"A"), 0);
    EXPECT_EQ(Dictionary.GetNumberItems(u"B"), 1);
    EXPECT_EQ(Dictionary.GetNumberItems(u"C"), 2);

    Dictionary.Remove(u"B");
    Dictionary.AddOrSetValue(u"D", 4.0, BcdOfDigit(4));
    EXPECT_EQ(Dictionary.GetNumberItems(u"D"), 3);
    EXPECT_EQ(Dictionary.NameList(), Names({u"A", u"C", u"D"}));
    EXPECT_EQ(Dictionary.Count(), 3);
    EXPECT_EQ(Dictionary.GetValueItems(3), 4.0);
    EXPECT_EQ(Dictionary.GetBcdValueItems(3).Fraction[0], 0x40);
    EXPECT_THROW(Dictionary.GetValueItems(1), EVariableNotFound);
    EXPECT_THROW(Dictionary.GetBcdValueItems(1), EVariableNotFound);

    // Re-adding a removed name is a new entry with a new number.
    Dictionary.AddOrSetValue(u"b", 5.0, BcdOfDigit(5));
    EXPECT_EQ(Dictionary.GetNumberItems(u"B"), 4);
}

TEST_F(VariableDictionaryTest, SettingAnExistingNameKeepsNumberAndPlace) {
    AddAbc();
    Dictionary.GetStatusItems(u"B").Comment = u"old";
    Dictionary.AddOrSetValue(u"b", 7.0, BcdOfDigit(7), false, u"");

    EXPECT_EQ(Dictionary.GetNumberItems(u"B"), 1);
    EXPECT_EQ(Dictionary.NameList(), Names({u"A", u"B", u"C"}));
    EXPECT_EQ(Dictionary.GetValueItems(1), 7.0);
    EXPECT_EQ(Dictionary.GetBcdValueItems(1).Fraction[0], 0x70);
    const TVariableStatus& status = Dictionary.GetStatusItems(u"B");
    EXPECT_FALSE(status.IsOverwrite);
    EXPECT_EQ(status.Comment, u"");

    // The old flag does not protect the entry here; the assignment code enforces it.
    Dictionary.AddOrSetValue(u"B", 8.0, BcdOfDigit(8), true, u"new");
    EXPECT_TRUE(status.IsOverwrite);
    EXPECT_EQ(status.Comment, u"new");
    EXPECT_EQ(Dictionary.GetValueItems(1), 8.0);
    EXPECT_EQ(Dictionary.Count(), 3);
}

TEST_F(VariableDictionaryTest, ClearRestartsNumbering) {
    AddAbc();
    Dictionary.Clear();
    EXPECT_EQ(Dictionary.Count(), 0);
    EXPECT_FALSE(Dictionary.ContainsKey(u"A"));
    EXPECT_THROW(Dictionary.GetValueItems(0), EVariableNotFound);

    Dictionary.AddOrSetValue(u"C", 9.0, BcdOfDigit(9));
    EXPECT_EQ(Dictionary.GetNumberItems(u"C"), 0);
    EXPECT_EQ(Dictionary.GetValueItems(0), 9.0);
    EXPECT_TRUE(Dictionary.GetStatusItems(u"C").IsOverwrite);
    EXPECT_EQ(Dictionary.NameList(), Names({u"C"}));

    Dictionary.Clear();
    Dictionary.Clear(); // clearing an empty dictionary is harmless
    EXPECT_EQ(Dictionary.Count(), 0);
}

TEST_F(VariableDictionaryTest, MissingNamesAreReportedOrIgnored) {
    AddAbc();
    EXPECT_FALSE(Dictionary.ContainsKey(u"Z"));
    EXPECT_FALSE(Dictionary.ContainsKey(u""));
    EXPECT_FALSE(Dictionary.FindNumber(u"Z").has_value());
    EXPECT_THROW(Dictionary.GetNumberItems(u"Z"), EVariableNotFound);
    EXPECT_THROW(Dictionary.GetStatusItems(u"Z"), EVariableNotFound);
    EXPECT_THROW(std::as_const(Dictionary).GetStatusItems(u"Z"), std::out_of_range);
    EXPECT_THROW(Dictionary.GetValueItems(-1), EVariableNotFound);

    Dictionary.Remove(u"Z");
    EXPECT_EQ(Dictionary.NameList(), Names({u"A", u"B", u"C"}));
}

TEST_F(VariableDictionaryTest, MoveNameReordersOnlyTheList) {
    AddAbc();
    Dictionary.AddOrSetValue(u"D", 4.0, BcdOfDigit(4));

    Dictionary.MoveName(0, 2);
    EXPECT_EQ(Dictionary.NameList(), Names({u"B", u"C", u"A", u"D"}));
    Dictionary.MoveName(3, 0);
    EXPECT_EQ(Dictionary.NameList(), Names({u"D", u"B", u"C", u"A"}));
    Dictionary.MoveName(1, 2); // one step down, as the panel does
    EXPECT_EQ(Dictionary.NameList(), Names({u"D", u"C", u"B", u"A"}));
    Dictionary.MoveName(2, 2);
    EXPECT_EQ(Dictionary.NameList(), Names({u"D", u"C", u"B", u"A"}));

    EXPECT_EQ(Dictionary.GetNumberItems(u"A"), 0);
    EXPECT_EQ(Dictionary.GetNumberItems(u"D"), 3);
    for (auto [from, to] : {std::pair{-1, 0}, {0, 4}, {4, 0}, {0, -1}}) {
        EXPECT_THROW(Dictionary.MoveName(from, to), std::out_of_range) << from << "->" << to;
    }
    EXPECT_EQ(Dictionary.NameList(), Names({u"D", u"C", u"B", u"A"}));

    // A moved entry is still removed correctly.
    Dictionary.Remove(u"C");
    EXPECT_EQ(Dictionary.NameList(), Names({u"D", u"B", u"A"}));
}

} // namespace
} // namespace kalvio
