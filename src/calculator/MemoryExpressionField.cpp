#include "calculator/MemoryExpressionField.h"

#include "calculator/VirtualKey.h"

#include <algorithm>

namespace kalvio {

void TMemoryExpressionField::SetText(const std::u16string& text) {
    const bool changed = text != FText;
    FText = text;
    SetCaret(static_cast<int>(FText.size()));
    if (changed) {
        Changed();
    }
}

void TMemoryExpressionField::SetCaret(int position) {
    FCaret = std::clamp(position, 0, static_cast<int>(FText.size()));
    FSelectionStart = FCaret;
    FSelectionLength = 0;
}

void TMemoryExpressionField::SelectAll() {
    Select(0, static_cast<int>(FText.size()));
}

void TMemoryExpressionField::Select(int start, int length) {
    const int size = static_cast<int>(FText.size());
    FSelectionStart = std::clamp(start, 0, size);
    FSelectionLength = std::clamp(length, 0, size - FSelectionStart);
    FCaret = FSelectionStart + FSelectionLength;
}

void TMemoryExpressionField::TypeText(std::u16string_view typed) {
    const int start = FSelectionLength > 0 ? FSelectionStart : FCaret;
    FText.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(FSelectionLength),
                  typed);
    SetCaret(start + static_cast<int>(typed.size()));
    Changed();
}

bool TMemoryExpressionField::ApplyKey(std::uint16_t key) {
    const int size = static_cast<int>(FText.size());
    switch (key) {
    case vkLeft:
        SetCaret(FSelectionLength > 0 ? FSelectionStart : FCaret - 1);
        return true;
    case vkRight:
        SetCaret(FSelectionLength > 0 ? FSelectionStart + FSelectionLength : FCaret + 1);
        return true;
    case vkHome:
        SetCaret(0);
        return true;
    case vkEnd:
        SetCaret(size);
        return true;
    case vkBack:
        if (FSelectionLength > 0) {
            DeleteRange(FSelectionStart, FSelectionLength);
        } else if (FCaret > 0) {
            DeleteRange(FCaret - 1, 1);
        }
        return true;
    case vkDelete:
        if (FSelectionLength > 0) {
            DeleteRange(FSelectionStart, FSelectionLength);
        } else if (FCaret < size) {
            DeleteRange(FCaret, 1);
        }
        return true;
    default:
        return false;
    }
}

void TMemoryExpressionField::DeleteRange(int start, int length) {
    FText.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    SetCaret(start);
    Changed();
}

void TMemoryExpressionField::Changed() {
    if (OnChange) {
        OnChange();
    }
}

} // namespace kalvio
