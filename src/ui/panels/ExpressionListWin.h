#pragma once

#include "ui/panels/BasePanelWin.h"

namespace kalvio {

class TCalculator;
class TExpressionListFrame;

// The saved expression window "式".
class TExpressionListForm : public TBasePanelForm {
    Q_OBJECT

public:
    TExpressionListForm(TCalculator& calculator, QWidget* owner);

    TExpressionListFrame& ExpressionListFrame() { return *FFrame; }

private:
    TExpressionListFrame* FFrame;
};

} // namespace kalvio
