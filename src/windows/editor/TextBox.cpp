#include "windows/editor/TextBox.h"

#include <QFocusEvent>

namespace orvex {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit lostFocus();
}

}  // namespace orvex
