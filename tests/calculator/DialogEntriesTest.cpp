#include "calculator/PhysicalConstants.h"
#include "calculator/SettingEntries.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace kalvio {
namespace {

using Messages = std::vector<std::u16string>;

TEST(SettingEntries, IntegersReadAsTyped) {
    const struct {
        std::u16string_view Text;
        std::optional<std::int32_t> Expected;
    } cases[] = {
        {u"15", 15},
        {u"-3", -3},
        {u"+7", 7},
        {u"  12", 12},
        {u"$1E", 30},
        {u"-$10", -16},
        {u"2147483647", 2147483647},
        {u"-2147483648", -2147483647 - 1},
        {u"2147483648", std::nullopt},
        {u"99999999999999999999", std::nullopt},
        {u"", std::nullopt},
        {u"-", std::nullopt},
        {u"$", std::nullopt},
        {u"12 ", std::nullopt},
        {u"1.5", std::nullopt},
        {u"abc", std::nullopt},
        {u"$G", std::nullopt},
        {u"１２", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StrToInt(c.Text), c.Expected) << std::string(c.Text.begin(), c.Text.end());
    }
}

TEST(SettingEntries, EachFieldIsCheckedWithItsOwnMessage) {
    const std::u16string badCount = u"計算式履歴数が正しくありません";
    const std::u16string badDigits = u"表示桁数が正しくありません";
    const std::u16string tooMany = u"表示桁数は15桁以下にしてください";
    const std::u16string tooManyBcd = u"表示桁数は30桁以下にしてください";
    const struct {
        TSettingEntries Entries;
        Messages Expected;
    } cases[] = {
        {{u"30", u"10", u"15"}, {}},           {{u"0", u"2", u"2"}, {}},
        {{u"10000", u"15", u"30"}, {}},        {{u"", u"10", u"15"}, {badCount}},
        {{u"-1", u"10", u"15"}, {badCount}},   {{u"30", u"16", u"15"}, {tooMany}},
        {{u"30", u"1", u"15"}, {tooMany}},     {{u"30", u"abc", u"15"}, {badDigits}},
        {{u"30", u"10", u"31"}, {tooManyBcd}}, {{u"30", u"10", u"1"}, {tooManyBcd}},
        {{u"30", u"10", u"x"}, {badDigits}},   {{u"x", u"0", u""}, {badCount, tooMany, badDigits}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckSettingEntries(c.Entries), c.Expected)
            << std::string(c.Entries.SignificantDigits.begin(), c.Entries.SignificantDigits.end());
    }
}

TEST(PhysicalConstants, ElevenConstantsWithTheirFieldTexts) {
    const std::u16string_view expected[][2] = {
        {u"真空の光速度", u"299792458"},
        {u"真空の透磁率", u"1.25663706143592E-6"},
        {u"真空の誘電率", u"8.85418781762039E-12"},
        {u"プランク定数", u"6.62607004E-34"},
        {u"アボガドロ数", u"6.022140857E23"},
        {u"万有引力定数", u"6.67408E-11"},
        {u"ボルツマン定数", u"1.38064852E-23"},
        {u"気体定数", u"8.31445986144858"},
        {u"素電荷", u"1.6021766208E-19"},
        {u"電子質量", u"9.10938356E-31"},
        {u"ネイピア数", u"2.71828182845905"},
    };
    const auto table = PhysicalConstantTable();
    ASSERT_EQ(table.size(), std::size(expected));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].Name, expected[i][0]) << i;
        EXPECT_EQ(ConstantValueText(table[i].Value), expected[i][1]) << i;
    }
    EXPECT_EQ(PhysicalConstantTable()[7].Value, 8.314459861448583);
}

TEST(PhysicalConstants, EntriesAreCheckedValueFirst) {
    EXPECT_EQ(CheckConstantEntries(u"", u""), u"定数を入力してください");
    EXPECT_EQ(CheckConstantEntries(u"abc", u"X"), u"定数が正しくありません");
    EXPECT_EQ(CheckConstantEntries(u"1,5", u"X"), u"定数が正しくありません");
    EXPECT_EQ(CheckConstantEntries(u"1.5E3", u""), u"登録する変数名を入力してください");
    EXPECT_EQ(CheckConstantEntries(u"-2.5", u"X"), u"");
}

} // namespace
} // namespace kalvio
