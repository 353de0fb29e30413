#include "ui/EntryBox.h"

#include <QFocusEvent>
#include <limits>

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
    // textEdited fires for typing, pasting, cutting and undo, never for write().
    connect(this, &QLineEdit::textEdited, this, [this] { edited_ = true; });
}

void EntryBox::write(const QString& text) {
    setText(text);
    edited_ = false;
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching to another application or opening the box's context menu hands
    // the focus back to this box later; only a move within the window counts.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        emit lostFocus();
    }
}
