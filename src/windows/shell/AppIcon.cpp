#include "windows/shell/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orvex {

namespace {

// The drawing is laid out on a 64 x 64 grid and scaled to the size asked for.
constexpr qreal kGrid = 64.0;

const QColor kOutline(18, 30, 44);
const QColor kBodyLight(64, 98, 132);
const QColor kBodyDark(30, 52, 76);
const QColor kAntenna(40, 40, 44);
const QColor kDisplay(150, 226, 190);
const QColor kDisplayText(30, 80, 60);
const QColor kKey(222, 226, 232);
const QColor kPushToTalk(200, 60, 50);

void DrawAntenna(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAntenna);
    p.drawRoundedRect(QRectF(15, 2, 6, 18), 3, 3);
    // The volume knob beside it.
    p.drawRoundedRect(QRectF(37, 10, 7, 8), 2, 2);
}

void DrawBody(QPainter& p) {
    // The push-to-talk key on the left side, under the body's edge.
    p.setPen(Qt::NoPen);
    p.setBrush(kPushToTalk);
    p.drawRoundedRect(QRectF(7, 27, 5, 12), 2, 2);

    QLinearGradient shade(QPointF(10, 0), QPointF(52, 0));
    shade.setColorAt(0, kBodyLight);
    shade.setColorAt(1, kBodyDark);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(10, 16, 42, 46), 7, 7);
}

void DrawDisplay(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kDisplay);
    const QRectF display(16, 21, 30, 14);
    p.drawRoundedRect(display, 2, 2);
    // Two lines of "text" on the display.
    p.setPen(Qt::NoPen);
    p.setBrush(kDisplayText);
    p.drawRect(QRectF(19, 24, 20, 3));
    p.drawRect(QRectF(19, 29, 12, 3));
}

void DrawKeypad(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kKey);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            p.drawRoundedRect(QRectF(16 + column * 11, 39 + row * 5.5, 8, 3.5), 1.5, 1.5);
}

}  // namespace

QPixmap AppIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    DrawAntenna(painter);
    DrawBody(painter);
    DrawDisplay(painter);
    DrawKeypad(painter);
    return pixmap;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(AppIconPixmap(size));
    return icon;
}

}  // namespace orvex
