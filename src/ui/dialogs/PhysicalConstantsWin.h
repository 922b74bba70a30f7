#pragma once

#include "ui/dialogs/DialogMessage.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kalvio {

// The constant registration "定数登録": a constant picked from the list, or a value of the
// user's own, with the name to register it under and an optional description. The dialog only
// fills and checks its fields; the caller registers the constant after OK.
class TPhysicalConstantsForm : public QDialog {
    Q_OBJECT

public:
    explicit TPhysicalConstantsForm(QWidget* parent);

    QString VariableText() const;
    QString ConstantsText() const;
    QString CommentText() const;

    TErrorMessageHook OnErrorMessage = ShowErrorMessageBox;

public slots:
    void accept() override;

private:
    void PhysicalComboChange(int index);

    QComboBox* FPhysicalCombo;
    QLineEdit* FConstantsEdit;
    QLineEdit* FVariableEdit;
    QLineEdit* FCommentEdit;
    QPushButton* FButton1;
    QPushButton* FButton2;
};

} // namespace kalvio
