#pragma once

#include "ui/dialogs/DialogMessage.h"

#include <functional>

class QDialog;
class QWidget;

namespace kalvio {

class TCalculator;

// The calculator window's dialogs: each is created for one showing, shown modally over the
// window, and on OK its values are applied to the calculator.
class TDialogActions {
public:
    // `applyTransparency` is the window's own (it changes the window's frame and opacity).
    TDialogActions(TCalculator& calculator, QWidget& owner,
                   std::function<void(int percent)> applyTransparency);

    void SettingActionExecute();
    void PhysicalConstantsActionExecute();
    void AboutActionExecute();

    // Shows a dialog modally and returns its result; tests fill and close the dialog instead.
    std::function<int(QDialog& dialog)> RunDialog;
    // Handed to every dialog that checks its fields.
    TErrorMessageHook OnErrorMessage = ShowErrorMessageBox;

private:
    TCalculator& FCalculator;
    QWidget& FOwner;
    std::function<void(int)> FApplyTransparency;
};

} // namespace kalvio
