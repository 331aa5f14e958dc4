#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTabBar>
#include <QTableView>

#include "core/shell/StartupTables.h"
#include "windows/editor/EditorWindowRig.h"
#include "windows/editor/ListBox.h"
#include "windows/editor/TextBox.h"
#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayDropDown.h"
#include "windows/grid/OverlayTextBox.h"
#include "windows/shell/QtText.h"
#include "windows/twotone/frm_2tone.h"

namespace orvex::test {

// A two-tone editor on the virtual clock, with a 136-174 MHz radio on COM1 and the two-tone
// scale start-up sets.
struct TwoToneWindowRig : EditorWindowRig<frm_2tone> {
    TwoToneWindowRig() {
        state.TwoTone_Scale = kTwoToneScale;
        open();
    }

    FlexGrid* encode() const { return window->encodeGrid(); }
    FlexGrid* decode() const { return window->decodeGrid(); }
    OverlayTextBox* cellEditor() const { return control<OverlayTextBox>("Text_Encode"); }
    OverlayDropDown* cellList() const { return control<OverlayDropDown>("Combo_Decode"); }
    QTabBar* tabs() const { return control<QTabBar>("TabStrip1"); }
    TextBox* tone(int i) const {
        return control<TextBox>(QString("Text_%1").arg(QChar(char16_t(u'A' + i))));
    }
    QString toneTexts() const {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << tone(i)->text();
        return texts.join('|');
    }
    QString frameCaption() const { return control<QGroupBox>("Frame_Dec_xx")->title(); }
    QString label() const { return control<QLabel>("Label_tr_count")->text(); }
    QProgressBar* bar() const { return control<QProgressBar>("ProgressBar1"); }

    // Where the mouse lands on a cell: a header for column 0, the cells otherwise.
    static std::pair<QWidget*, QPoint> spot(FlexGrid* grid, int row, int col) {
        QTableView* view = grid->view();
        if (row == 0 && col == 0) {
            auto* corner = view->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
            return {corner, corner->rect().center()};
        }
        if (col == 0) {
            QHeaderView* side = view->verticalHeader();
            const int y = side->sectionViewportPosition(row - 1) + side->sectionSize(row - 1) / 2;
            return {side->viewport(), QPoint(side->width() / 2, y)};
        }
        const QModelIndex index = view->model()->index(row - 1, col - 1);
        view->scrollTo(index);
        return {view->viewport(), view->visualRect(index).center()};
    }
    static void click(FlexGrid* grid, int row, int col) {
        const auto [widget, position] = spot(grid, row, col);
        QTest::mouseClick(widget, Qt::LeftButton, {}, position);
    }
    // As the system delivers one: press, release, double click, release.
    static void doubleClick(FlexGrid* grid, int row, int col) {
        const auto [widget, position] = spot(grid, row, col);
        QTest::mouseClick(widget, Qt::LeftButton, {}, position);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, position);
    }

    void chooseTab(int index) {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index).center());
    }

    // Opens the cell editor on an encode cell and types `text` over what it holds.
    void typeEncode(int row, int col, const QString& text) {
        click(encode(), row, col);
        cellEditor()->selectAll();
        QTest::keyClick(cellEditor(), Qt::Key_Delete);
        QTest::keyClicks(cellEditor(), text);
    }

    // Types into tone box i, replacing its text, and leaves it for the decode grid.
    void typeTone(int i, const QString& text, bool leave = true) {
        TextBox* box = tone(i);
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
        if (leave) decode()->view()->setFocus(Qt::MouseFocusReason);
    }

    // The decode code whose tones the boxes show, chosen by a click on its number.
    void selectCode(int code) { click(decode(), code, 0); }
};

}  // namespace orvex::test
