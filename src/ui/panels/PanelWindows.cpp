#include "ui/panels/PanelWindows.h"

#include "calculator/Calculator.h"
#include "ui/panels/ExpressionListFrm.h"
#include "ui/panels/ExpressionListWin.h"
#include "ui/panels/HistoryListFrm.h"
#include "ui/panels/HistoryListWin.h"
#include "ui/panels/VariableListFrm.h"
#include "ui/panels/VariableListWin.h"

#include <QAction>

namespace kalvio {

namespace {

constexpr int BesideGap = 8;
constexpr int CascadeStep = 28;

} // namespace

TPanelWindows::TPanelWindows(TCalculator& calculator, QWidget& mainWindow)
    : FCalculator(calculator), FMainWindow(mainWindow),
      FHistoryListForm(std::make_unique<THistoryListForm>(calculator, &mainWindow)),
      FVariableListForm(std::make_unique<TVariableListForm>(calculator, &mainWindow)),
      FExpressionListForm(std::make_unique<TExpressionListForm>(calculator, &mainWindow)) {
    const auto activateMainWindow = [this] { FMainWindow.activateWindow(); };
    connect(&FHistoryListForm->HistoryListFrame(), &TPanelFrame::MainWindowActivationRequested,
            this, activateMainWindow);
    connect(&FVariableListForm->VariableListFrame(), &TPanelFrame::MainWindowActivationRequested,
            this, activateMainWindow);
    connect(&FExpressionListForm->ExpressionListFrame(),
            &TPanelFrame::MainWindowActivationRequested, this, activateMainWindow);
    for (const TPanelKind kind : {pkHistory, pkVariable, pkExpression}) {
        connect(&Window(kind), &TBasePanelForm::VisibilityChanged, this,
                [this] { ActionListUpdate(); });
    }
    SignificantDigitsChanged();
}

TPanelWindows::~TPanelWindows() = default;

TBasePanelForm& TPanelWindows::Window(TPanelKind kind) const {
    switch (kind) {
    case pkVariable:
        return *FVariableListForm;
    case pkExpression:
        return *FExpressionListForm;
    default:
        return *FHistoryListForm;
    }
}

void TPanelWindows::SetCheckAction(TPanelKind kind, QAction* action) {
    FCheckActions[kind] = action;
    ActionListUpdate();
}

void TPanelWindows::TogglePanel(TPanelKind kind) {
    TBasePanelForm& window = Window(kind);
    if (window.isVisible()) {
        window.hide();
    } else {
        // Placed only when it opens: an open window may have been moved since it last hid.
        FIsPlaced[kind] = window.PlaceStored() || FIsPlaced[kind];
        ShowPanel(kind);
    }
    ActionListUpdate();
}

void TPanelWindows::ShowPanel(TPanelKind kind) {
    if (kind == pkExpression) {
        FExpressionListForm->ExpressionListFrame().UpdateListBox();
    }
    if (!FIsPlaced[kind]) {
        PlaceBesideMainWindow(kind);
    }
    Window(kind).show();
}

// A window without a stored place opens to the right of the calculator, the three cascaded.
void TPanelWindows::PlaceBesideMainWindow(TPanelKind kind) {
    const QRect main = FMainWindow.frameGeometry();
    const int step = CascadeStep * static_cast<int>(kind);
    Window(kind).move(main.right() + 1 + BesideGap + step, main.top() + step);
    FIsPlaced[kind] = true;
}

void TPanelWindows::ActionListUpdate() {
    for (const TPanelKind kind : {pkHistory, pkVariable, pkExpression}) {
        if (QAction* action = FCheckActions[kind]) {
            action->setChecked(Window(kind).isVisible());
        }
    }
}

void TPanelWindows::RestorePanels(TAppData& appData) {
    FHistoryListForm->HistoryListFrame().UpdateListBox();
    FVariableListForm->VariableListFrame().UpdateListBox();
    for (const TPanelKind kind : {pkHistory, pkVariable, pkExpression}) {
        TBasePanelForm& window = Window(kind);
        window.SetAppData(&appData);
        FIsPlaced[kind] = window.PlaceStored();
        if (appData.*window.GeometryKeys().IsOpen) {
            ShowPanel(kind);
        }
    }
    ActionListUpdate();
}

void TPanelWindows::StorePanels(TAppData& appData) const {
    for (const TPanelKind kind : {pkHistory, pkVariable, pkExpression}) {
        Window(kind).StoreState(appData);
    }
}

void TPanelWindows::HistoryChanged() {
    FHistoryListForm->HistoryListFrame().UpdateListBox();
}

void TPanelWindows::HistoryRowSelected(int row) {
    FHistoryListForm->HistoryListFrame().SelectRow(row);
}

void TPanelWindows::VariablesChanged() {
    FVariableListForm->VariableListFrame().UpdateListBox();
}

void TPanelWindows::ExpressionRecordsChanged(bool show) {
    FExpressionListForm->ExpressionListFrame().UpdateListBox();
    if (show) {
        ShowPanel(pkExpression);
        ActionListUpdate();
    }
}

void TPanelWindows::SignificantDigitsChanged() {
    const int digits = FCalculator.SignificantDigits();
    const int bcdDigits = FCalculator.BcdSignificantDigits();
    FHistoryListForm->HistoryListFrame().SetSignificantDigits(digits, bcdDigits);
    FHistoryListForm->HistoryListFrame().UpdateListBox();
    FVariableListForm->VariableListFrame().SetSignificantDigits(digits, bcdDigits);
    FVariableListForm->VariableListFrame().UpdateListBox();
}

void TPanelWindows::BigDecimalModeChanged(bool isBigDecimal) {
    FHistoryListForm->HistoryListFrame().SetIsBigDecimal(isBigDecimal);
    FVariableListForm->VariableListFrame().SetIsBigDecimal(isBigDecimal);
}

} // namespace kalvio
