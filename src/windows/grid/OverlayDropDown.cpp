#include "windows/grid/OverlayDropDown.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaMethod>

#include "windows/grid/KeyCharCode.h"

namespace orvex {

OverlayDropDown::OverlayDropDown(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Typed text never becomes an item, and is not completed to an item's text.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // When the edit field loses the focus with an item's text typed in, QComboBox selects that
    // item and reports it as chosen; only the list, the arrow keys and the wheel choose here.
    disconnect(lineEdit(), QMetaMethod::fromSignal(&QLineEdit::editingFinished), this,
               QMetaMethod());
    connect(lineEdit(), &QLineEdit::textEdited, this, &OverlayDropDown::changed);
    connect(this, &QComboBox::activated, this, &OverlayDropDown::clickedItem);
    keepTextOverListChanges();
}

int OverlayDropDown::listIndex() const {
    const int current = currentIndex();
    if (current >= 0 && itemText(current) == text()) return current;
    return findText(text());
}

void OverlayDropDown::setListIndex(int index) {
    if (index < -1 || index >= count()) return;
    setCurrentIndex(index);
}

QString OverlayDropDown::text() const {
    return currentText();
}

void OverlayDropDown::setText(const QString& text) {
    setCurrentIndex(findText(text));
    setEditText(text);
}

void OverlayDropDown::keepTextOverListChanges() {
    // QComboBox selects the first item added to an empty list and empties the text when the
    // list is emptied; here the list is filled and emptied around the text the window shows.
    QAbstractItemModel* items = model();
    const auto remember = [this] { textBeforeListChange_ = text(); };
    const auto restore = [this] {
        if (text() != textBeforeListChange_) setText(textBeforeListChange_);
    };
    connect(items, &QAbstractItemModel::rowsAboutToBeInserted, this, remember);
    connect(items, &QAbstractItemModel::rowsInserted, this, restore);
    connect(items, &QAbstractItemModel::rowsAboutToBeRemoved, this, remember);
    connect(items, &QAbstractItemModel::rowsRemoved, this, restore);
    connect(items, &QAbstractItemModel::modelAboutToBeReset, this, remember);
    connect(items, &QAbstractItemModel::modelReset, this, restore);
}

void OverlayDropDown::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        emit gotFocus();
    }
}

void OverlayDropDown::keyPressEvent(QKeyEvent* event) {
    const int charCode = KeyCharCode(*event);
    if (charCode >= 0) emit keyPressed(charCode);
    if (charCode == kEnterCharCode) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace orvex
