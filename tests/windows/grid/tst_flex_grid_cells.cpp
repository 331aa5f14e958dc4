#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QtTest>

#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayDropDown.h"
#include "windows/grid/OverlayTextBox.h"

using namespace orvex;

namespace {

constexpr int kLeft = int(Qt::AlignLeft | Qt::AlignVCenter);
constexpr int kCentred = int(Qt::AlignCenter);

// Column headings as the item view shows them: column 0 in the corner, the others in the
// horizontal header.
QStringList ShownHeadings(const FlexGrid& grid) {
    QStringList headings{grid.view()->findChild<QLabel*>("cornerText")->text()};
    QAbstractItemModel* model = grid.view()->model();
    for (int section = 0; section < model->columnCount(); ++section) {
        headings << model->headerData(section, Qt::Horizontal).toString();
    }
    return headings;
}

QList<int> ShownAlignments(const FlexGrid& grid) {
    QList<int> alignments{int(grid.view()->findChild<QLabel*>("cornerText")->alignment())};
    QAbstractItemModel* model = grid.view()->model();
    for (int section = 0; section < model->columnCount(); ++section) {
        alignments << model->headerData(section, Qt::Horizontal, Qt::TextAlignmentRole).toInt();
    }
    return alignments;
}

}  // namespace

class FlexGridCellsTest : public QObject {
    Q_OBJECT

  private slots:
    void formatStringSetsHeadings_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QList<int>>("alignments");
        QTest::newRow("centred") << "^Channel|^RX Frequency|^TX Frequency"
                                 << QStringList{"Channel", "RX Frequency", "TX Frequency"}
                                 << QList<int>{kCentred, kCentred, kCentred};
        QTest::newRow("mixed") << "No|^Name|Value" << QStringList{"No", "Name", "Value"}
                               << QList<int>{kLeft, kCentred, kLeft};
        QTest::newRow("blanks kept")
            << "^Channel|^ 扰  频 |^SigCode " << QStringList{"Channel", " 扰  频 ", "SigCode "}
            << QList<int>{kCentred, kCentred, kCentred};
        QTest::newRow("empty heading")
            << "^A||^C" << QStringList{"A", "", "C"} << QList<int>{kCentred, kLeft, kCentred};
        QTest::newRow("caret only inside")
            << "A^|B" << QStringList{"A^", "B"} << QList<int>{kLeft, kLeft};
    }
    void formatStringSetsHeadings() {
        QFETCH(QString, format);
        QFETCH(QStringList, headings);
        QFETCH(QList<int>, alignments);
        FlexGrid grid;
        grid.setCols(7);

        grid.setFormatString(format);

        QCOMPARE(grid.cols(), headings.size());
        QCOMPARE(ShownHeadings(grid), headings);
        QCOMPARE(ShownAlignments(grid), alignments);
        for (int col = 0; col < headings.size(); ++col) {
            QCOMPARE(grid.textMatrix(0, col), headings[col]);
            QCOMPARE(int(grid.colAlignment(col)), alignments[col]);
        }
    }

    void centredColumnCentresItsCells() {
        FlexGrid grid;
        grid.setRows(3);
        grid.setFormatString("No|^Name|Value");
        QAbstractItemModel* model = grid.view()->model();

        QCOMPARE(model->index(1, 0).data(Qt::TextAlignmentRole).toInt(), kCentred);
        QCOMPARE(model->index(1, 1).data(Qt::TextAlignmentRole).toInt(), kLeft);
        QCOMPARE(model->headerData(1, Qt::Vertical, Qt::TextAlignmentRole).toInt(), kLeft);
    }

    void formatStringKeepsCellTexts() {
        FlexGrid grid;
        grid.setFormatString("^A|^B|^C");
        grid.setTextMatrix(1, 1, "kept");
        grid.setTextMatrix(1, 2, "dropped");

        grid.setFormatString("^X|^Y");

        QCOMPARE(grid.cols(), 2);
        QCOMPARE(grid.textMatrix(1, 1), QString("kept"));
        grid.setCols(3);
        QCOMPARE(grid.textMatrix(1, 2), QString());
    }

    void rowAndColumnCounts_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("expectedRows");
        QTest::addColumn<int>("expectedCols");
        QTest::newRow("channel grid") << 17 << 12 << 17 << 12;
        QTest::newRow("one cell") << 2 << 2 << 2 << 2;
        QTest::newRow("headings only raised to one cell") << 1 << 1 << 2 << 2;
        QTest::newRow("nonsense raised to one cell") << -4 << 0 << 2 << 2;
    }
    void rowAndColumnCounts() {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(int, expectedRows);
        QFETCH(int, expectedCols);
        FlexGrid grid;

        grid.setRows(rows);
        grid.setCols(cols);

        QCOMPARE(grid.rows(), expectedRows);
        QCOMPARE(grid.cols(), expectedCols);
        QCOMPARE(grid.view()->model()->rowCount(), expectedRows - 1);
        QCOMPARE(grid.view()->model()->columnCount(), expectedCols - 1);
        QCOMPARE(grid.row(), 1);
        QCOMPARE(grid.col(), 1);
    }

    void growingKeepsTextsAndShrinkingDropsThem() {
        FlexGrid grid;
        grid.setRows(3);
        grid.setCols(3);
        grid.setTextMatrix(2, 2, "last");
        grid.setTextMatrix(2, 0, "2");

        grid.setRows(5);
        QCOMPARE(grid.textMatrix(2, 2), QString("last"));
        QCOMPARE(grid.textMatrix(4, 2), QString());

        grid.setRows(2);
        grid.setRows(3);
        QCOMPARE(grid.textMatrix(2, 2), QString());
        QCOMPARE(grid.textMatrix(2, 0), QString());
    }

    void textByRowAndColumn_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("corner") << 0 << 0;
        QTest::newRow("heading row") << 0 << 2;
        QTest::newRow("heading column") << 3 << 0;
        QTest::newRow("cell") << 3 << 2;
        QTest::newRow("first cell") << 1 << 1;
    }
    void textByRowAndColumn() {
        QFETCH(int, row);
        QFETCH(int, col);
        FlexGrid grid;
        grid.setRows(4);
        grid.setCols(3);

        grid.setTextMatrix(row, col, "146.52000");

        QCOMPARE(grid.textMatrix(row, col), QString("146.52000"));
        // Shown where the cell is: the corner, a header section or a cell of the view.
        QAbstractItemModel* model = grid.view()->model();
        QString shown;
        if (row == 0 && col == 0) {
            shown = grid.view()->findChild<QLabel*>("cornerText")->text();
        } else if (row == 0) {
            shown = model->headerData(col - 1, Qt::Horizontal).toString();
        } else if (col == 0) {
            shown = model->headerData(row - 1, Qt::Vertical).toString();
        } else {
            shown = model->index(row - 1, col - 1).data().toString();
        }
        QCOMPARE(shown, QString("146.52000"));
        // No other cell took the text.
        int holders = 0;
        for (int r = 0; r < grid.rows(); ++r) {
            for (int c = 0; c < grid.cols(); ++c)
                holders += grid.textMatrix(r, c).isEmpty() ? 0 : 1;
        }
        QCOMPARE(holders, 1);
    }

    void textOutsideTheGridIsEmptyAndIgnored() {
        FlexGrid grid;
        grid.setRows(3);
        grid.setCols(3);
        for (const QPoint& outside : {QPoint(3, 1), QPoint(1, 3), QPoint(-1, 1), QPoint(1, -1)}) {
            grid.setTextMatrix(outside.x(), outside.y(), "x");
            QCOMPARE(grid.textMatrix(outside.x(), outside.y()), QString());
        }
    }

    void currentCellText() {
        FlexGrid grid;
        grid.setRows(4);
        grid.setCols(4);
        grid.setTextMatrix(2, 3, "D023N");

        grid.setCurrentCell(2, 3);
        QCOMPARE(grid.text(), QString("D023N"));
        grid.setText("OFF");
        QCOMPARE(grid.textMatrix(2, 3), QString("OFF"));
    }

    void currentCellSetByProgram_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("expectedRow");
        QTest::addColumn<int>("expectedCol");
        QTest::newRow("inside") << 3 << 2 << 3 << 2;
        QTest::newRow("last cell") << 4 << 5 << 4 << 5;
        QTest::newRow("heading row ignored") << 0 << 2 << 2 << 3;
        QTest::newRow("heading column ignored") << 3 << 0 << 2 << 3;
        QTest::newRow("beyond last row ignored") << 5 << 2 << 2 << 3;
        QTest::newRow("beyond last column ignored") << 3 << 6 << 2 << 3;
    }
    void currentCellSetByProgram() {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, expectedRow);
        QFETCH(int, expectedCol);
        FlexGrid grid;
        grid.setRows(5);
        grid.setCols(6);
        grid.setCurrentCell(2, 3);

        grid.setCurrentCell(row, col);

        QCOMPARE(grid.row(), expectedRow);
        QCOMPARE(grid.col(), expectedCol);
        const QModelIndex current = grid.view()->currentIndex();
        QCOMPARE(current.row(), expectedRow - 1);
        QCOMPARE(current.column(), expectedCol - 1);
        QCOMPARE(grid.view()->selectionModel()->selectedIndexes(), QModelIndexList{current});
    }

    void setRowAndSetColMoveOneCoordinate() {
        FlexGrid grid;
        grid.setRows(5);
        grid.setCols(6);

        grid.setRow(4);
        QCOMPARE(QPoint(grid.row(), grid.col()), QPoint(4, 1));
        grid.setCol(5);
        QCOMPARE(QPoint(grid.row(), grid.col()), QPoint(4, 5));
    }

    void shrinkingPastTheCurrentCellKeepsItInTheGrid() {
        FlexGrid grid;
        grid.setRows(6);
        grid.setCols(6);
        grid.setCurrentCell(5, 5);

        grid.setRows(3);
        grid.setCols(4);

        QCOMPARE(QPoint(grid.row(), grid.col()), QPoint(2, 3));
        QVERIFY(grid.view()->selectionModel()->isSelected(grid.view()->currentIndex()));
    }

    void cellRectIsTheCurrentCellInGridCoordinates_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("first") << 1 << 1;
        QTest::newRow("inner") << 3 << 2;
        QTest::newRow("scrolled into view") << 30 << 4;
    }
    void cellRectIsTheCurrentCellInGridCoordinates() {
        QFETCH(int, row);
        QFETCH(int, col);
        QWidget window;
        auto* grid = new FlexGrid(&window);
        grid->setGeometry(10, 20, 300, 200);
        grid->setRows(40);
        grid->setCols(5);
        grid->setColWidth(0, 55);
        grid->setColWidth(2, 120);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        grid->setCurrentCell(row, col);

        QTableView* view = grid->view();
        const QRect visual = view->visualRect(view->model()->index(row - 1, col - 1));
        const QRect expected(view->viewport()->mapTo(grid, visual.topLeft()), visual.size());
        QCOMPARE(grid->cellRect(), expected);
        QVERIFY(grid->rect().contains(grid->cellRect()));
        // The cell is its column's width, less the grid line the view draws at its right.
        QVERIFY(grid->colWidth(col) - grid->cellRect().width() <= 1);
        QVERIFY(grid->colWidth(col) - grid->cellRect().width() >= 0);
        QVERIFY(grid->cellRect().left() >= 55);
    }

    void columnWidths() {
        FlexGrid grid;
        grid.setCols(4);

        grid.setColWidth(0, 60);
        grid.setColWidth(2, 130);
        grid.resize(500, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        QCOMPARE(grid.colWidth(0), 60);
        QCOMPARE(grid.view()->verticalHeader()->width(), 60);
        QCOMPARE(grid.colWidth(2), 130);
        QCOMPARE(grid.view()->columnWidth(1), 130);
    }

    void cornerTextCoversTheCornerButton() {
        FlexGrid grid;
        grid.setFormatString("^Channel|^RX Frequency");
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));

        auto* corner = grid.view()->findChild<QLabel*>("cornerText");
        QVERIFY(corner->isVisible());
        QCOMPARE(corner->text(), QString("Channel"));
        QCOMPARE(corner->geometry(), corner->parentWidget()->rect());
        QCOMPARE(corner->parentWidget()->width(), grid.view()->verticalHeader()->width());
        QCOMPARE(corner->parentWidget()->height(), grid.view()->horizontalHeader()->height());
    }

    void editorsAreLaidOverTheCurrentCell_data() {
        QTest::addColumn<bool>("useCellHeight");
        QTest::newRow("text box, cell height") << true;
        QTest::newRow("drop-down, own height") << false;
    }
    void editorsAreLaidOverTheCurrentCell() {
        QFETCH(bool, useCellHeight);
        QWidget window;
        auto* grid = new FlexGrid(&window);
        grid->setGeometry(5, 5, 400, 250);
        grid->setRows(10);
        grid->setCols(5);
        QWidget* editor = useCellHeight ? static_cast<QWidget*>(new OverlayTextBox(&window))
                                        : static_cast<QWidget*>(new OverlayDropDown(&window));
        window.resize(450, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        grid->setCurrentCell(3, 2);

        grid->placeOverCurrentCell(editor, useCellHeight);

        QCOMPARE(editor->parentWidget(), grid);
        const QRect cell = grid->cellRect();
        QCOMPARE(editor->pos(), cell.topLeft());
        QCOMPARE(editor->width(), cell.width());
        QCOMPARE(editor->height(), useCellHeight ? cell.height() : editor->sizeHint().height());
        // Above the view in the stacking order: the last child of the grid.
        QCOMPARE(grid->children().last(), editor);
    }

    void cellsAreNotEditedInPlace() {
        FlexGrid grid;
        QCOMPARE(grid.view()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(grid.view()->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(grid.view()->selectionBehavior(), QAbstractItemView::SelectItems);
        QVERIFY(!(grid.view()->model()->index(0, 0).flags() & Qt::ItemIsEditable));
    }
};

QTEST_MAIN(FlexGridCellsTest)
#include "tst_flex_grid_cells.moc"
