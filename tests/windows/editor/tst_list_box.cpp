#include <QAbstractItemView>
#include <QLineEdit>
#include <QtTest>

#include "windows/editor/ListBox.h"

using namespace orvex;

namespace {

QStringList Times() {
    QStringList items;
    for (int ms = 50; ms <= 2000; ms += 10)
        items << QString::number(ms);
    return items;
}

}  // namespace

// The editors' list settings: only choosing from the list changes the value.
class ListBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void positionsAndFilling() {
        ListBox list;
        list.setItems({"a", "b", "c"});
        QCOMPARE(list.currentIndex(), -1);
        list.setPosition(1);
        QCOMPARE(list.currentText(), QString("b"));
        list.setPosition(50);  // beyond the list: its last item
        QCOMPARE(list.currentIndex(), 2);
        list.setItems({"x", "y"});
        QCOMPARE(list.currentIndex(), -1);
        QCOMPARE(list.count(), 2);
    }

    // Typing "9" into a list of times must not select "90", nor any other item.
    void typingIsIgnored_data() {
        QTest::addColumn<bool>("popupOpen");
        QTest::newRow("closed") << false;
        QTest::newRow("popup open") << true;
    }
    void typingIsIgnored() {
        QFETCH(bool, popupOpen);
        QWidget window;
        auto* list = new ListBox(&window, ListBox::Typing::Ignored);
        list->setItems(Times());
        list->setPosition(3);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        list->setFocus();
        QVERIFY(!list->isEditable());
        if (popupOpen) {
            list->showPopup();
            QTest::keyClicks(list->view(), "9");
            QTest::keyClicks(list->view(), "15");
            QTest::keyClick(list->view(), Qt::Key_Return);
        } else {
            QTest::keyClicks(list, "9");
            QTest::keyClicks(list, "15");
        }
        QCOMPARE(list->currentText(), QString("80"));
        // The arrow keys still move through the list.
        list->hidePopup();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QString("90"));
    }

    void typingSelectsTheFirstItem() {
        QWidget window;
        auto* list = new ListBox(&window);
        list->setItems({"15", "30", "45"});
        list->setPosition(2);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list, "30");
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->currentText(), QString("15"));
    }
};

QTEST_MAIN(ListBoxTest)
#include "tst_list_box.moc"
