#pragma once

#include <string>

namespace kalvio {

// The single-line expression field as the calculator sees it. Positions count UTF-16 units.
// The selection always ends at the caret.
class TExpressionField {
public:
    virtual ~TExpressionField() = default;

    virtual std::u16string Text() const = 0;
    virtual int TextLength() const = 0;
    // Replaces the text; the selection goes and the caret moves to the end.
    virtual void SetText(const std::u16string& text) = 0;
    virtual int CaretPosition() const = 0;
    virtual int SelectionStart() const = 0;
    virtual int SelectionLength() const = 0;
    // Clears the selection and puts the caret at `position`, limited to the text.
    virtual void SetCaret(int position) = 0;
    // Selects the whole text; the caret goes to its end.
    virtual void SelectAll() = 0;
    virtual void SetFocus() = 0;
};

} // namespace kalvio
