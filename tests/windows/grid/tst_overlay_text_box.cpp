#include <QtTest>

#include "windows/grid/OverlayTextBox.h"

using namespace orvex;

class OverlayTextBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void reportsTheCharacterCodeOfEachKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("return") << int(Qt::Key_Return) << QList<int>{13};
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << QList<int>{13};
        QTest::newRow("digit") << int(Qt::Key_4) << QList<int>{'4'};
        QTest::newRow("point") << int(Qt::Key_Period) << QList<int>{'.'};
        QTest::newRow("letter") << int(Qt::Key_A) << QList<int>{'a'};
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << QList<int>{8};
        QTest::newRow("escape") << int(Qt::Key_Escape) << QList<int>{27};
        QTest::newRow("arrow types nothing") << int(Qt::Key_Left) << QList<int>{};
        QTest::newRow("shift alone types nothing") << int(Qt::Key_Shift) << QList<int>{};
    }
    void reportsTheCharacterCodeOfEachKey() {
        QFETCH(int, key);
        QFETCH(QList<int>, codes);
        OverlayTextBox box;
        QList<int> reported;
        connect(&box, &OverlayTextBox::keyPressed, &box, [&](int code) { reported << code; });

        QTest::keyClick(&box, Qt::Key(key));

        QCOMPARE(reported, codes);
    }

    void acceptsEveryTypedCharacter() {
        OverlayTextBox box;
        QList<int> reported;
        connect(&box, &OverlayTextBox::keyPressed, &box, [&](int code) { reported << code; });

        QTest::keyClicks(&box, "146.52 MHz?");

        QCOMPARE(box.text(), QString("146.52 MHz?"));
        QCOMPARE(reported.size(), 11);
        QCOMPARE(reported.first(), int('1'));
        QCOMPARE(reported.last(), int('?'));
    }

    void keyIsReportedBeforeTheBoxHandlesIt() {
        OverlayTextBox box;
        box.setText("145.5");
        QStringList textsSeen;
        connect(&box, &OverlayTextBox::keyPressed, &box, [&] { textsSeen << box.text(); });

        QTest::keyClick(&box, Qt::Key_0);
        QTest::keyClick(&box, Qt::Key_Backspace);

        QCOMPARE(textsSeen, (QStringList{"145.5", "145.50"}));
        QCOMPARE(box.text(), QString("145.5"));
    }

    void enterEndsAtTheBox() {
        // The handler may hide the box and put the committed text in; Enter then goes no
        // further (no default button of the window is pressed by it).
        QWidget window;
        auto* box = new OverlayTextBox(&window);
        box->setText("66.1");
        connect(box, &OverlayTextBox::keyPressed, box, [box](int code) {
            if (code != 13) return;
            box->setText("66.10000");
            box->hide();
        });
        QSignalSpy returns(box, &QLineEdit::returnPressed);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");

        QApplication::sendEvent(box, &enter);

        QVERIFY(enter.isAccepted());
        QCOMPARE(box->text(), QString("66.10000"));
        QVERIFY(box->isHidden());
        QCOMPARE(returns.count(), 0);
    }
};

QTEST_MAIN(OverlayTextBoxTest)
#include "tst_overlay_text_box.moc"
