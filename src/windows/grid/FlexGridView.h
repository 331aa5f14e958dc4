#pragma once

#include <QTableView>

class QAbstractButton;
class QLabel;

namespace orvex {

class CellSelectionModel;
class FlexGridModel;

// The item view of FlexGrid: a table whose headers stand for the fixed heading row and
// column, with single-cell selection, no built-in editing, no tab-key navigation (an overlay
// editor being hidden would otherwise move the current cell as if Tab had been pressed), no
// keyboard search, and a corner that shows the text of cell (0, 0).
class FlexGridView : public QTableView {
    Q_OBJECT

  public:
    FlexGridView(FlexGridModel* model, QWidget* parent = nullptr);

    CellSelectionModel* cellSelectionModel() const { return cellSelection_; }
    // The button in the top-left corner, between the two headers.
    QAbstractButton* cornerButton() const { return cornerButton_; }

    void keyboardSearch(const QString& search) override;

  signals:
    // Keyboard focus went to another widget of the program (not to another application or
    // a pop-up).
    void focusLost();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void updateGeometries() override;

  private:
    void showCornerText();

    FlexGridModel* gridModel_ = nullptr;
    CellSelectionModel* cellSelection_ = nullptr;
    QAbstractButton* cornerButton_ = nullptr;
    QLabel* cornerLabel_ = nullptr;
};

}  // namespace orvex
