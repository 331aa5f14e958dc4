#include "windows/editor/ListBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaMethod>

namespace orvex {

namespace {

// A key that types a character (and so would start a search for an item), as opposed to
// the keys that move through the list or open and close it.
bool TypesCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

ListBox::ListBox(QWidget* parent, Typing typing) : QComboBox(parent), typing_(typing) {
    if (typing_ == Typing::Ignored) {
        view()->installEventFilter(this);
        return;
    }
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

void ListBox::keyPressEvent(QKeyEvent* event) {
    if (typing_ == Typing::Ignored && TypesCharacter(*event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

// The open popup searches its items as characters are typed; not here.
bool ListBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::KeyPress &&
        TypesCharacter(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

}  // namespace orvex
