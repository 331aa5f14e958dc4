#pragma once

#include <QCheckBox>
#include <QTableView>

#include "windows/dtmf/frm_dtmf.h"
#include "windows/editor/EditorWindowRig.h"
#include "windows/editor/ListBox.h"
#include "windows/editor/TextBox.h"
#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayTextBox.h"
#include "windows/shell/QtText.h"

namespace orvex::test {

// A DTMF editor on the virtual clock, with a 136-174 MHz radio on COM1.
struct DtmfWindowRig : EditorWindowRig<frm_dtmf> {
    DtmfWindowRig() { open(); }

    FlexGrid* grid() const { return window->grid(); }
    OverlayTextBox* cellEditor() const { return control<OverlayTextBox>("Text_Encode"); }
    TextBox* code(DtmfCode which) const { return control<TextBox>(qt(DtmfCodeControl(which))); }
    QString group(int n) const { return grid()->textMatrix(n, 1); }

    void click(int row, int col) { ClickCell(grid(), row, col); }
    // Opens the cell editor on code group `row` and types `text` over what it holds.
    void typeGroup(int row, const QString& text) {
        click(row, 1);
        cellEditor()->selectAll();
        QTest::keyClick(cellEditor(), Qt::Key_Delete);
        QTest::keyClicks(cellEditor(), text);
    }
    // Types into a code box, replacing its text.
    void typeCode(DtmfCode which, const QString& text) {
        TextBox* box = code(which);
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
};

}  // namespace orvex::test
