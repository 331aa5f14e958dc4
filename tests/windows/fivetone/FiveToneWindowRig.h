#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QTableView>

#include "windows/editor/EditorWindowRig.h"
#include "windows/editor/ListBox.h"
#include "windows/fivetone/frm_5tone.h"
#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayDropDown.h"
#include "windows/grid/OverlayTextBox.h"
#include "windows/shell/QtText.h"

namespace orvex::test {

// A five-tone editor on the virtual clock, with a 136-174 MHz radio on COM1.
struct FiveToneWindowRig : EditorWindowRig<frm_5tone> {
    FiveToneWindowRig() { open(); }

    FlexGrid* grid(const char* name) const { return control<FlexGrid>(name); }
    FlexGrid* standards() const { return grid("MSF_Chann"); }
    FlexGrid* encode() const { return grid("MSF_Encode"); }
    FlexGrid* decode() const { return grid("MSF_Decode"); }
    QTabBar* tabs() const { return control<QTabBar>("TabStrip1"); }
    OverlayTextBox* box(const char* name) const { return control<OverlayTextBox>(name); }
    OverlayDropDown* dropDown(const char* name) const { return control<OverlayDropDown>(name); }
    QCheckBox* check(const QString& name) const { return control<QCheckBox>(name); }

    // Where the mouse lands on a cell: the cells' viewport, or a header for row 0 and
    // column 0.
    static std::pair<QWidget*, QPoint> spot(FlexGrid* grid, int row, int col) {
        QTableView* view = grid->view();
        if (col == 0) {
            QHeaderView* side = view->verticalHeader();
            const int y = side->sectionViewportPosition(row - 1) + side->sectionSize(row - 1) / 2;
            return {side->viewport(), QPoint(side->width() / 2, y)};
        }
        if (row == 0) {
            QHeaderView* top = view->horizontalHeader();
            const int x = top->sectionViewportPosition(col - 1) + top->sectionSize(col - 1) / 2;
            return {top->viewport(), QPoint(x, top->height() / 2)};
        }
        const QModelIndex index = view->model()->index(row - 1, col - 1);
        view->scrollTo(index);
        return {view->viewport(), view->visualRect(index).center()};
    }
    void click(FlexGrid* grid, int row, int col) {
        const auto [widget, position] = spot(grid, row, col);
        QTest::mouseClick(widget, Qt::LeftButton, {}, position);
    }
    void doubleClick(FlexGrid* grid, int row, int col) {
        const auto [widget, position] = spot(grid, row, col);
        QTest::mouseClick(widget, Qt::LeftButton, {}, position);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
    }
    void showTab(int index) { tabs()->setCurrentIndex(index); }

    // Opens the code box on a cell and types `text` over what it holds.
    void typeCode(FlexGrid* grid, const char* boxName, int row, int col, const QString& text) {
        click(grid, row, col);
        OverlayTextBox* editor = box(boxName);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, text);
    }
    // Opens the cell list on a cell and chooses the item `item` from it.
    void choose(FlexGrid* grid, const char* listName, int row, int col, const QString& item) {
        click(grid, row, col);
        OverlayDropDown* list = dropDown(listName);
        const int index = list->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        list->setCurrentIndex(index);
        emit list->clickedItem();
    }

    [[nodiscard]] QString cell(FlexGrid* grid, int row, int col) const {
        return grid->textMatrix(row, col);
    }
    [[nodiscard]] QStringList rowOf(FlexGrid* grid, int row) const {
        QStringList cells;
        for (int col = 1; col < grid->cols(); ++col)
            cells << grid->textMatrix(row, col);
        return cells;
    }
    [[nodiscard]] std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& m : prompt.messages)
            texts.push_back(m.text);
        return texts;
    }
};

}  // namespace orvex::test
