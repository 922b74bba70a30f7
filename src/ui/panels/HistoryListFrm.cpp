#include "ui/panels/HistoryListFrm.h"

#include "calculator/Calculator.h"
#include "ui/panels/PanelListView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <algorithm>

namespace kalvio {

THistoryListFrame::THistoryListFrame(TCalculator& calculator, QWidget* parent)
    : TPanelFrame(RowHeight, parent), FCalculator(calculator),
      FModel(new THistoryListModel(calculator.ExpressionHistorys(), this)) {
    setObjectName(QStringLiteral("HistoryListFrame"));
    ListBox().setSelectionMode(QAbstractItemView::ExtendedSelection);
    SetModel(FModel);

    QAction* all = AddAction("AllAction", QStringLiteral("All"), [this] { ListBox().selectAll(); });
    QAction* del = AddAction("DelAction", QStringLiteral("Del"), [this] { DelActionExecute(); });
    QAction* clear =
        AddAction("ClearAction", QStringLiteral("Clear"), [this] { ClearActionExecute(); });
    QAction* sum = AddAction("SumAction", QStringLiteral("Sum"), [this] { SumActionExecute(); });
    QAction* ave = AddAction("AveAction", QStringLiteral("Ave"), [this] { AveActionExecute(); });
    QAction* copy =
        AddAction("CopyAction", QStringLiteral("Copy"), [this] { CopyActionExecute(); });
    QAction* up = AddAction("UpAction", QStringLiteral("▲"), [this] { MoveCurrent(-1); });
    QAction* down = AddAction("DownAction", QStringLiteral("▼"), [this] { MoveCurrent(1); });
    AddButton("SelectAllBtn", all);
    AddButton("DelBtn", del);
    AddButton("ClearBtn", clear);
    AddButton("SumBtn", sum);
    AddButton("AverageBtn", ave);
    AddButton("CopyBtn", copy);
    AddButton("UpBtn", up);
    AddButton("DownBtn", down);
    AddListShortcut(del, QKeySequence::Delete);
    AddListShortcut(copy, QKeySequence::Copy);

    ActionListUpdate();
}

void THistoryListFrame::UpdateListBox() {
    FModel->UpdateListBox();
}

void THistoryListFrame::SetIsBigDecimal(bool isBigDecimal) {
    TPanelNumberFormat format = FModel->NumberFormat();
    format.IsBigDecimal = isBigDecimal;
    FModel->SetNumberFormat(format);
    ListBox().viewport()->update();
}

void THistoryListFrame::SetSignificantDigits(int digits, int bcdDigits) {
    TPanelNumberFormat format = FModel->NumberFormat();
    format.SignificantDigits = digits;
    format.BcdSignificantDigits = bcdDigits;
    FModel->SetNumberFormat(format);
}

void THistoryListFrame::SelectRow(int row) {
    SelectOnly(row);
}

int THistoryListFrame::SelectedCount() const {
    return static_cast<int>(ListBox().selectionModel()->selectedRows().size());
}

void THistoryListFrame::ActionListUpdate() {
    const int selected = SelectedCount();
    Action("SumAction")->setEnabled(selected >= 2);
    Action("AveAction")->setEnabled(selected >= 2);
    Action("CopyAction")->setEnabled(selected == 1);
    Action("DelAction")->setEnabled(selected >= 1);
}

void THistoryListFrame::DblClickList(int row) {
    const int entry = FModel->EntryIndex(row);
    if (row >= 0) {
        FCalculator.RecallHistoryEntry(entry, {});
    }
    emit MainWindowActivationRequested();
}

std::vector<double> THistoryListFrame::SelectedValues() const {
    QModelIndexList rows = ListBox().selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<double> values;
    for (const QModelIndex& index : rows) {
        if (const TExpressionHistory* entry = FModel->Entry(index.row())) {
            values.push_back(entry->Value);
        }
    }
    return values;
}

void THistoryListFrame::SumActionExecute() {
    FCalculator.RecallHistoryEntry(-1, HistorySumText(SelectedValues()));
    emit MainWindowActivationRequested();
}

void THistoryListFrame::AveActionExecute() {
    FCalculator.RecallHistoryEntry(-1, HistoryAverageText(SelectedValues()));
    emit MainWindowActivationRequested();
}

void THistoryListFrame::CopyActionExecute() {
    const int row = CurrentRow();
    if (row >= 0) {
        if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->setText(FModel->index(row).data(THistoryListModel::CopyTextRole).toString());
        }
    }
    emit MainWindowActivationRequested();
}

void THistoryListFrame::DelActionExecute() {
    std::vector<int> entries;
    for (const QModelIndex& index : ListBox().selectionModel()->selectedRows()) {
        entries.push_back(FModel->EntryIndex(index.row()));
    }
    FCalculator.DeleteHistoryEntries(entries);
}

void THistoryListFrame::ClearActionExecute() {
    FCalculator.ClearHistory();
}

// Up moves the current entry towards the newer end of the history, Down towards the older.
void THistoryListFrame::MoveCurrent(int step) {
    const int row = CurrentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= FModel->rowCount()) {
        return;
    }
    FCalculator.SwapHistoryEntries(FModel->EntryIndex(row), FModel->EntryIndex(target));
    SelectOnly(target);
}

} // namespace kalvio
