#pragma once

#include "ui/keypads/StyledButton.h"

namespace kalvio {

// A small button of a panel's button bar, in the style "HistoryPanelBtnStyle"; a disabled one is
// drawn faded, since the panels enable their buttons by the rows selected.
class TPanelButton : public TStyledButton {
    Q_OBJECT

public:
    TPanelButton(const QString& objectName, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kalvio
