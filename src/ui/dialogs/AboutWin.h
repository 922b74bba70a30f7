#pragma once

#include <QDialog>

namespace kalvio {

// The About box "バージョン情報": the product name, its version and a notice.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent);
};

} // namespace kalvio
