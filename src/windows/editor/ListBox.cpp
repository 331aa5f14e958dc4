#include "windows/editor/ListBox.h"

#include <QLineEdit>
#include <QMetaMethod>

namespace orvex {

ListBox::ListBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // QComboBox selects the item whose text stands in the edit field when the field loses
    // the focus or Enter is pressed; here typed text never chooses.
    disconnect(lineEdit(), QMetaMethod::fromSignal(&QLineEdit::editingFinished), this,
               QMetaMethod());
    connect(lineEdit(), &QLineEdit::textEdited, this, &ListBox::typedIntoList);
}

void ListBox::setItems(const QStringList& items) {
    clear();
    addItems(items);
    setCurrentIndex(-1);
}

void ListBox::setPosition(int position) {
    setCurrentIndex(std::min(position, count() - 1));
}

void ListBox::typedIntoList() {
    if (count() == 0) return;
    setCurrentIndex(0);
    // The same position again does not bring its text back by itself.
    setEditText(itemText(0));
}

}  // namespace orvex
