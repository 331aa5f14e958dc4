#include "windows/grid/KeyCharCode.h"

#include <QKeyEvent>

namespace orvex {

int KeyCharCode(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return kEnterCharCode;
    const QString typed = event.text();
    return typed.isEmpty() ? -1 : typed.front().unicode();
}

}  // namespace orvex
