#include "ui/main/ExpressionEdit.h"

#include "ui/main/PasteText.h"
#include "ui/main/UiFont.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

namespace kalvio {

std::uint16_t VirtualKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

namespace {

// The character a key press types, or 0: control characters and Ctrl/Alt chords type nothing.
char16_t TypedCharacter(const QKeyEvent& event) {
    if (event.text().isEmpty() ||
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return 0;
    }
    const char16_t first = event.text().at(0).unicode();
    return first < 0x20 || first == 0x7F ? 0 : first;
}

} // namespace

TExpressionEdit::TExpressionEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("ExpressionEdit"));
    setFont(UiFont(DesignFontSize));
    // Dropped text would bypass the key handler.
    setAcceptDrops(false);
}

std::u16string TExpressionEdit::Text() const {
    return text().toStdU16String();
}

void TExpressionEdit::SetText(const std::u16string& text) {
    setText(QString::fromStdU16String(text));
}

int TExpressionEdit::CaretPosition() const {
    return cursorPosition();
}

int TExpressionEdit::SelectionStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int TExpressionEdit::SelectionLength() const {
    return hasSelectedText() ? selectionLength() : 0;
}

void TExpressionEdit::SetCaret(int position) {
    deselect();
    setCursorPosition(std::clamp(position, 0, static_cast<int>(text().size())));
}

void TExpressionEdit::SelectAll() {
    selectAll();
}

void TExpressionEdit::SetFocus() {
    setFocus(Qt::OtherFocusReason);
}

bool TExpressionEdit::IsSwallowed(std::uint16_t key, char16_t keyChar) const {
    return OnKeyDown && OnKeyDown(key, keyChar);
}

void TExpressionEdit::PasteText(const QString& clipboardText) {
    const QString pasted =
        QString::fromStdU16String(PastedFieldText(clipboardText.toStdU16String()));
    if (pasted.isEmpty() || IsSwallowed(0, pasted.at(0).unicode())) {
        return;
    }
    insert(pasted);
}

void TExpressionEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteText(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (IsSwallowed(VirtualKeyOf(event->key()), TypedCharacter(*event))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TExpressionEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (!committed.isEmpty() && IsSwallowed(0, committed.at(0).unicode())) {
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void TExpressionEdit::mousePressEvent(QMouseEvent* event) {
    if (OnMouseDown) {
        OnMouseDown();
    }
    QLineEdit::mousePressEvent(event);
}

void TExpressionEdit::mouseReleaseEvent(QMouseEvent* event) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        PasteText(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TExpressionEdit::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, nullptr, nullptr, nullptr);
        connect(paste, &QAction::triggered, this,
                [this] { PasteText(QGuiApplication::clipboard()->text()); });
    }
    menu->exec(event->globalPos());
}

} // namespace kalvio
