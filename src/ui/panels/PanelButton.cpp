#include "ui/panels/PanelButton.h"

#include <QPainter>

namespace kalvio {

namespace {

// The panel's background, laid over a disabled button.
const QColor DisabledVeil(0xe9, 0xec, 0xf0, 160);

} // namespace

TPanelButton::TPanelButton(const QString& objectName, QWidget* parent)
    : TStyledButton(objectName, QStringLiteral("HistoryPanelBtnStyle"), parent) {}

void TPanelButton::paintEvent(QPaintEvent* event) {
    TStyledButton::paintEvent(event);
    if (!isEnabled()) {
        QPainter painter(this);
        painter.fillRect(rect(), DisabledVeil);
    }
}

} // namespace kalvio
