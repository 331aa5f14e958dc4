#pragma once

#include <QComboBox>

namespace orvex {

// A drop-down list with an edit field that an editor window lays over a grid cell.
//
// * listIndex() is the zero-based position of the item whose text is shown, -1 when the
//   shown text is no item's.
// * setText() shows any text; an item's text also selects that item.
// * Clearing and adding items keeps the shown text (the first item added is not selected by
//   itself), so a window may show a cell's text first and fill the list afterwards.
// * changed() is raised only when the user changes the text by typing, clickedItem() when the
//   user chooses an item (from the list, with the arrow keys or the wheel); neither is raised
//   for changes the program makes. gotFocus() is raised when the drop-down receives the
//   keyboard focus from another widget of the program.
// * Every key that types a character is reported with keyPressed() before it is handled;
//   Enter and Return are reported as 13 and end there.
class OverlayDropDown : public QComboBox {
    Q_OBJECT

  public:
    explicit OverlayDropDown(QWidget* parent = nullptr);

    int listIndex() const;
    // An index outside -1 .. count() - 1 is ignored; -1 empties the text.
    void setListIndex(int index);
    QString text() const;
    void setText(const QString& text);

  signals:
    void changed();
    void clickedItem();
    void gotFocus();
    void keyPressed(int charCode);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void keepTextOverListChanges();

    QString textBeforeListChange_;
};

}  // namespace orvex
