#pragma once

#include "calculator/ResultDisplay.h"

#include <QString>
#include <QWidget>

namespace kalvio {

// The result display: draws what the formatter gives (the value text, an error word or a free
// text) right-aligned and vertically centred. A text wider than the control is drawn with a
// smaller font until it fits, so no digit is ever cut off.
class TCalcResultViewerWidget : public QWidget, public TResultDisplay {
    Q_OBJECT

public:
    static constexpr int DesignFontSize = 18;

    explicit TCalcResultViewerWidget(QWidget* parent);

    // The text a paint draws now (has the formatter's side effects, as a paint does).
    QString ShownText();
    // The pixel size the text is drawn with: the design size, or less for a text that would not
    // fit the width.
    int FittedFontPixelSize(const QString& text) const;

    void Repaint() override { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TextRect() const;
};

} // namespace kalvio
