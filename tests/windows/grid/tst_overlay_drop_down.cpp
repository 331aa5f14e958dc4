#include <QAbstractItemView>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "windows/grid/OverlayDropDown.h"

using namespace orvex;

namespace {

const QStringList kPttIdItems{"OFF", "BOT", "EOT", "BOTH"};

void Fill(OverlayDropDown& dropDown, const QStringList& items) {
    dropDown.clear();
    for (const QString& item : items)
        dropDown.addItem(item);
}

// A window with the drop-down and a field beside it that can take the focus.
class DropDownWindow : public QWidget {
  public:
    DropDownWindow() {
        auto* layout = new QVBoxLayout(this);
        elsewhere = new QLineEdit(this);
        dropDown = new OverlayDropDown(this);
        layout->addWidget(elsewhere);
        layout->addWidget(dropDown);
        Fill(*dropDown, kPttIdItems);
    }
    bool showActive() {
        show();
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }

    QLineEdit* elsewhere;
    OverlayDropDown* dropDown;
};

// Counts of the signals that tell the program what the user did.
struct UserSignals {
    explicit UserSignals(OverlayDropDown* dropDown)
        : changed(dropDown, &OverlayDropDown::changed),
          clickedItem(dropDown, &OverlayDropDown::clickedItem) {}
    QSignalSpy changed;
    QSignalSpy clickedItem;
};

}  // namespace

class OverlayDropDownTest : public QObject {
    Q_OBJECT

  private slots:
    void itemsInOrder() {
        OverlayDropDown dropDown;
        QCOMPARE(dropDown.count(), 0);
        QCOMPARE(dropDown.listIndex(), -1);
        QCOMPARE(dropDown.text(), QString());

        Fill(dropDown, kPttIdItems);

        QCOMPARE(dropDown.count(), 4);
        for (int i = 0; i < kPttIdItems.size(); ++i)
            QCOMPARE(dropDown.itemText(i), kPttIdItems[i]);
        Fill(dropDown, {"HIGH", "LOW"});
        QCOMPARE(dropDown.count(), 2);
        QCOMPARE(dropDown.itemText(1), QString("LOW"));
    }

    // Steps: "index N" sets the list index, "text T" the text, "refill" clears the list and
    // adds the items again.
    void listIndexAndText_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing chosen") << QStringList{} << -1 << "";
        QTest::newRow("index") << QStringList{"index 2"} << 2 << "EOT";
        QTest::newRow("first index") << QStringList{"index 3", "index 0"} << 0 << "OFF";
        QTest::newRow("index -1 empties") << QStringList{"index 1", "index -1"} << -1 << "";
        QTest::newRow("index beyond ignored") << QStringList{"index 1", "index 4"} << 1 << "BOT";
        QTest::newRow("index below -1 ignored") << QStringList{"index 1", "index -2"} << 1 << "BOT";
        QTest::newRow("item text") << QStringList{"text BOTH"} << 3 << "BOTH";
        QTest::newRow("other text") << QStringList{"index 1", "text D023N"} << -1 << "D023N";
        QTest::newRow("case matters") << QStringList{"text off"} << -1 << "off";
        QTest::newRow("empty text") << QStringList{"index 2", "text "} << -1 << "";
        QTest::newRow("text then item text") << QStringList{"text 1", "text EOT"} << 2 << "EOT";
        QTest::newRow("text kept over a refill") << QStringList{"text BOT", "refill"} << 1 << "BOT";
        QTest::newRow("other text kept over a refill")
            << QStringList{"text 77.0", "refill"} << -1 << "77.0";
    }
    void listIndexAndText() {
        QFETCH(QStringList, steps);
        QFETCH(int, listIndex);
        QFETCH(QString, text);
        OverlayDropDown dropDown;
        Fill(dropDown, kPttIdItems);
        UserSignals user(&dropDown);

        for (const QString& step : steps) {
            const QString argument = step.section(' ', 1);
            if (step.startsWith("index")) dropDown.setListIndex(argument.toInt());
            if (step.startsWith("text")) dropDown.setText(argument);
            if (step == "refill") Fill(dropDown, kPttIdItems);
        }

        QCOMPARE(dropDown.listIndex(), listIndex);
        QCOMPARE(dropDown.text(), text);
        QCOMPARE(dropDown.lineEdit()->text(), text);
        QCOMPARE(user.changed.count(), 0);
        QCOMPARE(user.clickedItem.count(), 0);
    }

    void typingRaisesChangedAndNoItemIsChosen() {
        DropDownWindow window;
        QVERIFY(window.showActive());
        OverlayDropDown* dropDown = window.dropDown;
        dropDown->setText("OFF");
        dropDown->setFocus();
        dropDown->lineEdit()->selectAll();
        UserSignals user(dropDown);

        QTest::keyClicks(dropDown, "xy");

        QCOMPARE(dropDown->text(), QString("xy"));
        QCOMPARE(dropDown->listIndex(), -1);
        QCOMPARE(user.changed.count(), 2);
        QCOMPARE(user.clickedItem.count(), 0);
        QCOMPARE(dropDown->count(), 4);
    }

    void changedHandlerMayPutTheTextBack() {
        // The channel editor undoes typing: only a choice from the list changes the value.
        DropDownWindow window;
        QVERIFY(window.showActive());
        OverlayDropDown* dropDown = window.dropDown;
        dropDown->setText("EOT");
        dropDown->setFocus();
        connect(dropDown, &OverlayDropDown::changed, dropDown,
                [dropDown] { dropDown->setText("EOT"); });
        QSignalSpy changes(dropDown, &OverlayDropDown::changed);

        QTest::keyClicks(dropDown, "ab");
        QTest::keyClick(dropDown, Qt::Key_Backspace);

        QCOMPARE(dropDown->text(), QString("EOT"));
        QCOMPARE(dropDown->listIndex(), 2);
        QCOMPARE(changes.count(), 3);
    }

    void choosingWithTheArrowKeysRaisesClickedItem_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("listIndex");
        QTest::newRow("down") << int(Qt::Key_Down) << 2;
        QTest::newRow("up") << int(Qt::Key_Up) << 0;
    }
    void choosingWithTheArrowKeysRaisesClickedItem() {
        QFETCH(int, key);
        QFETCH(int, listIndex);
        DropDownWindow window;
        QVERIFY(window.showActive());
        OverlayDropDown* dropDown = window.dropDown;
        dropDown->setListIndex(1);
        dropDown->setFocus();
        QList<int> indexSeen;
        connect(dropDown, &OverlayDropDown::clickedItem, dropDown,
                [&] { indexSeen << dropDown->listIndex(); });
        QSignalSpy changes(dropDown, &OverlayDropDown::changed);

        QTest::keyClick(dropDown, Qt::Key(key));

        QCOMPARE(indexSeen, QList<int>{listIndex});
        QCOMPARE(dropDown->text(), kPttIdItems[listIndex]);
        QCOMPARE(changes.count(), 0);
    }

    void choosingFromTheListRaisesClickedItem() {
        DropDownWindow window;
        QVERIFY(window.showActive());
        OverlayDropDown* dropDown = window.dropDown;
        dropDown->setText("OFF");
        dropDown->setFocus();
        UserSignals user(dropDown);
        QSignalSpy focus(dropDown, &OverlayDropDown::gotFocus);
        QList<QString> textSeen;
        connect(dropDown, &OverlayDropDown::clickedItem, dropDown,
                [&] { textSeen << dropDown->text(); });

        dropDown->showPopup();
        QAbstractItemView* list = dropDown->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect item = list->visualRect(list->model()->index(3, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());

        QCOMPARE(textSeen, QList<QString>{"BOTH"});
        QCOMPARE(dropDown->listIndex(), 3);
        QCOMPARE(user.changed.count(), 0);
        // The list is part of the drop-down: closing it gives no new focus.
        QVERIFY(dropDown->hasFocus());
        QCOMPARE(focus.count(), 0);
    }

    void typedItemTextIsNoChoiceWhenLeaving() {
        DropDownWindow window;
        QVERIFY(window.showActive());
        OverlayDropDown* dropDown = window.dropDown;
        dropDown->setText("OFF");
        dropDown->setFocus();
        dropDown->lineEdit()->selectAll();
        UserSignals user(dropDown);

        QTest::keyClicks(dropDown, "EOT");
        window.elsewhere->setFocus();

        QCOMPARE(user.clickedItem.count(), 0);
        QCOMPARE(user.changed.count(), 3);
        QCOMPARE(dropDown->listIndex(), 2);
    }

    void gotFocusWhenTheFocusArrives() {
        DropDownWindow window;
        QVERIFY(window.showActive());
        OverlayDropDown* dropDown = window.dropDown;
        window.elsewhere->setFocus();
        QSignalSpy focus(dropDown, &OverlayDropDown::gotFocus);

        dropDown->setFocus();
        QCOMPARE(focus.count(), 1);
        dropDown->setFocus();
        QCOMPARE(focus.count(), 1);
        window.elsewhere->setFocus();
        QCOMPARE(focus.count(), 1);
        QTest::mouseClick(dropDown->lineEdit(), Qt::LeftButton);
        QCOMPARE(focus.count(), 2);
    }

    void reportsKeysWithEnterAsThirteen() {
        DropDownWindow window;
        QVERIFY(window.showActive());
        OverlayDropDown* dropDown = window.dropDown;
        dropDown->setListIndex(0);
        dropDown->setFocus();
        QList<int> reported;
        connect(dropDown, &OverlayDropDown::keyPressed, dropDown,
                [&](int code) { reported << code; });
        UserSignals user(dropDown);

        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, "\r");
        QApplication::sendEvent(dropDown, &enter);
        QTest::keyClick(dropDown, Qt::Key_Return);
        QTest::keyClick(dropDown, Qt::Key_Down);
        QTest::keyClick(dropDown, Qt::Key_B);

        QCOMPARE(reported, (QList<int>{13, 13, 'b'}));
        // Enter ends at the drop-down: no default button of the window is pressed by it.
        QVERIFY(enter.isAccepted());
        QCOMPARE(user.clickedItem.count(), 1);
        QCOMPARE(user.changed.count(), 1);
        QCOMPARE(dropDown->count(), 4);
    }
};

QTEST_MAIN(OverlayDropDownTest)
#include "tst_overlay_drop_down.moc"
