#pragma once

#include <QPushButton>
#include <QRectF>
#include <QString>

class QPainter;

namespace kalvio {

// A rounded push button drawn in a named style of our style book. The power and inverse styles
// draw a raised text after the caption. It never takes the keyboard focus, so the expression
// field keeps it while buttons are clicked.
class TStyledButton : public QPushButton {
    Q_OBJECT

public:
    TStyledButton(const QString& objectName, const QString& styleName, QWidget* parent);

    QString StyleName() const { return FStyleName; }
    void SetStyleName(const QString& styleName);
    // The raised part drawn after the caption ("2", "3", "-1" or empty), from the style.
    QString RaisedText() const;
    // Corner radius and border width grow with the zoom factor.
    void SetOutlineScale(double scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawCaptionWithRaisedText(QPainter& painter, const QRectF& face,
                                   const QString& raised) const;

    QString FStyleName;
    double FOutlineScale = 1.0;
};

} // namespace kalvio
