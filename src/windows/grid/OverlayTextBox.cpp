#include "windows/grid/OverlayTextBox.h"

#include <QKeyEvent>

#include "windows/grid/KeyCharCode.h"

namespace orvex {

OverlayTextBox::OverlayTextBox(QWidget* parent) : QLineEdit(parent) {}

void OverlayTextBox::keyPressEvent(QKeyEvent* event) {
    const int charCode = KeyCharCode(*event);
    if (charCode >= 0) emit keyPressed(charCode);
    if (charCode == kEnterCharCode) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace orvex
