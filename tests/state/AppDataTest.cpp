#include "state/AppData.h"

#include "state/IniFile.h"
#include "state/TemporaryFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kalvio {
namespace {

namespace fs = std::filesystem;

const fs::path Fixtures = fs::path(__FILE__).parent_path() / "fixtures";

const std::u16string Third64 = u"3." + std::u16string(63, u'3');
const std::u16string Negative64 =
    u"-1234567890123456789012345678901234567890123456789012345678901234";

TBcd Bcd(std::u16string_view text) {
    return StrToBcd(text);
}
std::u16string Text(const TBcd& value) {
    return BcdToStr(value);
}

// The calculator's stores, owned by the test as the calculator owns them.
struct TStores {
    std::vector<TExpressionHistory> History;
    TVariableDictionary Variables;
    std::vector<std::u16string> Records;

    TAppDataLists Lists() { return {&History, &Variables, &Records}; }
    void FillWithLeftovers() {
        History.assign(3, TExpressionHistory{});
        Variables.AddOrSetValue(u"OLD", 1, Bcd(u"1"));
        Records.assign(2, u"old");
    }
};

TExpressionHistory Entry(std::u16string text, double value) {
    TExpressionHistory entry;
    entry.ExpressionText = std::move(text);
    entry.Value = value;
    entry.BcdValue = DoubleToBcd(value);
    return entry;
}

class AppDataFile : public TemporaryFolderTest {
protected:
    fs::path FileName() const { return Folder() / "Kalvio.ini"; }
    void CopyFixture(std::string_view name) const {
        fs::copy_file(Fixtures / name, FileName(), fs::copy_options::overwrite_existing);
    }
    std::string WrittenAfterRead(const fs::path& source) {
        TAppData data;
        TStores stores;
        data.Read(source, stores.Lists());
        const fs::path target = Folder() / "written.ini";
        data.Write(target, stores.Lists());
        return ReadBytes(target);
    }
};

TEST_F(AppDataFile, FirstStartGivesEveryDefaultAndEmptiesTheLists) {
    TAppData data;
    data.Left = 5;
    data.HistoryCount = 3;
    data.IsNumberPanel = false;
    data.WindowScaleNumber = 4;
    TStores stores;
    stores.FillWithLeftovers();
    data.Read(FileName(), stores.Lists());

    EXPECT_EQ(data.Left, -1);
    EXPECT_EQ(data.Top, -1);
    EXPECT_EQ(data.Width, -1);
    EXPECT_EQ(data.Height, -1);
    EXPECT_FALSE(data.IsHistoryRecord);
    EXPECT_EQ(data.HistoryCount, 30);
    EXPECT_TRUE(data.IsVariableRecord);
    EXPECT_FALSE(data.IsRealTimeCalc);
    EXPECT_FALSE(data.IsBigDecimal);
    EXPECT_EQ(data.SignificantDigits, 10);
    EXPECT_EQ(data.BcdSignificantDigits, 15);
    EXPECT_EQ(data.Ans, 0);
    EXPECT_EQ(Text(data.BcdAns), u"0");
    EXPECT_EQ(data.ViewMode, vtNormal);
    EXPECT_EQ(data.AngleMode, atDeg);
    EXPECT_FALSE(data.IsTopMost);
    EXPECT_TRUE(data.IsFunctionPanel);
    EXPECT_TRUE(data.IsNumberPanel);
    EXPECT_FALSE(data.IsHistoryListForm);
    EXPECT_EQ(data.WindowScaleNumber, 0);
    EXPECT_TRUE(stores.History.empty());
    EXPECT_EQ(stores.Variables.Count(), 0);
    EXPECT_TRUE(stores.Records.empty());
    EXPECT_FALSE(fs::exists(FileName())) << "reading creates nothing";

    // Every field was reset: the object writes the same file as a new one.
    TStores empty;
    data.Write(Folder() / "read.ini", empty.Lists());
    TAppData{}.Write(Folder() / "new.ini", empty.Lists());
    EXPECT_EQ(ReadBytes(Folder() / "read.ini"), ReadBytes(Folder() / "new.ini"));
}

TEST_F(AppDataFile, ReadsAHandWrittenFile) {
    TAppData data;
    TStores stores;
    data.Read(Fixtures / "legacy.ini", stores.Lists());

    EXPECT_EQ(data.Left, 120);
    EXPECT_EQ(data.Top, 80);
    EXPECT_EQ(data.Width, 360);
    EXPECT_EQ(data.Height, 520);
    EXPECT_TRUE(data.IsRealTimeCalc);
    EXPECT_TRUE(data.IsBigDecimal);
    EXPECT_EQ(data.SignificantDigits, 12);
    EXPECT_EQ(data.BcdSignificantDigits, 30);
    EXPECT_EQ(data.InputExpressionText, u"1+2");
    EXPECT_TRUE(data.IsHistoryRecord);
    EXPECT_EQ(data.HistoryCount, 50);

    ASSERT_EQ(stores.History.size(), 2u);
    const TExpressionHistory& first = stores.History[0];
    EXPECT_EQ(first.ExpressionText, u"10/3");
    EXPECT_EQ(first.Value, 3.33333333333333);
    EXPECT_EQ(first.Ans, 1.5E-7);
    EXPECT_EQ(first.PreAns, -2);
    EXPECT_EQ(first.VarM, 1E15);
    EXPECT_EQ(Text(first.BcdValue), Third64);
    EXPECT_EQ(Text(first.BcdAns), u"0.00000015");
    EXPECT_EQ(Text(first.BcdPreAns), u"-2");
    EXPECT_EQ(Text(first.BcdVarM), u"1000000000000000");
    EXPECT_EQ(first.AngleMode, atRad);
    EXPECT_EQ(first.ViewMode, vtSci);
    EXPECT_EQ(stores.History[1].ExpressionText, u"sin(30)") << "mixed-case section and keys";
    EXPECT_EQ(stores.History[1].Value, 0.5);
    EXPECT_EQ(stores.History[1].Ans, 3.33333333333333);

    EXPECT_TRUE(data.IsVariableRecord);
    EXPECT_EQ(data.VarM, 2.5);
    EXPECT_EQ(Text(data.BcdVarM), u"2.5");
    ASSERT_EQ(stores.Variables.NameList(), (std::vector<std::u16string>{u"TAX", u"X1"}));
    const std::int32_t tax = stores.Variables.GetNumberItems(u"TAX");
    EXPECT_EQ(stores.Variables.GetValueItems(tax), 1.08);
    EXPECT_EQ(Text(stores.Variables.GetBcdValueItems(tax)), u"1.08");
    EXPECT_FALSE(stores.Variables.GetStatusItems(u"TAX").IsOverwrite);
    EXPECT_EQ(stores.Variables.GetStatusItems(u"TAX").Comment, u"消費税");
    const std::int32_t x1 = stores.Variables.GetNumberItems(u"X1");
    EXPECT_EQ(stores.Variables.GetValueItems(x1), -1.23456789012346E63);
    EXPECT_EQ(Text(stores.Variables.GetBcdValueItems(x1)), Negative64);
    EXPECT_TRUE(stores.Variables.GetStatusItems(u"X1").IsOverwrite);

    EXPECT_EQ(stores.Records, (std::vector<std::u16string>{u"TAX*100", u"√(2)"}));
    EXPECT_EQ(data.Ans, 0.5);
    EXPECT_EQ(data.PreAns, 3.33333333333333);
    EXPECT_EQ(Text(data.BcdAns), u"0.5");
    EXPECT_EQ(Text(data.BcdPreAns), Third64);

    EXPECT_TRUE(data.IsCalc);
    EXPECT_EQ(data.ViewMode, vtFix) << "the repeated [mode] section is ignored";
    EXPECT_EQ(data.AngleMode, atGrad);
    EXPECT_EQ(data.RoundDecimal, 0);
    EXPECT_EQ(data.Eng, 0);
    EXPECT_TRUE(data.IsTopMost);
    EXPECT_TRUE(data.Transparency);
    EXPECT_EQ(data.TransparencyValue, 25);
    EXPECT_TRUE(data.IsDigitGroupingSeparator);
    EXPECT_EQ(data.CustomBtnTitle, u"税込");
    EXPECT_EQ(data.CustomBtnExpression, u"ANS*1.08");
    EXPECT_FALSE(data.IsVariablePanel);
    EXPECT_TRUE(data.IsFunctionPanel);
    EXPECT_FALSE(data.IsNumberPanel);
    EXPECT_TRUE(data.IsHistoryListForm);
    EXPECT_EQ(data.HistoryListFormLeft, -5);
    EXPECT_EQ(data.HistoryListFormTop, 15);
    EXPECT_EQ(data.HistoryListFormWidth, 250);
    EXPECT_EQ(data.HistoryListFormHeight, 350);
    EXPECT_TRUE(data.IsVariableListForm);
    EXPECT_EQ(data.VariableListFormLeft, 10);
    EXPECT_EQ(data.VariableListFormHeight, 400);
    EXPECT_FALSE(data.IsExpressionListForm);
    EXPECT_EQ(data.WindowScaleNumber, 3);
}

TEST_F(AppDataFile, WritesANewFileInTheDocumentedOrder) {
    TAppData data;
    data.Left = 100;
    data.Top = 50;
    data.Width = 400;
    data.Height = 600;
    data.IsRealTimeCalc = true;
    data.InputExpressionText = u"2*PI";
    data.IsHistoryRecord = true;
    data.VarM = 1.5E-7;
    data.BcdVarM = Bcd(u"0.00000015");
    data.Ans = 0.1 + 0.2;
    data.PreAns = 3;
    data.BcdAns = Bcd(u"0.3");
    data.BcdPreAns = Bcd(u"3");
    data.IsCalc = true;
    data.ViewMode = vtFix;
    data.RoundDecimal = 4;
    data.AngleMode = atRad;
    data.TransparencyValue = 20;
    data.IsDigitGroupingSeparator = true;
    data.IsNumberPanel = false;
    data.IsHistoryListForm = true;
    data.HistoryListFormLeft = 10;
    data.HistoryListFormTop = 20;
    data.HistoryListFormWidth = 300;
    data.HistoryListFormHeight = 400;
    data.WindowScaleNumber = 2;

    TStores stores;
    stores.History.push_back(Entry(u"1+2", 3));
    TExpressionHistory third = Entry(u"1/3", 1.0 / 3);
    third.BcdValue = Bcd(u"0.3333333333");
    third.Ans = 3;
    third.BcdAns = Bcd(u"3");
    third.VarM = 1.5E-7;
    third.BcdVarM = Bcd(u"0.00000015");
    third.AngleMode = atRad;
    third.ViewMode = vtFix;
    third.DigitNumber = 4;
    stores.History.push_back(third);
    stores.Variables.AddOrSetValue(u"tax", 1.08, Bcd(u"1.08"), false, u"消費税");
    stores.Variables.AddOrSetValue(u"r", 2.5, Bcd(u"2.5"));
    stores.Records = {u"TAX*100", u"ANS+1"};

    data.Write(FileName(), stores.Lists());
    EXPECT_EQ(ReadBytes(FileName()), ReadBytes(Fixtures / "new_file.ini"));
}

TEST_F(AppDataFile, KeepsWhatItDoesNotWriteUntouched) {
    // Unknown sections and keys, a comment, a repeated section, and the history entries of a
    // run that saved them (history saving is now off).
    CopyFixture("unknown_sections.ini");
    TStores stores;
    TAppData{}.Write(FileName(), stores.Lists());
    EXPECT_EQ(ReadBytes(FileName()), ReadBytes(Fixtures / "unknown_sections_written.ini"));
}

TEST_F(AppDataFile, ReadingAndWritingKeepTheDocumentedFormsAndSettings) {
    CopyFixture("legacy.ini");
    const std::string rewritten = WrittenAfterRead(FileName());
    TAppData data;
    TStores stores;
    data.Read(Folder() / "written.ini", stores.Lists());
    EXPECT_EQ(rewritten, WrittenAfterRead(Folder() / "written.ini")) << "a second pass is stable";
    EXPECT_EQ(Text(stores.History[0].BcdValue), Third64);
    EXPECT_EQ(Text(stores.Variables.GetBcdValueItems(1)), Negative64);
    EXPECT_NE(rewritten.find("\r\nAns=1.5E-7\r\n"), std::string::npos);
    EXPECT_NE(rewritten.find("\r\nM=1E15\r\n"), std::string::npos);
}

TEST_F(AppDataFile, HistoryEntryKeepsItsStoredFieldsOnly) {
    TExpressionHistory entry;
    entry.ExpressionText = u"  SQRT(2)";
    entry.Ans = 0.1 + 0.2;
    entry.PreAns = -1E-5;
    entry.Value = 1.4142135623730951;
    entry.VarM = 123456789012345678.0;
    entry.VarGT = 7;
    entry.BcdAns = Bcd(u"0.30000000000000004");
    entry.BcdPreAns = Bcd(u"-0.00001");
    entry.BcdValue = Bcd(u"1.414213562373095048801688724209698078569671875376948073176679737");
    entry.BcdVarM = Bcd(u"123456789012345678");
    entry.BcdVarGT = Bcd(u"7");
    entry.AngleMode = atGrad;
    entry.ViewMode = vtFix;
    entry.DigitNumber = 3;
    entry.IsGroupingSeparator = true;
    TAppData data;
    data.IsHistoryRecord = true;
    TStores stores;
    stores.History = {entry};
    data.Write(FileName(), stores.Lists());
    data.Read(FileName(), stores.Lists());

    ASSERT_EQ(stores.History.size(), 1u);
    const TExpressionHistory& back = stores.History[0];
    EXPECT_EQ(back.ExpressionText, u"SQRT(2)") << "leading blanks are lost";
    EXPECT_EQ(back.Ans, 0.3) << "doubles keep 15 significant digits";
    EXPECT_EQ(back.PreAns, -1E-5);
    EXPECT_EQ(back.Value, 1.41421356237310);
    EXPECT_EQ(back.VarM, 1.23456789012346E17);
    EXPECT_EQ(Text(back.BcdAns), u"0.30000000000000004") << "decimals are exact";
    EXPECT_EQ(Text(back.BcdPreAns), u"-0.00001");
    EXPECT_EQ(Text(back.BcdValue), Text(entry.BcdValue));
    EXPECT_EQ(Text(back.BcdVarM), u"123456789012345678");
    EXPECT_EQ(back.AngleMode, atGrad);
    EXPECT_EQ(back.ViewMode, vtFix);
    EXPECT_EQ(back.VarGT, 0) << "not stored";
    EXPECT_EQ(Text(back.BcdVarGT), u"0");
    EXPECT_EQ(back.DigitNumber, 0);
    EXPECT_FALSE(back.IsGroupingSeparator);
}

TEST_F(AppDataFile, DisplayDigitsAndEngineeringShiftAreStored) {
    TAppData data;
    data.ViewMode = vtEng;
    data.RoundDecimal = 6;
    data.Eng = -3;
    data.Write(FileName(), {});
    TAppData back;
    back.Read(FileName(), {});
    EXPECT_EQ(back.ViewMode, vtEng);
    EXPECT_EQ(back.RoundDecimal, 6);
    EXPECT_EQ(back.Eng, -3);
}

TEST_F(AppDataFile, HistorySavingOffEmptiesTheListAndLeavesOldEntriesInTheFile) {
    TAppData data;
    data.IsHistoryRecord = true;
    TStores stores;
    stores.History = {Entry(u"1", 1), Entry(u"2", 2)};
    data.Write(FileName(), stores.Lists());

    data.IsHistoryRecord = false;
    stores.History = {Entry(u"3", 3)};
    data.Write(FileName(), stores.Lists());
    const TIniFile file = TIniFile::LoadFromFile(FileName());
    EXPECT_EQ(file.ReadInteger(u"Expression", u"RecordCount", 0), 2);
    EXPECT_EQ(file.ReadString(u"Expression1", u"Expression", u""), u"2");

    data.Read(FileName(), stores.Lists());
    EXPECT_TRUE(stores.History.empty());
}

TEST_F(AppDataFile, VariableSavingOffEmptiesTheDictionaryAndKeepsTheMemory) {
    TAppData data;
    data.VarM = 4;
    data.BcdVarM = Bcd(u"4");
    TStores stores;
    stores.Variables.AddOrSetValue(u"A", 1, Bcd(u"1"));
    data.Write(FileName(), stores.Lists());

    data.IsVariableRecord = false;
    data.VarM = 9;
    data.BcdVarM = Bcd(u"9");
    stores.Variables.AddOrSetValue(u"B", 2, Bcd(u"2"));
    data.Write(FileName(), stores.Lists());
    const TIniFile file = TIniFile::LoadFromFile(FileName());
    EXPECT_EQ(file.ReadInteger(u"Variable", u"Count", 0), 1) << "old keys stay";
    EXPECT_EQ(file.ReadFloat(u"Variable", u"M", 0), 4);
    EXPECT_FALSE(file.SectionExists(u"Variable1"));

    data.Read(FileName(), stores.Lists());
    EXPECT_EQ(stores.Variables.Count(), 0);
    EXPECT_EQ(data.VarM, 9) << "the memory is not read";
    EXPECT_EQ(Text(data.BcdVarM), u"9");
}

TEST_F(AppDataFile, ShorterListsLeaveOldEntriesThatTheCountsIgnore) {
    TAppData data;
    data.IsHistoryRecord = true;
    TStores stores;
    for (int i = 0; i < 5; ++i) {
        stores.History.push_back(Entry(u"E" + std::u16string(1, char16_t(u'0' + i)), i));
        stores.Records.push_back(u"R");
    }
    data.Write(FileName(), stores.Lists());
    stores.History.resize(2);
    stores.Records.resize(2);
    data.Write(FileName(), stores.Lists());

    const TIniFile file = TIniFile::LoadFromFile(FileName());
    EXPECT_EQ(file.ReadInteger(u"Expression", u"RecordCount", 0), 2);
    EXPECT_TRUE(file.SectionExists(u"Expression4"));
    EXPECT_TRUE(file.ValueExists(u"ExpressionRecord", u"Expression4"));
    data.Read(FileName(), stores.Lists());
    EXPECT_EQ(stores.History.size(), 2u);
    EXPECT_EQ(stores.History[1].ExpressionText, u"E1");
    EXPECT_EQ(stores.Records.size(), 2u);
}

TEST_F(AppDataFile, CountsReadNoMoreThanTheFileHolds) {
    struct TCase {
        std::string_view Count;
        std::size_t Expected;
    };
    // Entries 0, 1 and 3 exist; a gap reads as an entry of defaults.
    const TCase cases[] = {{"0", 0}, {"-1", 0}, {"-2147483648", 0}, {"2", 2}, {"3", 2},
                           {"4", 4}, {"5", 4},  {"2147483647", 4},  {"x", 0}};
    for (const TCase& test : cases) {
        const std::string count(test.Count);
        WriteBytes(FileName(), "[Expression]\nHistory=1\nRecordCount=" + count +
                                   "\n[Expression0]\nExpression=a\n[Expression1]\n"
                                   "[Expression3]\nExpression=d\n"
                                   "[Variable]\nCount=" +
                                   count +
                                   "\n[Variable0]\nName=A\n[Variable1]\nName=B\n"
                                   "[ExpressionRecord]\nCount=" +
                                   count + "\nExpression0=x\nExpression1=y\nExpression3=z\n");
        TAppData data;
        TStores stores;
        data.Read(FileName(), stores.Lists());
        EXPECT_EQ(stores.History.size(), test.Expected) << test.Count;
        EXPECT_EQ(stores.Records.size(), test.Expected) << test.Count;
        EXPECT_EQ(stores.Variables.Count(), std::min<int>(2, int(test.Expected))) << test.Count;
        if (test.Expected == 4) {
            EXPECT_EQ(stores.History[2].ExpressionText, u"");
            EXPECT_EQ(stores.History[3].ExpressionText, u"d");
            EXPECT_EQ(stores.Records[2], u"");
            EXPECT_EQ(stores.Records[3], u"z");
        }
    }
}

TEST_F(AppDataFile, UnreadableValuesTakeTheirDefaultsAndReadingGoesOn) {
    WriteBytes(FileName(), "[Position]\nLeft=abc\nTop=12\n"
                           "[Display]\nSignificantDigits=\n"
                           "[Expression]\nHistory=1\nRecordCount=1\n"
                           "[Expression0]\nExpression=1+1\nValue=2,0\nBcdValue=\nBcdAns=1.2.3\n"
                           "BcdM=5\nAngleMode=3\nViewMode=256\n"
                           "[Variable]\nM=abc\nBcdM=--5\nCount=2\nAns=7\nBcdAns=x\n"
                           "[Variable0]\nName=A\nValue=1\nBcdValue=one\nOverride=maybe\n"
                           "[Variable1]\nValue=2\n"
                           "[Mode]\nView=8\nAngle=-1\nTopMost=1\n"
                           "[Panel]\nWindowScaleNumber=4\n");
    TAppData data;
    TStores stores;
    data.Read(FileName(), stores.Lists());
    EXPECT_EQ(data.Left, -1);
    EXPECT_EQ(data.Top, 12);
    EXPECT_EQ(data.SignificantDigits, 10);
    ASSERT_EQ(stores.History.size(), 1u);
    EXPECT_EQ(stores.History[0].ExpressionText, u"1+1");
    EXPECT_EQ(stores.History[0].Value, 0);
    EXPECT_EQ(Text(stores.History[0].BcdValue), u"0");
    EXPECT_EQ(Text(stores.History[0].BcdAns), u"0");
    EXPECT_EQ(Text(stores.History[0].BcdVarM), u"5");
    EXPECT_EQ(stores.History[0].AngleMode, atDeg) << "out of range";
    EXPECT_EQ(stores.History[0].ViewMode, vtNormal) << "out of range";
    EXPECT_EQ(data.VarM, 0);
    EXPECT_EQ(Text(data.BcdVarM), u"0");
    EXPECT_EQ(stores.Variables.NameList(), std::vector<std::u16string>{u"A"})
        << "a section without a name is no variable";
    EXPECT_EQ(Text(stores.Variables.GetBcdValueItems(0)), u"0");
    EXPECT_TRUE(stores.Variables.GetStatusItems(u"A").IsOverwrite);
    EXPECT_EQ(data.Ans, 7);
    EXPECT_EQ(Text(data.BcdAns), u"0");
    EXPECT_EQ(data.ViewMode, vtNormal);
    EXPECT_EQ(data.AngleMode, atDeg);
    EXPECT_TRUE(data.IsTopMost);
    EXPECT_EQ(data.WindowScaleNumber, 4);
}

TEST_F(AppDataFile, WriteCreatesTheFolder) {
    const fs::path nested = Folder() / "Orvelle" / "Kalvio" / "Kalvio.ini";
    TAppData{}.Write(nested, {});
    EXPECT_TRUE(fs::is_regular_file(nested));
}

TEST_F(AppDataFile, ADamagedFileIsKeptAsBackupBeforeItIsReplaced) {
    const std::string damaged = "[Mode]\nView=2\nTheme\n[Variable]\nComment=\x93\xfa\x96\x7b\n";
    WriteBytes(FileName(), damaged);
    TAppData data;
    data.Read(FileName(), {});
    EXPECT_EQ(data.ViewMode, vtSci) << "what can be read is read";
    data.Write(FileName(), {});

    fs::path backup = FileName();
    backup += ".bak";
    EXPECT_EQ(ReadBytes(backup), damaged);
    EXPECT_FALSE(TIniFile::LoadFromFile(FileName()).IsDamaged());
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 2)
        << "no temporary file is left";

    fs::remove(backup);
    data.Write(FileName(), {});
    EXPECT_FALSE(fs::exists(backup)) << "a sound file needs no backup";
}

TEST_F(AppDataFile, AnOversizedFileStartsFromDefaultsAndIsKeptWholeAsBackup) {
    std::string huge = "[Mode]\nView=2\n[Expression]\nText=";
    huge.resize(TIniFile::MaxFileSize + 1, '1');
    WriteBytes(FileName(), huge);
    TAppData data;
    data.Read(FileName(), {});
    EXPECT_EQ(data.ViewMode, vtNormal);
    data.ViewMode = vtHex;
    data.Write(FileName(), {});

    fs::path backup = FileName();
    backup += ".bak";
    EXPECT_TRUE(ReadBytes(backup) == huge) << "the backup holds the original bytes";
    TAppData reread;
    reread.Read(FileName(), {});
    EXPECT_EQ(reread.ViewMode, vtHex);
    EXPECT_LT(fs::file_size(FileName()), 4096u);
}

TEST_F(AppDataFile, FileErrorsChangeNothing) {
    fs::create_directory(FileName()); // exists, but cannot be read as a file
    TAppData data;
    data.Left = 5;
    TStores stores;
    stores.FillWithLeftovers();
    EXPECT_THROW(data.Read(FileName(), stores.Lists()), EIniFileError);
    EXPECT_EQ(data.Left, 5);
    EXPECT_EQ(stores.History.size(), 3u);
    EXPECT_EQ(stores.Variables.Count(), 1);
    EXPECT_THROW(data.Write(FileName(), stores.Lists()), EIniFileError);

    const fs::path blocker = Folder() / "file";
    WriteBytes(blocker, "x");
    EXPECT_THROW(data.Write(blocker / "Kalvio.ini", {}), EIniFileError) << "no folder possible";
}

TEST_F(AppDataFile, ListsThatAreNotGivenAreNeitherReadNorWritten) {
    CopyFixture("legacy.ini");
    TAppData data;
    TStores stores;
    stores.FillWithLeftovers();
    data.Read(FileName(), {});
    EXPECT_EQ(stores.History.size(), 3u);
    EXPECT_EQ(data.InputExpressionText, u"") << "the history header goes with the history";
    EXPECT_EQ(data.VarM, 2.5) << "the memory does not need the dictionary";

    data.Write(FileName(), {});
    TAppData back;
    back.Read(FileName(), stores.Lists());
    EXPECT_EQ(stores.History.size(), 2u) << "the entries in the file are untouched";
    EXPECT_EQ(stores.Variables.Count(), 2);
    EXPECT_EQ(stores.Records.size(), 2u);
}

TEST_F(AppDataFile, ClearDeletesTheFileAndResetsEverything) {
    CopyFixture("legacy.ini");
    TAppData data;
    TStores stores;
    data.Read(FileName(), stores.Lists());
    data.Clear(FileName(), stores.Lists());
    EXPECT_FALSE(fs::exists(FileName()));
    EXPECT_EQ(data.Left, -1);
    EXPECT_EQ(data.InputExpressionText, u"");
    EXPECT_EQ(data.VarM, 0);
    EXPECT_EQ(data.CustomBtnTitle, u"");
    EXPECT_TRUE(stores.History.empty());
    EXPECT_EQ(stores.Variables.Count(), 0);
    EXPECT_TRUE(stores.Records.empty());
}

} // namespace
} // namespace kalvio
