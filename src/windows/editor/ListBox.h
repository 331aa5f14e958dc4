#pragma once

#include <QComboBox>

namespace orvex {

// An editor's drop-down list setting: its value is the position of the selected item. Only
// the list itself, the arrow keys and the wheel choose an item; typed text never does.
//
// What typing does depends on the editor:
// * SelectsFirstItem: the list has an edit field, but whatever the user types, pastes or
//   undoes there, the list ends at position 0 and shows that item. Enter and losing the
//   focus never pick an item by its text.
// * Ignored: the list has no edit field, and typed characters change nothing: the list does
//   not jump to an item that starts with them, neither closed nor with its popup open.
class ListBox : public QComboBox {
    Q_OBJECT

  public:
    enum class Typing { SelectsFirstItem, Ignored };

    explicit ListBox(QWidget* parent = nullptr, Typing typing = Typing::SelectsFirstItem);

    // Empties the list and fills it with `items`, in order; nothing is selected.
    void setItems(const QStringList& items);
    // Selects `position`; one beyond the list selects the last item.
    void setPosition(int position);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void typedIntoList();

    Typing typing_;
};

}  // namespace orvex
