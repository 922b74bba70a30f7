#pragma once

#include "ui/panels/PanelFrame.h"
#include "ui/panels/VariableListModel.h"

namespace kalvio {

class TCalculator;

// The variable panel: one row per variable. A double-click inserts the name into the expression
// field; Del removes the current variable, protected or not; Clear removes the overwritable ones;
// Copy takes the value; the moves change the order in which the variables are shown and saved.
class TVariableListFrame : public TPanelFrame {
    Q_OBJECT

public:
    static constexpr int RowHeight = 25;

    TVariableListFrame(TCalculator& calculator, QWidget* parent);

    TVariableListModel& Model() { return *FModel; }
    void UpdateListBox();
    void SetIsBigDecimal(bool isBigDecimal);
    void SetSignificantDigits(int digits, int bcdDigits);
    void ActionListUpdate() override;

protected:
    void DblClickList(int row) override;

private:
    QString NameOfRow(int row) const;
    void CopyActionExecute();
    void MoveCurrent(int step);

    TCalculator& FCalculator;
    TVariableListModel* FModel;
};

} // namespace kalvio
