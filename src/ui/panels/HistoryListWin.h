#pragma once

#include "ui/panels/BasePanelWin.h"

namespace kalvio {

class TCalculator;
class THistoryListFrame;

// The history window "履歴".
class THistoryListForm : public TBasePanelForm {
    Q_OBJECT

public:
    static constexpr int DesignClientWidth = 323;

    THistoryListForm(TCalculator& calculator, QWidget* owner);

    THistoryListFrame& HistoryListFrame() { return *FFrame; }

private:
    THistoryListFrame* FFrame;
};

} // namespace kalvio
