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
constexpr TPanelKind PanelKinds[] = {pkHistory, pkVariable, pkExpression};

} // namespace

TPanelWindows::TPanelWindows(TCalculator& calculator, QWidget& mainWindow)
    : FCalculator(calculator), FMainWindow(mainWindow) {}

TPanelWindows::~TPanelWindows() = default;

TBasePanelForm* TPanelWindows::Created(TPanelKind kind) const {
    switch (kind) {
    case pkVariable:
        return FVariableListForm.get();
    case pkExpression:
        return FExpressionListForm.get();
    default:
        return FHistoryListForm.get();
    }
}

TBasePanelForm& TPanelWindows::Window(TPanelKind kind) {
    switch (kind) {
    case pkVariable:
        return VariableListForm();
    case pkExpression:
        return ExpressionListForm();
    default:
        return HistoryListForm();
    }
}

THistoryListForm& TPanelWindows::HistoryListForm() {
    if (!FHistoryListForm) {
        FHistoryListForm = std::make_unique<THistoryListForm>(FCalculator, &FMainWindow);
        THistoryListFrame& frame = FHistoryListForm->HistoryListFrame();
        frame.SetSignificantDigits(FCalculator.SignificantDigits(),
                                   FCalculator.BcdSignificantDigits());
        frame.SetIsBigDecimal(FCalculator.IsBigDecimal());
        frame.UpdateListBox();
        Connect(*FHistoryListForm);
    }
    return *FHistoryListForm;
}

TVariableListForm& TPanelWindows::VariableListForm() {
    if (!FVariableListForm) {
        FVariableListForm = std::make_unique<TVariableListForm>(FCalculator, &FMainWindow);
        TVariableListFrame& frame = FVariableListForm->VariableListFrame();
        frame.SetSignificantDigits(FCalculator.SignificantDigits(),
                                   FCalculator.BcdSignificantDigits());
        frame.SetIsBigDecimal(FCalculator.IsBigDecimal());
        frame.UpdateListBox();
        Connect(*FVariableListForm);
    }
    return *FVariableListForm;
}

TExpressionListForm& TPanelWindows::ExpressionListForm() {
    if (!FExpressionListForm) {
        FExpressionListForm = std::make_unique<TExpressionListForm>(FCalculator, &FMainWindow);
        Connect(*FExpressionListForm);
    }
    return *FExpressionListForm;
}

void TPanelWindows::Connect(TBasePanelForm& window) {
    window.SetAppData(FAppData);
    connect(&window, &TBasePanelForm::VisibilityChanged, this, [this] { ActionListUpdate(); });
    connect(window.findChild<TPanelFrame*>(), &TPanelFrame::MainWindowActivationRequested, this,
            [this] { FMainWindow.activateWindow(); });
}

bool TPanelWindows::IsVisible(TPanelKind kind) const {
    const TBasePanelForm* window = Created(kind);
    return window != nullptr && window->isVisible();
}

void TPanelWindows::SetCheckAction(TPanelKind kind, QAction* action) {
    FCheckActions[kind] = action;
    ActionListUpdate();
}

void TPanelWindows::TogglePanel(TPanelKind kind) {
    if (IsVisible(kind)) {
        Window(kind).hide();
    } else {
        ShowPanel(kind);
    }
    ActionListUpdate();
}

void TPanelWindows::ShowPanel(TPanelKind kind) {
    TBasePanelForm& window = Window(kind);
    if (kind == pkExpression) {
        FExpressionListForm->ExpressionListFrame().UpdateListBox();
    }
    // Placed only when it opens: an open window may have been moved since it last hid.
    FIsPlaced[kind] = window.PlaceStored() || FIsPlaced[kind];
    if (!FIsPlaced[kind]) {
        PlaceBesideMainWindow(kind);
    }
    window.show();
}

// A window without a stored place opens to the right of the calculator, the three cascaded.
void TPanelWindows::PlaceBesideMainWindow(TPanelKind kind) {
    const QRect main = FMainWindow.frameGeometry();
    const int step = CascadeStep * static_cast<int>(kind);
    Window(kind).move(main.right() + 1 + BesideGap + step, main.top() + step);
    FIsPlaced[kind] = true;
}

void TPanelWindows::ActionListUpdate() {
    for (const TPanelKind kind : PanelKinds) {
        if (QAction* action = FCheckActions[kind]) {
            action->setChecked(IsVisible(kind));
        }
    }
}

void TPanelWindows::RestorePanels(TAppData& appData) {
    FAppData = &appData;
    for (const TPanelKind kind : PanelKinds) {
        if (TBasePanelForm* window = Created(kind)) {
            window->SetAppData(&appData);
        }
    }
    HistoryChanged();
    VariablesChanged();
    if (appData.IsHistoryListForm) {
        ShowPanel(pkHistory);
    }
    if (appData.IsVariableListForm) {
        ShowPanel(pkVariable);
    }
    if (appData.IsExpressionListForm) {
        ShowPanel(pkExpression);
    }
    ActionListUpdate();
}

void TPanelWindows::StorePanels(TAppData& appData) const {
    appData.IsHistoryListForm = false;
    appData.IsVariableListForm = false;
    appData.IsExpressionListForm = false;
    for (const TPanelKind kind : PanelKinds) {
        if (const TBasePanelForm* window = Created(kind)) {
            window->StoreState(appData);
        }
    }
}

void TPanelWindows::HistoryChanged() {
    if (FHistoryListForm) {
        FHistoryListForm->HistoryListFrame().UpdateListBox();
    }
}

void TPanelWindows::HistoryRowSelected(int row) {
    if (FHistoryListForm) {
        FHistoryListForm->HistoryListFrame().SelectRow(row);
    }
}

void TPanelWindows::VariablesChanged() {
    if (FVariableListForm) {
        FVariableListForm->VariableListFrame().UpdateListBox();
    }
}

void TPanelWindows::ExpressionRecordsChanged(bool show) {
    if (FExpressionListForm) {
        FExpressionListForm->ExpressionListFrame().UpdateListBox();
    }
    if (show) {
        ShowPanel(pkExpression);
        ActionListUpdate();
    }
}

void TPanelWindows::SignificantDigitsChanged() {
    const int digits = FCalculator.SignificantDigits();
    const int bcdDigits = FCalculator.BcdSignificantDigits();
    if (FHistoryListForm) {
        FHistoryListForm->HistoryListFrame().SetSignificantDigits(digits, bcdDigits);
        FHistoryListForm->HistoryListFrame().UpdateListBox();
    }
    if (FVariableListForm) {
        FVariableListForm->VariableListFrame().SetSignificantDigits(digits, bcdDigits);
        FVariableListForm->VariableListFrame().UpdateListBox();
    }
}

void TPanelWindows::BigDecimalModeChanged(bool isBigDecimal) {
    if (FHistoryListForm) {
        FHistoryListForm->HistoryListFrame().SetIsBigDecimal(isBigDecimal);
    }
    if (FVariableListForm) {
        FVariableListForm->VariableListFrame().SetIsBigDecimal(isBigDecimal);
    }
}

} // namespace kalvio
