#pragma once

#include "ui/keypads/KeypadButton.h"

#include <QString>
#include <QWidget>
#include <vector>

namespace kalvio {

// What both keypads share: a 328 x 165 panel of keys on a grid of five columns and four rows,
// zoomed as a whole.
class TKeypadFrame : public QWidget {
    Q_OBJECT

public:
    static constexpr int DesignWidth = 328;
    static constexpr int DesignHeight = 165;

    explicit TKeypadFrame(QWidget* parent);

    // Sizes the panel and its keys by the zoom factor.
    void SetScale(double scale);
    double Scale() const { return FScale; }
    TKeypadButton* FindButton(const QString& objectName) const;

protected:
    // A key in the cell at `row` and `column` (both from 1), spanning `columnSpan` cells.
    TKeypadButton* AddButton(const QString& objectName, int row, int column, int columnSpan,
                             int fontSize);

private:
    std::vector<TKeypadButton*> FButtons;
    double FScale = 1.0;
};

} // namespace kalvio
