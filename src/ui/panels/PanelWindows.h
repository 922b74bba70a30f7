#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QWidget;

namespace kalvio {

struct TAppData;
class TBasePanelForm;
class TCalculator;
class TExpressionListForm;
class THistoryListForm;
class TVariableListForm;

enum TPanelKind : std::uint8_t { pkHistory, pkVariable, pkExpression };

// The three panel windows of the calculator window: it creates them on the calculator's stores,
// shows, hides and places them, keeps the menu's check marks on their visibility, restores and
// stores their state with the settings, and passes the calculator's notifications to them.
// A window is made when it is first needed, so a start with every panel closed pays nothing for
// them; until then its notifications have nothing to redraw.
class TPanelWindows : public QObject {
    Q_OBJECT

public:
    TPanelWindows(TCalculator& calculator, QWidget& mainWindow);
    ~TPanelWindows() override;

    TBasePanelForm& Window(TPanelKind kind);
    THistoryListForm& HistoryListForm();
    TVariableListForm& VariableListForm();
    TExpressionListForm& ExpressionListForm();
    bool IsVisible(TPanelKind kind) const;

    // The checkable action whose mark shows whether the window is open.
    void SetCheckAction(TPanelKind kind, QAction* action);
    // Opens the window where it was, or closes it.
    void TogglePanel(TPanelKind kind);
    // Sets each check mark to whether its window is visible.
    void ActionListUpdate();

    // At start: the windows get the settings, and those that were open open again where they were.
    void RestorePanels(TAppData& appData);
    // At the end: which windows are open, and where.
    void StorePanels(TAppData& appData) const;

    // The calculator's notifications.
    void HistoryChanged();
    void HistoryRowSelected(int row);
    void VariablesChanged();
    void ExpressionRecordsChanged(bool show);
    void SignificantDigitsChanged();
    void BigDecimalModeChanged(bool isBigDecimal);

private:
    TBasePanelForm* Created(TPanelKind kind) const;
    void Connect(TBasePanelForm& window);
    void ShowPanel(TPanelKind kind);
    void PlaceBesideMainWindow(TPanelKind kind);

    TCalculator& FCalculator;
    QWidget& FMainWindow;
    TAppData* FAppData = nullptr;
    std::unique_ptr<THistoryListForm> FHistoryListForm;
    std::unique_ptr<TVariableListForm> FVariableListForm;
    std::unique_ptr<TExpressionListForm> FExpressionListForm;
    std::array<QAction*, 3> FCheckActions{};
    std::array<bool, 3> FIsPlaced{};
};

} // namespace kalvio
