#pragma once

#include "calculator/ResultDisplay.h"
#include "display/CalcResultViewer.h"

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

    TCalcResultViewer& Viewer() { return FViewer; }
    // The text a paint draws now (has the formatter's side effects, as a paint does).
    QString ShownText();
    // The pixel size the text is drawn with: the design size, or less for a text that would not
    // fit the width.
    int FittedFontPixelSize(const QString& text) const;

    void ShowValue(double value, const TBcd& bcdValue) override;
    void ShowError(const std::u16string& message) override;
    void ShowText(const std::u16string& text) override;
    std::u16string ValueText() override { return FViewer.ValueText(); }
    void Repaint() override { update(); }
    TResultViewType ViewMode() const override { return FViewer.ViewMode(); }
    void SetViewMode(TResultViewType viewMode) override { FViewer.SetViewMode(viewMode); }
    int DigitNumber() const override { return FViewer.DigitNumber(); }
    void SetDigitNumber(int digitNumber) override { FViewer.SetDigitNumber(digitNumber); }
    bool IsGroupingSeparator() const override { return FViewer.IsGroupingSeparator(); }
    void SetIsGroupingSeparator(bool isGrouping) override {
        FViewer.SetIsGroupingSeparator(isGrouping);
    }
    int Eng() const override { return FViewer.Eng(); }
    void SetEng(int eng) override { FViewer.SetEng(eng); }
    void SetIsBigDecimal(bool isBigDecimal) override;
    int SignificantDigits() const override { return FViewer.SignificantDigits(); }
    void SetSignificantDigits(int digits) override { FViewer.SetSignificantDigits(digits); }
    void SetBcdSignificantDigits(int digits) override { FViewer.SetBcdSignificantDigits(digits); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TextRect() const;

    TCalcResultViewer FViewer;
};

} // namespace kalvio
