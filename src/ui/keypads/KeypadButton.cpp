#include "ui/keypads/KeypadButton.h"

#include "ui/keypads/KeypadStyle.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

namespace kalvio {

TKeypadButton::TKeypadButton(const QString& objectName, QRect designGeometry, int designFontSize,
                             QWidget* parent)
    : QPushButton(parent), FDesignGeometry(designGeometry), FDesignFontSize(designFontSize) {
    setObjectName(objectName);
    // The expression field keeps the keyboard focus while keys are clicked.
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    ApplyScale(1.0);
}

void TKeypadButton::SetStyleName(const QString& styleName) {
    if (styleName == FStyleName) {
        return;
    }
    FStyleName = styleName;
    // Style sheet rules that select on a property are re-evaluated only on a new polish.
    style()->unpolish(this);
    style()->polish(this);
    update();
}

QString TKeypadButton::RaisedText() const {
    return RaisedTextOfStyle(FStyleName);
}

void TKeypadButton::ApplyScale(double scale) {
    const auto scaled = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
    setGeometry(scaled(FDesignGeometry.x()), scaled(FDesignGeometry.y()),
                scaled(FDesignGeometry.width()), scaled(FDesignGeometry.height()));
    QFont keyFont = font();
    keyFont.setPixelSize(std::max(1, scaled(FDesignFontSize)));
    setFont(keyFont);
}

void TKeypadButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QString raised = RaisedText();
    const QFont captionFont = font();
    QFont raisedFont = captionFont;
    raisedFont.setPixelSize(std::max(1, captionFont.pixelSize() * 3 / 5));
    const QFontMetricsF captionMetrics(captionFont);
    const QFontMetricsF raisedMetrics(raisedFont);
    const double captionWidth = captionMetrics.horizontalAdvance(caption);
    const double raisedWidth = raised.isEmpty() ? 0.0 : raisedMetrics.horizontalAdvance(raised);
    const QRectF area = rect();
    const double left = area.center().x() - (captionWidth + raisedWidth) / 2;
    const double baseline =
        area.center().y() + (captionMetrics.ascent() - captionMetrics.descent()) / 2;

    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(captionFont);
    painter.drawText(QPointF(left, baseline), caption);
    if (!raised.isEmpty()) {
        painter.setFont(raisedFont);
        painter.drawText(QPointF(left + captionWidth, baseline - captionMetrics.ascent() * 0.45),
                         raised);
    }
}

} // namespace kalvio
