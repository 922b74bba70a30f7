#include "ui/dialogs/DialogMessage.h"

#include <QMessageBox>

namespace kalvio {

void ShowErrorMessageBox(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QStringLiteral("エラー"), message, QMessageBox::Ok);
}

} // namespace kalvio
