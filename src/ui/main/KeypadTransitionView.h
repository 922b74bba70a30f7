#pragma once

#include "ui/main/KeypadTransition.h"

#include <QPixmap>
#include <QWidget>

namespace kalvio {

// The keypad area during a transition: a snapshot of each keypad on a layer that moves up and
// down and back into depth, drawn smaller and darker the further back it is.
class TKeypadTransitionView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal functionY READ FunctionY WRITE SetFunctionY)
    Q_PROPERTY(qreal functionZ READ FunctionZ WRITE SetFunctionZ)
    Q_PROPERTY(qreal numericY READ NumericY WRITE SetNumericY)
    Q_PROPERTY(qreal numericZ READ NumericZ WRITE SetNumericZ)

public:
    explicit TKeypadTransitionView(QWidget* parent);

    // The snapshots; a null pixmap leaves its layer empty. Scale is the zoom factor.
    void SetLayers(const QPixmap& functionImage, const QPixmap& numericImage, double scale);
    void Start(const TKeypadTransitionPlan& plan);

    qreal FunctionY() const { return FFunctionY; }
    void SetFunctionY(qreal y);
    qreal FunctionZ() const { return FFunctionZ; }
    void SetFunctionZ(qreal z);
    qreal NumericY() const { return FNumericY; }
    void SetNumericY(qreal y);
    qreal NumericZ() const { return FNumericZ; }
    void SetNumericZ(qreal z);

    // The property an animation drives for a layer and axis.
    static const char* PropertyName(TKeypadKind layer, TLayerAxis axis);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawLayer(QPainter& painter, const QPixmap& image, qreal y, qreal z) const;

    QPixmap FFunctionImage;
    QPixmap FNumericImage;
    double FScale = 1.0;
    qreal FFunctionY = 0;
    qreal FFunctionZ = 0;
    qreal FNumericY = 0;
    qreal FNumericZ = 0;
};

} // namespace kalvio
