#pragma once

#include "calculator/Calculator.h"
#include "calculator/CalculatorEvents.h"
#include "ui/dialogs/DialogActions.h"
#include "ui/main/CalcResultViewerWidget.h"
#include "ui/main/ExpressionEdit.h"
#include "ui/main/KeypadTransition.h"
#include "ui/main/QtTaskExecutor.h"
#include "ui/panels/PanelWindows.h"

#include <QPoint>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace kalvio {

class TFunctionKeyFrame;
class TKeypadTransitionView;
class TNumericKeyFrame;

// The calculator window. It holds no calculator state: keys, actions and the field's events
// become calls on the calculator, and the calculator's notifications become captions, labels and
// check marks. What the window owns is its shape: the rows, the keypads and their transition,
// zoom, stay-on-top, move to back and transparency.
class TMainForm : public QWidget, private TCalculatorEvents {
    Q_OBJECT

public:
    static constexpr int DesignClientWidth = 328;
    static constexpr int DesignClientHeight = 424;
    static constexpr int TopBarHeight = 20;
    static constexpr int FieldRowHeight = 70;

    // `settingsFile` is the settings file read at start and written at the end.
    explicit TMainForm(std::filesystem::path settingsFile);
    ~TMainForm() override;

    TCalculator& Calculator() { return FCalculator; }
    TPanelWindows& PanelWindows() { return FPanelWindows; }
    TDialogActions& DialogActions() { return FDialogActions; }
    QAction* Action(const char* name) const;

    // The start: labels the keys, reads and applies the settings file, restores the window,
    // its keypads and zoom. Call once, before the window is first shown.
    void FormShow();
    // The end: puts the window's state into the settings and writes the file. Runs once, when
    // the window closes.
    void SaveState();

    int WindowScaleNumber() const { return FWindowScaleNumber; }
    void ApplyWindowScale(int scaleNumber);
    bool IsFunctionPanel() const { return FIsFunctionPanel; }
    bool IsNumberPanel() const { return FIsNumberPanel; }
    // Off: keypads appear and disappear at once (the tests use this).
    void SetIsTransitionAnimated(bool isAnimated) { FIsTransitionAnimated = isAnimated; }

    bool IsTopMost() const;
    void SetTopMost(bool isTopMost);
    void MoveToBack();
    bool IsTransparent() const { return FIsTransparent; }
    void ApplyTransparency(int percent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Building.
    void CreateTopBar();
    void CreateFieldRow();
    void CreateKeypads();
    void CreateActions();
    void ConnectActions();
    QMenu* EnsureMenu(std::unique_ptr<QMenu>& menu, void (TMainForm::*fill)(QMenu&));
    void FillAngleMenu(QMenu& menu);
    void FillResultMenu(QMenu& menu);
    void FillMainMenu(QMenu& menu);
    void PopupBelow(QMenu* menu, const QPushButton* button);

    // Layout and zoom.
    double Scale() const;
    double Scaled(double designLength) const;
    void PlaceTopPanel();
    void LayoutKeypads();
    void FitClientHeight();
    void SetClientHeight(double height);
    void ToggleFunctionKeypad();
    void ToggleNumberKeypad();
    void AnimateKeypad(TKeypadKind keypad, TTransitionKind kind);
    void UpdateMemoryButtonGeometry();
    void PlaceResultLabels();
    void ShowResultLabel(QLabel& label, bool isVisible);

    // Start.
    void AssignFunctionKeys();
    void RestoreWindowGeometry();
    void RestoreWindowStyle();
    void RestoreKeypadsAndPanels();
    void ApplyWindowFlags(bool isTopMost, bool isTransparent);

    // Notifications from the calculator.
    void MemoryButtonChanged(bool isVisible, const std::u16string& caption) override;
    void AngleButtonChanged(const std::u16string& caption) override;
    void ResultModeButtonChanged(const std::u16string& caption) override;
    void CalcLabelChanged(bool isVisible) override;
    void BigDecimalModeChanged(bool isBigDecimal) override;
    void DigitGroupingChanged(bool isOn) override;
    void TopMostToggleRequested() override;
    void ShiftChanged(bool isOn) override;
    void FunctionKeysRefreshRequested() override;
    void HistoryChanged() override;
    void HistoryRowSelected(int row) override;
    void VariablesChanged() override;
    void ExpressionRecordsChanged(bool show) override;
    void SignificantDigitsChanged() override;

    // Widgets, created before the calculator that talks to them.
    TExpressionEdit* FExpressionEdit;
    TCalcResultViewerWidget* FResultViewer;
    QPushButton* FAngleModeBtn = nullptr;
    QPushButton* FResultModeBtn = nullptr;
    QPushButton* FMBtn = nullptr;
    QPushButton* FCopyBtn = nullptr;
    QPushButton* FMenuBtn = nullptr;
    QLabel* FCalcLabel = nullptr;
    QLabel* FBcdLabel = nullptr;
    // Sized when one is first shown: measuring them loads a font the first paint does not need.
    bool FAreResultLabelsSized = false;
    TFunctionKeyFrame* FFunctionKeyFrame = nullptr;
    TNumericKeyFrame* FNumericKeyFrame = nullptr;
    TKeypadTransitionView* FTransitionView = nullptr;
    std::unique_ptr<QMenu> FAnglePopup;
    std::unique_ptr<QMenu> FResultPopup;
    std::unique_ptr<QMenu> FMainMenu;

    TQtTaskExecutor FExecutor;
    TCalculator FCalculator;
    // After the calculator, so that the panels go before the stores they show.
    TPanelWindows FPanelWindows;
    TDialogActions FDialogActions;

    int FWindowScaleNumber = 0;
    bool FIsFunctionPanel = true;
    bool FIsNumberPanel = true;
    bool FIsTransitionAnimated = true;
    bool FIsTransitioning = false;
    bool FIsTransparent = false;
    bool FIsShown = false;
    bool FIsSaved = false;
};

} // namespace kalvio
