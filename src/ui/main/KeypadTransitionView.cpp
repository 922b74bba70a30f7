#include "ui/main/KeypadTransitionView.h"

#include <QPainter>

namespace kalvio {

namespace {

// At the full depth a layer is drawn at 94 % of its size and a quarter darker.
constexpr double ShrinkPerDepth = 0.006;
constexpr double ShadePerDepth = 0.025;

} // namespace

TKeypadTransitionView::TKeypadTransitionView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("NumericViewport"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    hide();
}

void TKeypadTransitionView::SetLayers(const QPixmap& functionImage, const QPixmap& numericImage,
                                      double scale) {
    FFunctionImage = functionImage;
    FNumericImage = numericImage;
    FScale = scale;
}

void TKeypadTransitionView::Start(const TKeypadTransitionPlan& plan) {
    FFunctionY = plan.FunctionY;
    FFunctionZ = plan.FunctionZ;
    FNumericY = plan.NumericY;
    FNumericZ = plan.NumericZ;
    update();
}

void TKeypadTransitionView::SetFunctionY(qreal y) {
    FFunctionY = y;
    update();
}

void TKeypadTransitionView::SetFunctionZ(qreal z) {
    FFunctionZ = z;
    update();
}

void TKeypadTransitionView::SetNumericY(qreal y) {
    FNumericY = y;
    update();
}

void TKeypadTransitionView::SetNumericZ(qreal z) {
    FNumericZ = z;
    update();
}

const char* TKeypadTransitionView::PropertyName(TKeypadKind layer, TLayerAxis axis) {
    if (layer == kkFunction) {
        return axis == laY ? "functionY" : "functionZ";
    }
    return axis == laY ? "numericY" : "numericZ";
}

void TKeypadTransitionView::DrawLayer(QPainter& painter, const QPixmap& image, qreal y,
                                      qreal z) const {
    if (image.isNull()) {
        return;
    }
    const QSizeF full = image.deviceIndependentSize();
    const double factor = 1.0 - ShrinkPerDepth * z;
    const QRectF target((full.width() - full.width() * factor) / 2,
                        y * FScale + (full.height() - full.height() * factor) / 2,
                        full.width() * factor, full.height() * factor);
    painter.drawPixmap(target, image, QRectF(image.rect()));
    if (z > 0) {
        painter.fillRect(target, QColor(0, 0, 0, static_cast<int>(255 * ShadePerDepth * z)));
    }
}

void TKeypadTransitionView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), palette().window());
    // The layer further back is drawn first.
    if (FFunctionZ >= FNumericZ) {
        DrawLayer(painter, FFunctionImage, FFunctionY, FFunctionZ);
        DrawLayer(painter, FNumericImage, FNumericY, FNumericZ);
    } else {
        DrawLayer(painter, FNumericImage, FNumericY, FNumericZ);
        DrawLayer(painter, FFunctionImage, FFunctionY, FFunctionZ);
    }
}

} // namespace kalvio
