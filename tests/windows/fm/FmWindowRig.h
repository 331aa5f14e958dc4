#pragma once

#include <QLabel>
#include <QTableView>

#include "windows/editor/EditorWindowRig.h"
#include "windows/editor/TextBox.h"
#include "windows/fm/frm_FM.h"
#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayTextBox.h"

namespace orvex::test {

// An FM presets editor on the virtual clock, with a 136-174 MHz radio on COM1 whose last
// identification gave the A band 136-174 and the B band 400-470 MHz.
struct FmWindowRig : EditorWindowRig<frm_FM> {
    FmWindowRig() {
        state.Band_Low_A = 136;
        state.Band_High_A = 175;
        state.Band_Low_B = 400;
        state.Band_High_B = 471;
        open();
    }

    FlexGrid* grid() const { return window->grid(); }
    OverlayTextBox* cellEditor() const { return control<OverlayTextBox>("Text_Edit"); }
    TextBox* box(const char* name) const { return control<TextBox>(name); }
    QString cell(int row, int col) const { return grid()->textMatrix(row, col); }
    QString label() const { return control<QLabel>("Label_chann")->text(); }

    void click(int row, int col) { ClickCell(grid(), row, col); }
    // Types `text` over a cell and commits it by clicking the other cell of the row.
    void type(int row, int col, const QString& text) {
        click(row, col);
        cellEditor()->selectAll();
        QTest::keyClick(cellEditor(), Qt::Key_Delete);
        QTest::keyClicks(cellEditor(), text);
        click(row, col == 1 ? 2 : 1);
    }
    // Types into a band box, replacing its text, and moves the focus on to another box.
    void typeBox(const char* name, const QString& text, const char* next = "Text_pvfo2_B") {
        TextBox* target = box(name);
        target->setFocus(Qt::MouseFocusReason);
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, text);
        box(next)->setFocus(Qt::MouseFocusReason);
    }
};

}  // namespace orvex::test
