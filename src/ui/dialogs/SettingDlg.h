#pragma once

#include "ui/dialogs/DialogMessage.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace kalvio {

struct TAppData;

// The settings dialog "設定": the history count, what is saved, real-time calculation and the
// display digits of both arithmetic modes. It refuses to close with OK until its number fields
// pass their checks; the caller copies the values in before and out after.
class TSettingDialog : public QDialog {
    Q_OBJECT

public:
    explicit TSettingDialog(QWidget* parent);

    void LoadValues(const TAppData& appData);
    // Only after the dialog closed with OK: the fields have passed their checks.
    void StoreValues(TAppData& appData) const;

    TErrorMessageHook OnErrorMessage = ShowErrorMessageBox;

public slots:
    void accept() override;

private:
    QLabel* AddLabel(const char* name, const QString& text, int y);
    QLineEdit* AddEdit(const char* name, int y);
    QCheckBox* AddCheck(const char* name, const QString& text, int y);

    QPushButton* FButton1;
    QPushButton* FButton2;
    QCheckBox* FHistoryCheck;
    QCheckBox* FVariableCheck;
    QCheckBox* FRealTimeCheck;
    QLineEdit* FHistoryEdit;
    QSlider* FOpacityTrack;
    QLineEdit* FSignificantDigitsEdit;
    QLineEdit* FBcdSignificantDigitsEdit;
};

} // namespace kalvio
