#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>

namespace kalvio {

// A rounded keypad key. Its look comes from the keypad style sheet through its style name; the
// power and inverse styles draw a raised text after the caption, which a style sheet cannot do,
// so the key paints its own label. Its place and font are given at design size and follow the
// keypad's zoom.
class TKeypadButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString styleName READ StyleName WRITE SetStyleName)

public:
    TKeypadButton(const QString& objectName, QRect designGeometry, int designFontSize,
                  QWidget* parent);

    QString StyleName() const { return FStyleName; }
    void SetStyleName(const QString& styleName);
    // The raised part drawn after the caption ("2", "3", "-1" or empty), from the style.
    QString RaisedText() const;

    void ApplyScale(double scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FStyleName;
    QRect FDesignGeometry;
    int FDesignFontSize;
};

} // namespace kalvio
