#include "ui/panels/ExpressionListFrm.h"

#include "calculator/Calculator.h"
#include "ui/panels/PanelListView.h"

#include <QAction>
#include <QKeySequence>

namespace kalvio {

TExpressionListFrame::TExpressionListFrame(TCalculator& calculator, QWidget* parent)
    : TPanelFrame(RowHeight, parent), FCalculator(calculator),
      FModel(new TExpressionListModel(calculator.ExpressionRecordList(), this)) {
    setObjectName(QStringLiteral("ExpressionListFrame"));
    ListBox().setSelectionMode(QAbstractItemView::SingleSelection);
    SetModel(FModel);

    QAction* del = AddAction("DelAction", QStringLiteral("Del"), [this] {
        if (const int row = CurrentRow(); row >= 0) {
            FCalculator.DeleteExpressionRecord(row);
        }
    });
    QAction* clear = AddAction("ClearAction", QStringLiteral("Clear"),
                               [this] { FCalculator.ClearExpressionRecords(); });
    // Copy has neither a button nor an effect; it only follows the current row.
    AddAction("CopyAction", QStringLiteral("Copy"), [] {});
    QAction* up = AddAction("UpAction", QStringLiteral("▲"), [this] { MoveCurrent(-1); });
    QAction* down = AddAction("DownAction", QStringLiteral("▼"), [this] { MoveCurrent(1); });
    AddButton("SelectAllBtn", del);
    AddButton("DelBtn", clear);
    AddButton("UpBtn", up);
    AddButton("DownBtn", down);
    AddListShortcut(del, QKeySequence::Delete);

    ActionListUpdate();
}

void TExpressionListFrame::UpdateListBox() {
    FModel->UpdateListBox();
}

void TExpressionListFrame::ActionListUpdate() {
    const bool hasCurrent = CurrentRow() >= 0;
    Action("DelAction")->setEnabled(hasCurrent);
    Action("CopyAction")->setEnabled(hasCurrent);
}

void TExpressionListFrame::DblClickList(int row) {
    const std::vector<std::u16string>& records = FCalculator.ExpressionRecordList();
    if (row >= 0 && row < static_cast<int>(records.size())) {
        FCalculator.RecallExpressionRecord(records[static_cast<std::size_t>(row)]);
    }
    emit MainWindowActivationRequested();
}

void TExpressionListFrame::MoveCurrent(int step) {
    const int row = CurrentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= FModel->rowCount()) {
        return;
    }
    FCalculator.MoveExpressionRecord(row, target);
    SelectOnly(target);
}

} // namespace kalvio
