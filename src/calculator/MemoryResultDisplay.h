#pragma once

#include "calculator/ResultDisplay.h"

#include <string>

namespace kalvio {

// The result display without a window, for the command line and the tests. ShownText is what a
// window would draw.
class TMemoryResultDisplay : public TResultDisplay {
public:
    void Repaint() override {}

    // The value text, the error message or the free text, as the display is drawn.
    std::u16string ShownText() { return Viewer().DisplayText(); }
};

} // namespace kalvio
