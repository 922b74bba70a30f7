#include "state/IniFile.h"

#include "state/TemporaryFolder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace kalvio {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

TEST(IniFile, ReadsWithOrWithoutByteOrderMarkAndEitherLineEnd) {
    for (const std::string_view bytes : {"[A]\nKey=1\n", "\xEF\xBB\xBF[A]\r\nKey=1\r\n",
                                         "[A]\r\nKey=1", "\xEF\xBB\xBF[A]\nKey=1\r\n"}) {
        const TIniFile file = TIniFile::Parse(bytes);
        EXPECT_EQ(file.ReadString(u"A", u"Key", u"-"), u"1") << bytes;
        EXPECT_FALSE(file.IsDamaged()) << bytes;
    }
}

TEST(IniFile, ALoneCarriageReturnEndsALine) {
    const TIniFile file = TIniFile::Parse("[A]\rKey=a\rb=2\r\n\rOther=3\r");
    EXPECT_EQ(file.ReadString(u"A", u"Key", u""), u"a");
    EXPECT_EQ(file.ReadInteger(u"A", u"b", 0), 2);
    EXPECT_EQ(file.ReadInteger(u"A", u"Other", 0), 3);
    EXPECT_FALSE(file.IsDamaged());
}

TEST(IniFile, LooksUpSectionsAndKeysIgnoringCaseAndBlanks) {
    const TIniFile file = TIniFile::Parse("  [ Mode ]  \n"
                                          "  tOpMoSt \t=  1  \n"
                                          "Text=a=b\n"
                                          "; Calc=1\n"
                                          "Empty=\n");
    EXPECT_EQ(file.ReadString(u"MODE", u"TopMost", u""), u"1");
    EXPECT_EQ(file.ReadString(u"mode", u"TEXT", u""), u"a=b") << "the value follows the first =";
    EXPECT_FALSE(file.ValueExists(u"Mode", u"Calc")) << "a comment line is no key";
    EXPECT_FALSE(file.ValueExists(u"Mode", u"; Calc"));
    EXPECT_EQ(file.ReadString(u"Mode", u"Empty", u"default"), u"");
    EXPECT_EQ(file.ReadInteger(u"Mode", u"Empty", 7), 7);
    EXPECT_EQ(file.ReadString(u"Mode", u"Missing", u"default"), u"default");
    EXPECT_EQ(file.ReadString(u"Missing", u"TopMost", u"default"), u"default");
}

TEST(IniFile, FirstOfTwoEqualSectionsOrKeysWins) {
    const TIniFile file = TIniFile::Parse("[Mode]\nView=1\nView=2\n"
                                          "[Other]\nX=1\n"
                                          "[MODE]\nView=3\nAngle=2\n");
    EXPECT_EQ(file.ReadInteger(u"Mode", u"View", 0), 1);
    EXPECT_FALSE(file.ValueExists(u"Mode", u"Angle"));
}

TEST(IniFile, ReadsIntegers) {
    struct TCase {
        std::string_view Text;
        std::int32_t Expected;
    };
    const TCase cases[] = {
        {"12", 12},
        {"-7", -7},
        {"+3", 3},
        {"0x1F", 31},
        {"$ff", 255},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"007", 7},
        // Unreadable: the default 99.
        {"2147483648", 99},
        {"-2147483649", 99},
        {"99999999999999999999999", 99},
        {"$100000000", 99},
        {"1.5", 99},
        {"12abc", 99},
        {"abc", 99},
        {"0x", 99},
        {"$", 99},
        {"-", 99},
        {"--1", 99},
        {"1 2", 99},
        {"\xEF\xBC\x91", 99}, // full-width digit one
    };
    for (const TCase& test : cases) {
        const TIniFile file = TIniFile::Parse("[S]\nK=" + std::string(test.Text) + "\n");
        EXPECT_EQ(file.ReadInteger(u"S", u"K", 99), test.Expected) << test.Text;
    }
}

TEST(IniFile, ReadsBooleansAsIntegers) {
    struct TCase {
        std::string_view Text;
        bool DefaultValue;
        bool Expected;
    };
    const TCase cases[] = {
        {"1", false, true},     {"0", true, false},   {"-1", false, true}, {"2", false, true},
        {"true", false, false}, {"true", true, true}, {"yes", true, true}, {"", true, true},
        {"", false, false},     {"0x0", true, false},
    };
    for (const TCase& test : cases) {
        const TIniFile file = TIniFile::Parse("[S]\nK=" + std::string(test.Text) + "\n");
        EXPECT_EQ(file.ReadBool(u"S", u"K", test.DefaultValue), test.Expected) << test.Text;
    }
}

TEST(IniFile, ReadsDoublesWithPointOnly) {
    struct TCase {
        std::string_view Text;
        double Expected;
    };
    const TCase cases[] = {
        {"1.5E-7", 1.5E-7},
        {"1.5e-7", 1.5E-7},
        {"1E15", 1E15},
        {"-2", -2},
        {"+2.5", 2.5},
        {".5", 0.5},
        {"5.", 5},
        {"0.3", 0.3},
        {"999999999999999", 999999999999999.0},
        {"1.7976931348623157E308", std::numeric_limits<double>::max()},
        {"INF", std::numeric_limits<double>::infinity()},
        {"-INF", -std::numeric_limits<double>::infinity()},
        // Unreadable: the default 42.
        {"1,5", 42},
        {"1E", 42},
        {"E5", 42},
        {".", 42},
        {"abc", 42},
        {"", 42},
        {"0x10", 42},
        {"1.5E-7x", 42},
        {"1E400", 42},
        {"infinity", 42},
    };
    for (const TCase& test : cases) {
        const TIniFile file = TIniFile::Parse("[S]\nK=" + std::string(test.Text) + "\n");
        EXPECT_EQ(file.ReadFloat(u"S", u"K", 42), test.Expected) << test.Text;
    }
    const TIniFile nan = TIniFile::Parse("[S]\nK=NAN\n");
    EXPECT_TRUE(std::isnan(nan.ReadFloat(u"S", u"K", 42)));
}

TEST(IniFile, WritesNumbersInTheirFileForms) {
    TIniFile file;
    file.WriteInteger(u"S", u"Negative", -2147483647 - 1);
    file.WriteBool(u"S", u"True", true);
    file.WriteBool(u"S", u"False", false);
    file.WriteFloat(u"S", u"Sum", 0.1 + 0.2);
    file.WriteFloat(u"S", u"Small", 1.5E-7);
    file.WriteFloat(u"S", u"Large", 1E15);
    file.WriteFloat(u"S", u"Plain", 999999999999999.0);
    file.WriteFloat(u"S", u"Threshold", 0.0001);
    EXPECT_EQ(file.ToBytes(), "\xEF\xBB\xBF[S]\r\n"
                              "Negative=-2147483648\r\n"
                              "True=1\r\n"
                              "False=0\r\n"
                              "Sum=0.3\r\n"
                              "Small=1.5E-7\r\n"
                              "Large=1E15\r\n"
                              "Plain=999999999999999\r\n"
                              "Threshold=0.0001\r\n"
                              "\r\n");
}

TEST(IniFile, DecimalsSurviveExactlyAndMalformedOnesGiveTheDefault) {
    const std::u16string digits64 =
        u"-1234567890123456789012345678901.234567890123456789012345678901234";
    TIniFile written;
    written.WriteBcd(u"S", u"K", StrToBcd(digits64));
    const TIniFile file = TIniFile::Parse(written.ToBytes());
    EXPECT_EQ(BcdToStr(file.ReadBcd(u"S", u"K", TBcd{})), digits64);

    const TBcd fallback = StrToBcd(u"7");
    for (const std::string_view text : {"", "1.2.3", "abc", "1,5", "12x"}) {
        const TIniFile malformed = TIniFile::Parse("[S]\nK=" + std::string(text) + "\n");
        EXPECT_EQ(BcdToStr(malformed.ReadBcd(u"S", u"K", fallback)), u"7") << text;
    }
}

TEST(IniFile, UpdatesInPlaceAndAppendsWhatIsNew) {
    TIniFile file = TIniFile::Parse("; written by hand\n"
                                    "[Mode]\nView=1\n; keep me\nAngle=2\n\n"
                                    "[Unknown]\nFoo = bar \n"
                                    "[mode]\nView=9\n");
    file.WriteInteger(u"MODE", u"view", 5);
    file.WriteInteger(u"Mode", u"Calc", 1);
    file.WriteString(u"Panel", u"Name", u"x");
    EXPECT_EQ(file.ToBytes(), "\xEF\xBB\xBF; written by hand\r\n"
                              "[Mode]\r\nView=5\r\n; keep me\r\nAngle=2\r\nCalc=1\r\n\r\n"
                              "[Unknown]\r\nFoo=bar\r\n\r\n"
                              "[mode]\r\nView=9\r\n\r\n"
                              "[Panel]\r\nName=x\r\n\r\n");
}

TEST(IniFile, LineBreaksInAValueCannotAddLines) {
    TIniFile file;
    file.WriteString(u"S", u"Comment", u"a\r\n[Mode]\nView=3\0b"sv);
    const TIniFile reread = TIniFile::Parse(file.ToBytes());
    EXPECT_EQ(reread.ReadString(u"S", u"Comment", u""), u"a  [Mode] View=3 b");
    EXPECT_FALSE(reread.SectionExists(u"Mode"));
}

TEST(IniFile, TextRoundTripsThroughUtf8) {
    const std::u16string text = u"計算式 ｱｲｳ \U0001F600 x";
    TIniFile file;
    file.WriteString(u"セクション", u"キー", text);
    const std::string bytes = file.ToBytes();
    const TIniFile reread = TIniFile::Parse(bytes);
    EXPECT_EQ(reread.ReadString(u"セクション", u"キー", u""), text);
    EXPECT_FALSE(reread.IsDamaged());

    TIniFile loneSurrogate;
    loneSurrogate.WriteString(u"S", u"K", std::u16string(1, char16_t(0xD800)));
    EXPECT_EQ(TIniFile::Parse(loneSurrogate.ToBytes()).ReadString(u"S", u"K", u""), u"\uFFFD");
}

TEST(IniFile, MarksContentItCannotUnderstandAsDamaged) {
    for (const std::string_view bytes : {
             "[A]\nKey=1\nno equals sign\n"sv, "[A\nKey=1\n"sv,
             "[A]\nKey=\x93\xfa\x96\x7b\n"sv, // Shift_JIS, not UTF-8
             "[A]\nKey=\xC0\xAF\n"sv,         // overlong "/"
             "[A]\nKey=\xED\xA0\x80\n"sv,     // encoded surrogate
             "[A]\nKey=1\0\n"sv,
             "\xFF\xFE[\0A\0]\0"sv, // UTF-16
         }) {
        EXPECT_TRUE(TIniFile::Parse(bytes).IsDamaged()) << bytes;
    }
    const TIniFile file = TIniFile::Parse("[A]\nbroken line\nKey=1\n[B\nOther=2\n[C]\nKey=3\n");
    EXPECT_EQ(file.ReadInteger(u"A", u"Key", 0), 1) << "the rest is still read";
    EXPECT_FALSE(file.ValueExists(u"A", u"Other")) << "no section takes a broken one's lines";
    EXPECT_EQ(file.ReadInteger(u"C", u"Key", 0), 3);
    EXPECT_EQ(file.ToBytes(), "\xEF\xBB\xBF[A]\r\nKey=1\r\n\r\n[C]\r\nKey=3\r\n\r\n");
}

TEST(IniFile, SavedFormOfADamagedFileIsClean) {
    for (const std::string_view bytes : {
             "; comment\0with a NUL\n[A]\nKey=1\n"sv,
             "[A]\n; \xFF\0\nK\0ey=1\n[B\0]\nX=2\n"sv,
         }) {
        const std::string saved = TIniFile::Parse(bytes).ToBytes();
        EXPECT_EQ(saved.find('\0'), std::string::npos) << saved;
        EXPECT_FALSE(TIniFile::Parse(saved).IsDamaged()) << saved;
        EXPECT_EQ(TIniFile::Parse(saved).ToBytes(), saved);
    }
}

TEST(IniFile, BoundsForNumberedEntriesCountWhatTheFileHolds) {
    const TIniFile file = TIniFile::Parse("[A]\nX=1\nY=2\n[B]\n[a]\nZ=3\n");
    EXPECT_EQ(file.SectionCount(), 3u);
    EXPECT_EQ(file.KeyCount(u"A"), 2u);
    EXPECT_EQ(file.KeyCount(u"C"), 0u);
}

class IniFileOnDisk : public TemporaryFolderTest {};

TEST_F(IniFileOnDisk, MissingFileIsEmptyAndUnreadableOneFails) {
    const TIniFile missing = TIniFile::LoadFromFile(Folder() / "missing.ini");
    EXPECT_FALSE(missing.SectionExists(u"Position"));
    EXPECT_FALSE(missing.IsDamaged());
    EXPECT_THROW(TIniFile::LoadFromFile(Folder()), EIniFileError);
}

TEST_F(IniFileOnDisk, AFileAboveTheSizeLimitIsNotReadAndCountsAsDamaged) {
    const fs::path fileName = Folder() / "huge.ini";
    std::string bytes = "[A]\nKey=1\n";
    bytes.resize(TIniFile::MaxFileSize + 1, ';');
    WriteBytes(fileName, bytes);
    const TIniFile file = TIniFile::LoadFromFile(fileName);
    EXPECT_FALSE(file.SectionExists(u"A"));
    EXPECT_TRUE(file.IsDamaged());
}

TEST_F(IniFileOnDisk, SaveReplacesTheFileAndLeavesNoTemporaryFile) {
    const fs::path fileName = Folder() / "settings.ini";
    WriteBytes(fileName, "[Old]\nKey=1\n");
    TIniFile file = TIniFile::LoadFromFile(fileName);
    file.WriteInteger(u"Old", u"Key", 2);
    file.SaveToFile(fileName);
    EXPECT_EQ(ReadBytes(fileName), "\xEF\xBB\xBF[Old]\r\nKey=2\r\n\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 1);
}

#ifndef _WIN32
TEST_F(IniFileOnDisk, SaveKeepsALinkAndTheAccessRights) {
    const fs::path real = Folder() / "real.ini";
    const fs::path link = Folder() / "link.ini";
    WriteBytes(real, "[S]\nK=1\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(real, link);
    TIniFile file = TIniFile::LoadFromFile(link);
    file.WriteInteger(u"S", u"K", 2);
    file.SaveToFile(link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "\xEF\xBB\xBF[S]\r\nK=2\r\n\r\n");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
#endif

TEST_F(IniFileOnDisk, FailedSaveLeavesNoTemporaryFile) {
    const fs::path fileName = Folder() / "settings.ini";
    fs::create_directory(fileName); // a folder in the way: the rename must fail
    TIniFile file;
    file.WriteInteger(u"S", u"K", 1);
    EXPECT_THROW(file.SaveToFile(fileName), EIniFileError);
    EXPECT_TRUE(fs::is_directory(fileName));
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 1);
    EXPECT_THROW(file.SaveToFile(Folder() / "missing" / "settings.ini"), EIniFileError);
}

} // namespace
} // namespace kalvio
