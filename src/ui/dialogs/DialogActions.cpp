#include "ui/dialogs/DialogActions.h"

#include "calculator/Calculator.h"
#include "ui/dialogs/AboutWin.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/PhysicalConstantsWin.h"
#include "ui/dialogs/SettingDlg.h"

namespace kalvio {

TDialogActions::TDialogActions(TCalculator& calculator, QWidget& owner,
                               std::function<void(int)> applyTransparency)
    : RunDialog([](QDialog& dialog) {
          CentreOnScreen(dialog);
          return dialog.exec();
      }),
      FCalculator(calculator), FOwner(owner), FApplyTransparency(std::move(applyTransparency)) {}

void TDialogActions::SettingActionExecute() {
    TSettingDialog dialog(&FOwner);
    dialog.OnErrorMessage = OnErrorMessage;
    TAppData& appData = FCalculator.AppData();
    dialog.LoadValues(appData);
    if (RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    dialog.StoreValues(appData);
    FApplyTransparency(appData.TransparencyValue);
    // Real-time calculation, both digit counts (display and panels) and the history limit.
    FCalculator.ApplySettings();
}

void TDialogActions::PhysicalConstantsActionExecute() {
    TPhysicalConstantsForm dialog(&FOwner);
    dialog.OnErrorMessage = OnErrorMessage;
    if (RunDialog(dialog) != QDialog::Accepted) {
        return;
    }
    // A refused name stores nothing and shows no message: the field shows the assignment.
    FCalculator.RegisterConstant(dialog.VariableText().toStdU16String(),
                                 dialog.ConstantsText().toStdU16String(),
                                 dialog.CommentText().toStdU16String());
}

void TDialogActions::AboutActionExecute() {
    TAboutForm dialog(&FOwner);
    RunDialog(dialog);
}

} // namespace kalvio
