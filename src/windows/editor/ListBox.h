#pragma once

#include <QComboBox>

namespace orvex {

// An editor's drop-down list setting: its value is the position of the selected item.
// It has an edit field, but typed text never stands: whatever the user types, pastes or
// undoes there, the list ends at position 0 and shows that item. Only the list itself, the
// arrow keys and the wheel choose another item; Enter and losing the focus never pick an
// item by its text.
class ListBox : public QComboBox {
    Q_OBJECT

  public:
    explicit ListBox(QWidget* parent = nullptr);

    // Empties the list and fills it with `items`, in order; nothing is selected.
    void setItems(const QStringList& items);
    // Selects `position`; one beyond the list selects the last item.
    void setPosition(int position);

  private:
    void typedIntoList();
};

}  // namespace orvex
