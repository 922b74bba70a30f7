#include "ui/panels/VariableListFrm.h"

#include "calculator/Calculator.h"
#include "ui/panels/PanelListView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>

namespace kalvio {

TVariableListFrame::TVariableListFrame(TCalculator& calculator, QWidget* parent)
    : TPanelFrame(RowHeight, parent), FCalculator(calculator),
      FModel(new TVariableListModel(calculator.VariableDictionary(), this)) {
    setObjectName(QStringLiteral("VariableListFrame"));
    ListBox().setSelectionMode(QAbstractItemView::SingleSelection);
    SetModel(FModel);

    QAction* del = AddAction("DelAction", QStringLiteral("Del"), [this] {
        if (const int row = CurrentRow(); row >= 0) {
            FCalculator.DeleteVariable(NameOfRow(row).toStdU16String());
        }
    });
    QAction* clear = AddAction("ClearAction", QStringLiteral("Clear"),
                               [this] { FCalculator.ClearOverwritableVariables(); });
    QAction* copy =
        AddAction("CopyAction", QStringLiteral("Copy"), [this] { CopyActionExecute(); });
    QAction* up = AddAction("UpAction", QStringLiteral("▲"), [this] { MoveCurrent(-1); });
    QAction* down = AddAction("DownAction", QStringLiteral("▼"), [this] { MoveCurrent(1); });
    AddButton("SelectAllBtn", del);
    AddButton("DelBtn", clear);
    AddButton("ClearBtn", copy);
    AddButton("UpBtn", up);
    AddButton("DownBtn", down);
    AddListShortcut(del, QKeySequence::Delete);
    AddListShortcut(copy, QKeySequence::Copy);

    ActionListUpdate();
}

void TVariableListFrame::UpdateListBox() {
    FModel->UpdateListBox();
}

void TVariableListFrame::SetIsBigDecimal(bool isBigDecimal) {
    TPanelNumberFormat format = FModel->NumberFormat();
    format.IsBigDecimal = isBigDecimal;
    FModel->SetNumberFormat(format);
    ListBox().viewport()->update();
}

void TVariableListFrame::SetSignificantDigits(int digits, int bcdDigits) {
    TPanelNumberFormat format = FModel->NumberFormat();
    format.SignificantDigits = digits;
    format.BcdSignificantDigits = bcdDigits;
    FModel->SetNumberFormat(format);
}

void TVariableListFrame::ActionListUpdate() {
    const bool hasCurrent = CurrentRow() >= 0;
    Action("DelAction")->setEnabled(hasCurrent);
    Action("CopyAction")->setEnabled(hasCurrent);
}

QString TVariableListFrame::NameOfRow(int row) const {
    return FModel->index(row).data(TVariableListModel::NameRole).toString();
}

void TVariableListFrame::DblClickList(int row) {
    if (const QString name = NameOfRow(row); !name.isEmpty()) {
        FCalculator.InsertVariableName(name.toStdU16String());
    }
    emit MainWindowActivationRequested();
}

void TVariableListFrame::CopyActionExecute() {
    if (const int row = CurrentRow(); row >= 0) {
        if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->setText(
                FModel->index(row).data(TVariableListModel::CopyTextRole).toString());
        }
    }
    emit MainWindowActivationRequested();
}

void TVariableListFrame::MoveCurrent(int step) {
    const int row = CurrentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= FModel->rowCount()) {
        return;
    }
    FCalculator.MoveVariable(row, target);
    SelectOnly(target);
}

} // namespace kalvio
