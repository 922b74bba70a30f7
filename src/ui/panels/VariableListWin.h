#pragma once

#include "ui/panels/BasePanelWin.h"

namespace kalvio {

class TCalculator;
class TVariableListFrame;

// The variable window "変数".
class TVariableListForm : public TBasePanelForm {
    Q_OBJECT

public:
    TVariableListForm(TCalculator& calculator, QWidget* owner);

    TVariableListFrame& VariableListFrame() { return *FFrame; }

private:
    TVariableListFrame* FFrame;
};

} // namespace kalvio
