#include <QAbstractButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayDropDown.h"
#include "windows/grid/OverlayTextBox.h"

using namespace orvex;

namespace {

// Where a mouse lands on a grid cell: the view's viewport for the cells, a header viewport
// for the heading row and column, the corner button for cell (0, 0).
struct MouseSpot {
    QWidget* widget;
    QPoint position;
};

MouseSpot SpotOf(const FlexGrid& grid, int row, int col) {
    QTableView* view = grid.view();
    QHeaderView* top = view->horizontalHeader();
    QHeaderView* side = view->verticalHeader();
    if (row == 0 && col == 0) {
        auto* corner = view->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
        return {corner, corner->rect().center()};
    }
    if (row == 0) {
        const int x = top->sectionViewportPosition(col - 1) + top->sectionSize(col - 1) / 2;
        return {top->viewport(), QPoint(x, top->height() / 2)};
    }
    if (col == 0) {
        const int y = side->sectionViewportPosition(row - 1) + side->sectionSize(row - 1) / 2;
        return {side->viewport(), QPoint(side->width() / 2, y)};
    }
    return {view->viewport(), view->visualRect(view->model()->index(row - 1, col - 1)).center()};
}

void ClickCell(const FlexGrid& grid, int row, int col) {
    const MouseSpot spot = SpotOf(grid, row, col);
    QTest::mouseClick(spot.widget, Qt::LeftButton, {}, spot.position);
}

QPoint CurrentCell(const FlexGrid& grid) {
    return {grid.row(), grid.col()};
}

// A window with a grid of 30 rows and 6 columns, small enough to scroll both ways, and a
// field beside it that can take the focus away.
class GridWindow : public QWidget {
  public:
    GridWindow() {
        auto* layout = new QVBoxLayout(this);
        grid = new FlexGrid(this);
        grid->setObjectName("MSF_Test");
        grid->setRows(30);
        grid->setFormatString("^No|^A|^B|^C|^D|^E");
        for (int col = 1; col < grid->cols(); ++col)
            grid->setColWidth(col, 90);
        elsewhere = new QLineEdit(this);
        layout->addWidget(grid);
        layout->addWidget(elsewhere);
        resize(320, 260);
    }
    bool showActive() {
        show();
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }

    FlexGrid* grid;
    QLineEdit* elsewhere;
};

// What the leaveCell handlers saw: the current cell at the moment each was raised.
struct LeaveRecorder {
    explicit LeaveRecorder(FlexGrid* grid) {
        QObject::connect(grid, &FlexGrid::leaveCell, grid,
                         [this, grid] { seen.append(CurrentCell(*grid)); });
    }
    QList<QPoint> seen;
};

}  // namespace

class FlexGridEventsTest : public QObject {
    Q_OBJECT

  private slots:
    void clickReportsTheCellUnderTheMouse_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QPoint>("current");
        QTest::newRow("cell") << 3 << 2 << QPoint(3, 2);
        QTest::newRow("current cell") << 1 << 1 << QPoint(1, 1);
        QTest::newRow("heading row") << 0 << 2 << QPoint(1, 1);
        QTest::newRow("heading column") << 4 << 0 << QPoint(1, 1);
        QTest::newRow("corner") << 0 << 0 << QPoint(1, 1);
    }
    void clickReportsTheCellUnderTheMouse() {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QPoint, current);
        GridWindow window;
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        QList<QPoint> atClick;
        QList<QPoint> currentAtClick;
        connect(grid, &FlexGrid::clicked, grid, [&] {
            atClick.append({grid->mouseRow(), grid->mouseCol()});
            currentAtClick.append(CurrentCell(*grid));
        });
        QSignalSpy doubleClicks(grid, &FlexGrid::doubleClicked);

        ClickCell(*grid, row, col);

        QCOMPARE(atClick, QList<QPoint>{QPoint(row, col)});
        QCOMPARE(currentAtClick, QList<QPoint>{current});
        QCOMPARE(CurrentCell(*grid), current);
        QCOMPARE(doubleClicks.count(), 0);
    }

    void doubleClickReportsTheCellUnderTheMouse_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("cell") << 2 << 3;
        QTest::newRow("heading row") << 0 << 1;
        QTest::newRow("heading column") << 2 << 0;
    }
    void doubleClickReportsTheCellUnderTheMouse() {
        QFETCH(int, row);
        QFETCH(int, col);
        GridWindow window;
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        QList<QPoint> atDoubleClick;
        connect(grid, &FlexGrid::doubleClicked, grid, [&] {
            atDoubleClick.append({grid->mouseRow(), grid->mouseCol()});
        });
        QSignalSpy clicks(grid, &FlexGrid::clicked);
        const MouseSpot spot = SpotOf(*grid, row, col);

        // A double click as the system delivers it: press, release, double click, release.
        QTest::mouseClick(spot.widget, Qt::LeftButton, {}, spot.position);
        QTest::mouseDClick(spot.widget, Qt::LeftButton, {}, spot.position);
        QTest::mouseRelease(spot.widget, Qt::LeftButton, {}, spot.position);

        QCOMPARE(atDoubleClick, QList<QPoint>{QPoint(row, col)});
        QCOMPARE(clicks.count(), 1);
    }

    void clickBeyondTheLastRowReportsNoRow() {
        GridWindow window;
        window.grid->setRows(3);
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        QPoint atClick(99, 99);
        connect(grid, &FlexGrid::clicked, grid, [&] {
            atClick = {grid->mouseRow(), grid->mouseCol()};
        });
        QWidget* viewport = grid->view()->viewport();
        const QRect lastCell = grid->view()->visualRect(grid->view()->model()->index(1, 0));
        QVERIFY(lastCell.bottom() + 10 < viewport->height());

        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          QPoint(lastCell.center().x(), lastCell.bottom() + 10));

        QCOMPARE(atClick, QPoint(-1, 1));
        QCOMPARE(CurrentCell(*grid), QPoint(1, 1));
    }

    void leaveCellRunsBeforeAProgramMove_data() {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<QPoint>("target");
        QTest::newRow("setRow") << "setRow" << QPoint(5, 2);
        QTest::newRow("setCol") << "setCol" << QPoint(3, 4);
        QTest::newRow("setCurrentCell") << "setCurrentCell" << QPoint(6, 5);
    }
    void leaveCellRunsBeforeAProgramMove() {
        QFETCH(QString, setter);
        QFETCH(QPoint, target);
        GridWindow window;
        FlexGrid* grid = window.grid;
        grid->setCurrentCell(3, 2);
        grid->setTextMatrix(3, 2, "before");
        QStringList order;
        QPoint seenInHandler;
        connect(grid, &FlexGrid::leaveCell, grid, [&] {
            seenInHandler = CurrentCell(*grid);
            // What a handler commits goes into the cell being left.
            grid->setText("committed");
            order << "leaveCell";
        });

        if (setter == "setRow") grid->setRow(target.x());
        if (setter == "setCol") grid->setCol(target.y());
        if (setter == "setCurrentCell") grid->setCurrentCell(target.x(), target.y());
        order << "returned";

        QCOMPARE(order, (QStringList{"leaveCell", "returned"}));
        QCOMPARE(seenInHandler, QPoint(3, 2));
        QCOMPARE(grid->textMatrix(3, 2), QString("committed"));
        QCOMPARE(CurrentCell(*grid), target);
        QCOMPARE(grid->text(), QString());
    }

    void leaveCellHandlerMayMoveTheCellAgain() {
        // Enter navigation: a key handler moves the cell, the leave handler commits, and the
        // key handler then opens the editor of the cell it moved to.
        GridWindow window;
        FlexGrid* grid = window.grid;
        LeaveRecorder leaves(grid);
        grid->setCurrentCell(2, 1);

        grid->setCol(2);
        const QPoint afterFirst = CurrentCell(*grid);
        grid->setCurrentCell(3, 1);

        QCOMPARE(afterFirst, QPoint(2, 2));
        QCOMPARE(leaves.seen, (QList<QPoint>{{1, 1}, {2, 1}, {2, 2}}));
    }

    void leaveCellBeforeAMouseMove() {
        GridWindow window;
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        grid->setCurrentCell(2, 2);
        LeaveRecorder leaves(grid);
        QStringList order;
        connect(grid, &FlexGrid::leaveCell, grid, [&] { order << "leaveCell"; });
        connect(grid, &FlexGrid::clicked, grid, [&] { order << "clicked"; });

        ClickCell(*grid, 4, 3);

        QCOMPARE(leaves.seen, QList<QPoint>{QPoint(2, 2)});
        QCOMPARE(order, (QStringList{"leaveCell", "clicked"}));
        QCOMPARE(CurrentCell(*grid), QPoint(4, 3));
    }

    void leaveCellBeforeAKeyMove_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QPoint>("target");
        QTest::newRow("down") << int(Qt::Key_Down) << QPoint(4, 3);
        QTest::newRow("up") << int(Qt::Key_Up) << QPoint(2, 3);
        QTest::newRow("left") << int(Qt::Key_Left) << QPoint(3, 2);
        QTest::newRow("right") << int(Qt::Key_Right) << QPoint(3, 4);
    }
    void leaveCellBeforeAKeyMove() {
        QFETCH(int, key);
        QFETCH(QPoint, target);
        GridWindow window;
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        grid->setCurrentCell(3, 3);
        grid->setFocus();
        LeaveRecorder leaves(grid);

        QTest::keyClick(grid->view(), Qt::Key(key));

        QCOMPARE(leaves.seen, QList<QPoint>{QPoint(3, 3)});
        QCOMPARE(CurrentCell(*grid), target);
    }

    void noLeaveCellWhenTheCellStays_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("set to the same cell") << "same";
        QTest::newRow("set to a heading") << "heading";
        QTest::newRow("set beyond the grid") << "beyond";
        QTest::newRow("click on the current cell") << "click current";
        QTest::newRow("click on the heading row") << "click heading row";
        QTest::newRow("click on the heading column") << "click heading column";
        QTest::newRow("click on the corner") << "click corner";
        QTest::newRow("up from the first row") << "key up";
        QTest::newRow("typing a letter") << "key letter";
        QTest::newRow("tab") << "key tab";
    }
    void noLeaveCellWhenTheCellStays() {
        QFETCH(QString, action);
        GridWindow window;
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        grid->setCurrentCell(1, 2);
        grid->setTextMatrix(5, 2, "a cell starting with the letter");
        grid->setFocus();
        LeaveRecorder leaves(grid);

        if (action == "same") grid->setCurrentCell(1, 2);
        if (action == "heading") grid->setCurrentCell(0, 2);
        if (action == "beyond") grid->setRow(30);
        if (action == "click current") ClickCell(*grid, 1, 2);
        if (action == "click heading row") ClickCell(*grid, 0, 3);
        if (action == "click heading column") ClickCell(*grid, 4, 0);
        if (action == "click corner") ClickCell(*grid, 0, 0);
        if (action == "key up") QTest::keyClick(grid->view(), Qt::Key_Up);
        if (action == "key letter") QTest::keyClick(grid->view(), Qt::Key_A);
        if (action == "key tab") QTest::keyClick(grid->view(), Qt::Key_Tab);

        QCOMPARE(leaves.seen, QList<QPoint>{});
        QCOMPARE(CurrentCell(*grid), QPoint(1, 2));
    }

    void scrollBarsRaiseScrolled_data() {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::newRow("vertical") << Qt::Vertical;
        QTest::newRow("horizontal") << Qt::Horizontal;
    }
    void scrollBarsRaiseScrolled() {
        QFETCH(Qt::Orientation, orientation);
        GridWindow window;
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        QScrollBar* bar = orientation == Qt::Vertical ? grid->view()->verticalScrollBar()
                                                      : grid->view()->horizontalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QSignalSpy scrolls(grid, &FlexGrid::scrolled);

        bar->setValue(bar->maximum());

        QCOMPARE(scrolls.count(), 1);
    }

    void movingToAHiddenCellScrolls() {
        GridWindow window;
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        QSignalSpy scrolls(grid, &FlexGrid::scrolled);
        QSignalSpy leaves(grid, &FlexGrid::leaveCell);

        grid->setCurrentCell(29, 5);

        QVERIFY(scrolls.count() >= 1);
        QTableView* view = grid->view();
        QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
        QCOMPARE(leaves.count(), 1);
    }

    void noScrolledWhileNothingMoves() {
        GridWindow window;
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        QSignalSpy scrolls(grid, &FlexGrid::scrolled);

        grid->setCurrentCell(2, 2);
        ClickCell(*grid, 1, 1);

        QCOMPARE(scrolls.count(), 0);
    }

    void lostFocusWhenTheFocusGoesElsewhere() {
        GridWindow window;
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        grid->setFocus();
        QVERIFY(grid->view()->hasFocus());
        QSignalSpy losses(grid, &FlexGrid::lostFocus);

        window.elsewhere->setFocus();

        QCOMPARE(losses.count(), 1);
        grid->setFocus();
        QCOMPARE(losses.count(), 1);
    }

    void noLostFocusWhileAnotherWindowIsActive() {
        // A message box or another program taking the screen is no focus change in the window.
        GridWindow window;
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        grid->setFocus();
        QSignalSpy losses(grid, &FlexGrid::lostFocus);
        QWidget other;
        other.resize(100, 100);

        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QCOMPARE(losses.count(), 0);
        QVERIFY(grid->view()->hasFocus());
    }

    void nothingIsRaisedWhileTheGridIsDestroyed() {
        GridWindow window;
        QVERIFY(window.showActive());
        window.grid->setFocus();
        QVERIFY(window.grid->view()->hasFocus());
        QObject listener;
        int raised = 0;
        for (auto signal : {&FlexGrid::lostFocus, &FlexGrid::leaveCell, &FlexGrid::scrolled}) {
            connect(window.grid, signal, &listener, [&raised] { ++raised; });
        }

        delete window.grid;

        QCOMPARE(raised, 0);
    }

    void lostFocusToAnEditorOverTheGrid() {
        GridWindow window;
        auto* textBox = new OverlayTextBox(window.grid);
        textBox->hide();
        QVERIFY(window.showActive());
        FlexGrid* grid = window.grid;
        grid->setFocus();
        QSignalSpy losses(grid, &FlexGrid::lostFocus);

        grid->placeOverCurrentCell(textBox);
        textBox->show();
        textBox->setFocus();

        QCOMPARE(losses.count(), 1);
    }

    void hidingAFocusedEditorLeavesTheCurrentCell_data() {
        QTest::addColumn<bool>("dropDown");
        QTest::addColumn<bool>("throughTheGrid");
        QTest::newRow("text box, hideOverlay") << false << true;
        QTest::newRow("text box, hide") << false << false;
        QTest::newRow("drop-down, hideOverlay") << true << true;
        QTest::newRow("drop-down, hide") << true << false;
    }
    void hidingAFocusedEditorLeavesTheCurrentCell() {
        QFETCH(bool, dropDown);
        QFETCH(bool, throughTheGrid);
        GridWindow window;
        FlexGrid* grid = window.grid;
        QWidget* editor = dropDown ? static_cast<QWidget*>(new OverlayDropDown(grid))
                                   : static_cast<QWidget*>(new OverlayTextBox(grid));
        editor->hide();
        // A focus handed on along the tab chain would land on the field, not on the grid.
        QWidget::setTabOrder(editor, window.elsewhere);
        QVERIFY(window.showActive());
        grid->setCurrentCell(2, 1);
        ClickCell(*grid, 2, 1);
        grid->placeOverCurrentCell(editor, !dropDown);
        editor->show();
        editor->setFocus();
        QVERIFY(editor->hasFocus());
        LeaveRecorder leaves(grid);

        if (throughTheGrid) {
            grid->hideOverlay(editor);
        } else {
            editor->hide();
        }

        QCOMPARE(CurrentCell(*grid), QPoint(2, 1));
        QCOMPARE(leaves.seen, QList<QPoint>{});
        QVERIFY(!editor->isVisible());
        QVERIFY(grid->view()->hasFocus());
    }

    void hidingAFocusedEditorInsideTheViewLeavesTheCurrentCell() {
        // An editor inside the view hands the focus on to the view itself when it is hidden;
        // an item view with tab-key navigation treats that as a Tab key press and moves on.
        GridWindow window;
        FlexGrid* grid = window.grid;
        auto* textBox = new OverlayTextBox(grid->view()->viewport());
        textBox->hide();
        QVERIFY(window.showActive());
        grid->setCurrentCell(2, 2);
        textBox->setGeometry(grid->view()->visualRect(grid->view()->currentIndex()));
        textBox->show();
        textBox->setFocus();
        QVERIFY(textBox->hasFocus());
        LeaveRecorder leaves(grid);

        textBox->hide();

        QCOMPARE(CurrentCell(*grid), QPoint(2, 2));
        QCOMPARE(leaves.seen, QList<QPoint>{});
    }

    void hidingAnEditorInsideTheLeaveHandlerOfAClick() {
        // The channel editor hides its text box when a cell is left; the click that left it
        // lands on the cell clicked, whatever the focus did meanwhile.
        GridWindow window;
        FlexGrid* grid = window.grid;
        auto* textBox = new OverlayTextBox(grid);
        textBox->hide();
        QVERIFY(window.showActive());
        grid->placeOverCurrentCell(textBox);
        textBox->show();
        textBox->setFocus();
        connect(grid, &FlexGrid::leaveCell, grid, [&] { grid->hideOverlay(textBox); });
        LeaveRecorder leaves(grid);

        ClickCell(*grid, 3, 2);

        QCOMPARE(leaves.seen, QList<QPoint>{QPoint(1, 1)});
        QCOMPARE(CurrentCell(*grid), QPoint(3, 2));
        QVERIFY(!textBox->isVisible());
    }

    void tabFromAVisibleEditorLeavesTheCurrentCell() {
        GridWindow window;
        FlexGrid* grid = window.grid;
        auto* textBox = new OverlayTextBox(grid);
        textBox->hide();
        QVERIFY(window.showActive());
        grid->setCurrentCell(2, 2);
        grid->placeOverCurrentCell(textBox);
        textBox->show();
        textBox->setFocus();
        LeaveRecorder leaves(grid);

        QTest::keyClick(textBox, Qt::Key_Tab);

        QVERIFY(!textBox->hasFocus());
        QCOMPARE(CurrentCell(*grid), QPoint(2, 2));
        QCOMPARE(leaves.seen, QList<QPoint>{});
    }
};

QTEST_MAIN(FlexGridEventsTest)
#include "tst_flex_grid_events.moc"
