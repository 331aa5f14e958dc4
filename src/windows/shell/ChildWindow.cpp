#include "windows/shell/ChildWindow.h"

#include <QMdiArea>
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

void PlaceInMdiArea(QWidget* window, double widthDivisor, double heightDivisor, int lift) {
    QMdiSubWindow* frame = FrameOf(window);
    QWidget* area = frame ? frame->mdiArea() : nullptr;
    if (!area) return;
    const QSize client = area->size();
    const int width = static_cast<int>(client.width() / widthDivisor);
    const int height = static_cast<int>(client.height() / heightDivisor);
    frame->setGeometry((client.width() - width) / 2, (client.height() - height) / 2 - lift, width,
                       height);
}

}  // namespace orvex
