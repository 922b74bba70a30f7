#pragma once

#include "calculator/ExpressionField.h"

#include <QLineEdit>
#include <QString>
#include <cstdint>
#include <functional>

namespace kalvio {

// The single-line expression field. Every key reaches the calculator's key handler before the
// field applies it (the handler may swallow it); a paste is handled like typing its first
// character followed by the rest, with a pasted grouped number losing its commas.
class TExpressionEdit : public QLineEdit, public TExpressionField {
    Q_OBJECT

public:
    static constexpr int DesignFontSize = 18;

    explicit TExpressionEdit(QWidget* parent);

    std::u16string Text() const override;
    int TextLength() const override { return static_cast<int>(text().size()); }
    void SetText(const std::u16string& text) override;
    int CaretPosition() const override;
    int SelectionStart() const override;
    int SelectionLength() const override;
    void SetCaret(int position) override;
    void SelectAll() override;
    void SetFocus() override;

    // Pastes `clipboardText` as the field does with the clipboard.
    void PasteText(const QString& clipboardText);

    // The calculator's key handler: a virtual key code (0 if the key has none) and the typed
    // character (0 if none); returns true when it swallows the key.
    std::function<bool(std::uint16_t key, char16_t keyChar)> OnKeyDown;
    std::function<void()> OnMouseDown;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool IsSwallowed(std::uint16_t key, char16_t keyChar) const;
};

// The virtual key code of a Qt key for the calculator's key handlers; 0 for keys it ignores.
std::uint16_t VirtualKeyOf(int qtKey);

} // namespace kalvio
