#include "engine/Bcd.h"
#include "ui/panels/ExpressionListModel.h"
#include "ui/panels/HistoryListModel.h"
#include "ui/panels/PanelRowDelegate.h"
#include "ui/panels/VariableListModel.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <gtest/gtest.h>

namespace kalvio {
namespace {

TExpressionHistory Entry(const char16_t* text, double value) {
    TExpressionHistory entry;
    entry.ExpressionText = text;
    entry.Value = value;
    entry.BcdValue = DoubleToBcd(value);
    return entry;
}

TEST(PanelModels, HistoryRowsAreTheEntriesNewestFirstAndTakeTheFormatAtRebuild) {
    std::deque<TExpressionHistory> history{Entry(u"1/4", 0.25), Entry(u"2/3", 2.0 / 3)};
    THistoryListModel model(history, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0).data().toString(), QStringLiteral("2/3"));
    EXPECT_EQ(model.EntryIndex(0), 1);
    EXPECT_EQ(model.index(0).data(TPanelRowDelegate::ResultTextRole).toString(),
              QStringLiteral("0.6666666667"));

    model.SetNumberFormat({false, 3, 15});
    EXPECT_EQ(model.index(0).data(TPanelRowDelegate::ResultTextRole).toString(),
              QStringLiteral("0.6666666667"))
        << "rows keep their format until rebuilt";
    history.push_back(Entry(u"7", 7));
    history.pop_front();
    model.UpdateListBox();
    EXPECT_EQ(model.index(0).data(TPanelRowDelegate::ResultTextRole).toString(),
              QStringLiteral("7"));
    EXPECT_EQ(model.index(1).data(TPanelRowDelegate::ResultTextRole).toString(),
              QStringLiteral("0.667"));

    // The store shrinking before the rebuild is announced leaves no dangling row.
    history.clear();
    EXPECT_FALSE(model.index(1).data().isValid());
    model.UpdateListBox();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(PanelModels, VariableRowsFollowTheNameOrder) {
    TVariableDictionary dictionary;
    dictionary.AddOrSetValue(u"a", 1, StrToBcd(u"1"));
    dictionary.AddOrSetValue(u"pi2", 6.28, StrToBcd(u"6.28"), false, u"two pi");
    TVariableListModel model(dictionary, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.index(1).data().toString(), QStringLiteral("PI2 = 6.28 [two pi]"));
    EXPECT_TRUE(model.index(1).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(model.index(0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(model.index(1).data(TVariableListModel::NameRole).toString(), QStringLiteral("PI2"));
    EXPECT_EQ(model.index(1).data(TVariableListModel::CopyTextRole).toString(),
              QStringLiteral("6.28"));
    dictionary.MoveName(1, 0);
    dictionary.Remove(u"A");
    model.UpdateListBox();
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0).data(TVariableListModel::NameRole).toString(), QStringLiteral("PI2"));
}

TEST(PanelModels, RecordRowsShowTheSavedTextsUnchanged) {
    std::vector<std::u16string> records{u"a; 1+2", u""};
    TExpressionListModel model(records, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0).data().toString(), QStringLiteral("a; 1+2"));
    records.push_back(u"x");
    model.UpdateListBox();
    EXPECT_EQ(model.index(2).data().toString(), QStringLiteral("x"));
}

} // namespace
} // namespace kalvio
