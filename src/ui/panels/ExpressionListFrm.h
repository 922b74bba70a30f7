#pragma once

#include "ui/panels/ExpressionListModel.h"
#include "ui/panels/PanelFrame.h"

namespace kalvio {

class TCalculator;

// The saved expression panel: one row per saved text. A double-click puts the text back into the
// expression field (the part after a ";" label); Del, Clear and the moves edit the list, whose
// order is also the saved order.
class TExpressionListFrame : public TPanelFrame {
    Q_OBJECT

public:
    static constexpr int RowHeight = 25;

    TExpressionListFrame(TCalculator& calculator, QWidget* parent);

    TExpressionListModel& Model() { return *FModel; }
    void UpdateListBox();
    void ActionListUpdate() override;

protected:
    void DblClickList(int row) override;

private:
    void MoveCurrent(int step);

    TCalculator& FCalculator;
    TExpressionListModel* FModel;
};

} // namespace kalvio
