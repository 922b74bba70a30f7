#include "ui/main/CalcResultViewerWidget.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

namespace kalvio {

namespace {

constexpr int VerticalInset = 5;
constexpr int SmallestFontSize = 6;

} // namespace

TCalcResultViewerWidget::TCalcResultViewerWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CalcResultViewer"));
    // The platform's own font, as the display has no family of its own; bold, 18 pixels.
    QFont valueFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    valueFont.setPixelSize(DesignFontSize);
    valueFont.setBold(true);
    setFont(valueFont);
}

QString TCalcResultViewerWidget::ShownText() {
    return QString::fromStdU16String(Viewer().DisplayText());
}

QRect TCalcResultViewerWidget::TextRect() const {
    return QRect(0, VerticalInset, width(), std::max(0, height() - 2 * VerticalInset));
}

int TCalcResultViewerWidget::FittedFontPixelSize(const QString& text) const {
    const int available = TextRect().width();
    QFont candidate = font();
    for (int size = DesignFontSize; size > SmallestFontSize; --size) {
        candidate.setPixelSize(size);
        if (QFontMetrics(candidate).horizontalAdvance(text) <= available) {
            return size;
        }
    }
    return SmallestFontSize;
}

void TCalcResultViewerWidget::paintEvent(QPaintEvent* /*event*/) {
    const QString text = ShownText();
    QFont textFont = font();
    textFont.setPixelSize(FittedFontPixelSize(text));
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(textFont);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(TextRect(), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

} // namespace kalvio
