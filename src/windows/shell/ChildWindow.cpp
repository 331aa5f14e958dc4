#include "windows/shell/ChildWindow.h"

#include <QMdiSubWindow>

namespace orvex {

namespace {

QMdiSubWindow* FrameOf(QWidget* window) {
    return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

}  // namespace

void CloseChildWindow(QWidget* window) {
    if (!window) return;
    if (QMdiSubWindow* frame = FrameOf(window)) {
        frame->close();
    } else {
        window->close();
    }
}

}  // namespace orvex
