#pragma once

#include "calculator/ExpressionField.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kalvio {

// An expression field without a window, for the command line and the tests. It reports every
// change of its text, as the window's field does, and applies typed text as a keyboard would.
class TMemoryExpressionField : public TExpressionField {
public:
    std::u16string Text() const override { return FText; }
    int TextLength() const override { return static_cast<int>(FText.size()); }
    void SetText(const std::u16string& text) override;
    int CaretPosition() const override { return FCaret; }
    int SelectionStart() const override { return FSelectionStart; }
    int SelectionLength() const override { return FSelectionLength; }
    void SetCaret(int position) override;
    void SelectAll() override;
    void SetFocus() override {}

    // What the field does with a typed character the key handler did not swallow: it replaces
    // the selection, or is inserted at the caret, and the caret follows it.
    void TypeText(std::u16string_view typed);
    // What the field does with a key without a character that the key handler did not swallow:
    // caret keys move the caret, Backspace and Delete edit. False for keys it does not handle.
    bool ApplyKey(std::uint16_t key);
    // Selects `length` units from `start` (the caret goes to the end of the selection).
    void Select(int start, int length);

    // Called after every change of the text.
    std::function<void()> OnChange;

private:
    void Changed();
    void DeleteRange(int start, int length);

    std::u16string FText;
    int FCaret = 0;
    int FSelectionStart = 0;
    int FSelectionLength = 0;
};

} // namespace kalvio
