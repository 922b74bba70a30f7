#include "ui/keypads/StyledButton.h"

#include "ui/keypads/ButtonStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace kalvio {

namespace {

constexpr double DesignCornerRadius = 3;
constexpr double RaisedTextSize = 0.6;
constexpr double RaisedTextLift = 0.45;

} // namespace

TStyledButton::TStyledButton(const QString& objectName, const QString& styleName, QWidget* parent)
    : QPushButton(parent), FStyleName(styleName) {
    setObjectName(objectName);
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
}

void TStyledButton::SetStyleName(const QString& styleName) {
    if (styleName != FStyleName) {
        FStyleName = styleName;
        update();
    }
}

QString TStyledButton::RaisedText() const {
    return ButtonStyle(FStyleName).RaisedText;
}

void TStyledButton::SetOutlineScale(double scale) {
    FOutlineScale = scale;
    update();
}

void TStyledButton::paintEvent(QPaintEvent* /*event*/) {
    const TButtonStyle& style = ButtonStyle(FStyleName);
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const double border = std::max(1.0, FOutlineScale);
    const QRectF face = QRectF(rect()).adjusted(border / 2, border / 2, -border / 2, -border / 2);
    const double radius = DesignCornerRadius * FOutlineScale;
    painter.setPen(QPen(style.Border, border));
    painter.setBrush(isDown() ? style.PressedFace : style.Face);
    painter.drawRoundedRect(face, radius, radius);

    painter.setPen(style.Text);
    painter.setFont(font());
    if (style.RaisedText.isEmpty()) {
        painter.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, text());
        return;
    }
    DrawCaptionWithRaisedText(painter, face, style.RaisedText);
}

void TStyledButton::DrawCaptionWithRaisedText(QPainter& painter, const QRectF& face,
                                              const QString& raised) const {
    const QString caption = text();
    const QFont captionFont = font();
    QFont raisedFont = captionFont;
    raisedFont.setPixelSize(
        std::max(1, static_cast<int>(captionFont.pixelSize() * RaisedTextSize)));
    const QFontMetricsF captionMetrics(captionFont);
    const double captionWidth = captionMetrics.horizontalAdvance(caption);
    const double raisedWidth = QFontMetricsF(raisedFont).horizontalAdvance(raised);
    const double left = face.center().x() - (captionWidth + raisedWidth) / 2;
    const double baseline =
        face.center().y() + (captionMetrics.ascent() - captionMetrics.descent()) / 2;
    painter.drawText(QPointF(left, baseline), caption);
    painter.setFont(raisedFont);
    painter.drawText(
        QPointF(left + captionWidth, baseline - captionMetrics.ascent() * RaisedTextLift), raised);
}

} // namespace kalvio
