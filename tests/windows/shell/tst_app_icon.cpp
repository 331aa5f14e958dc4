#include <QImage>
#include <QtTest>

#include "windows/shell/AppIcon.h"

using namespace orvex;

namespace {

// A point of the 64 x 64 drawing grid, at `size` pixels.
QColor At(const QImage& image, int size, double gridX, double gridY) {
    return image.pixelColor(int(gridX * size / 64), int(gridY * size / 64));
}

}  // namespace

class AppIconTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsTheRadioAtAnySize_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
        QTest::newRow("64") << 64;
        QTest::newRow("100") << 100;
        QTest::newRow("256") << 256;
    }
    void drawsTheRadioAtAnySize() {
        QFETCH(int, size);
        const QPixmap pixmap = AppIconPixmap(size);
        QCOMPARE(pixmap.size(), QSize(size, size));
        const QImage image = pixmap.toImage();

        // Transparent ground around the radio.
        for (const QPoint& corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(size - 1, size - 1)})
            QCOMPARE(image.pixelColor(corner).alpha(), 0);
        QCOMPARE(At(image, size, 4, 8).alpha(), 0);  // left of the antenna

        const QColor antenna = At(image, size, 18, 6);
        const QColor body = At(image, size, 49, 46);
        const QColor display = At(image, size, 42, 33);
        const QColor key = At(image, size, 20, 40.5);
        for (const QColor& part : {antenna, body, display, key})
            QCOMPARE(part.alpha(), 255);
        // The display is a light green on a darker body; the keys are lighter than the body.
        QVERIFY(display.green() > display.red() && display.green() > display.blue());
        QVERIFY(display.lightness() > body.lightness());
        QVERIFY(key.lightness() > body.lightness());
        QVERIFY(antenna.lightness() < display.lightness());
    }

    void iconOffersTheUsualSizes() {
        const QIcon icon = AppIcon();
        const QList<QSize> sizes = icon.availableSizes();
        for (int size : {16, 32, 48, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }
};

QTEST_MAIN(AppIconTest)
#include "tst_app_icon.moc"
