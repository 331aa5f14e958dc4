#pragma once

#include <QApplication>
#include <QPointer>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "windows/channels/frm_chann.h"
#include "windows/editor/EditorWindowRig.h"
#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayDropDown.h"
#include "windows/grid/OverlayTextBox.h"

namespace orvex::test {

// A channel editor on the virtual clock, with a 136-174 MHz radio on COM1, a recording
// prompt and status bar, sized against a stand-in main window.
struct ChannelWindowRig : EditorWindowRig<frm_chann> {
    explicit ChannelWindowRig(int channels = 16) {
        state.Chann_Count = static_cast<std::int16_t>(channels);
        open();
    }

    FlexGrid* grid() const { return window->grid(); }
    OverlayTextBox* textBox() const { return window->findChild<OverlayTextBox*>("Text_Edit"); }
    OverlayDropDown* dropDown() const { return window->findChild<OverlayDropDown*>("Combo_edit"); }
    QString cell(int row, int col) const { return grid()->textMatrix(row, col); }
    QStringList row(int r) const {
        QStringList cells;
        for (int c = 1; c <= 11; ++c)
            cells << cell(r, c);
        return cells;
    }

    void click(int row, int col) { ClickCell(grid(), row, col); }
    // Opens the text box on a frequency cell and replaces its text.
    void type(int row, int col, const QString& text) {
        click(row, col);
        textBox()->selectAll();
        QTest::keyClick(textBox(), Qt::Key_Delete);
        QTest::keyClicks(textBox(), text);
    }
    void enterInTextBox() { QTest::keyClick(textBox(), Qt::Key_Return); }
    void enterInDropDown() { QTest::keyClick(dropDown(), Qt::Key_Return); }
    // Chooses `item` of the open drop-down as a user would, from its list.
    void choose(const QString& item) {
        OverlayDropDown* box = dropDown();
        const int index = box->findText(item);
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

inline const QStringList kDefaults = {"OFF", "OFF", "HIGH", "W", "OFF", "OFF", "ON", "OFF", "1"};

}  // namespace orvex::test
