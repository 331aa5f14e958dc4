#pragma once

#include <QEvent>
#include <QRect>
#include <QString>
#include <QWidget>

class QTableView;

namespace orvex {

class FlexGridModel;
class FlexGridView;

// A grid of text cells with one fixed heading row (row 0) and one fixed heading column
// (column 0) that do not scroll, a current cell in the other rows and columns, and the events
// an editor window builds its cell editing on:
//
// * leaveCell() is raised before the current cell changes, however it is moved (mouse, arrow
//   keys, setRow/setCol/setCurrentCell); its handlers complete before the move and before
//   the setter returns, and they still see the cell being left. It is not raised when the
//   cell stays the same.
// * clicked() follows a left mouse press and release over the grid (the press has already
//   moved the current cell); doubleClicked() follows a double click. mouseRow()/mouseCol()
//   give the cell under the mouse in their handlers: 0 for a heading, -1 beyond the last row
//   or column. A click on a heading does not move the current cell.
// * scrolled() is raised whenever either scroll bar moves, lostFocus() when the grid loses
//   the keyboard focus to another widget of the program.
//
// Cells are never edited in place: an editor window lays its own editors (OverlayTextBox,
// OverlayDropDown) over the current cell with placeOverCurrentCell() and hides them with
// hideOverlay(). Rows and columns are counted with the headings and are at least 2.
class FlexGrid : public QWidget {
    Q_OBJECT

  public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);

    // Headings of row 0 from one string: "|" separates the columns and a text that begins
    // with "^" centres its column (heading and cells). Sets the column count to the number
    // of texts.
    void setFormatString(const QString& format);
    Qt::Alignment colAlignment(int col) const;

    // Text of any cell, headings included; empty (and ignored when set) outside the grid.
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Text of the current cell.
    QString text() const;
    void setText(const QString& text);

    // The current cell, always in rows >= 1 and columns >= 1. Positions outside that range
    // or beyond the grid are ignored.
    int row() const;
    int col() const;
    void setRow(int row);
    void setCol(int col);
    void setCurrentCell(int row, int col);

    // Position and size of the current cell, relative to this widget.
    QRect cellRect() const;
    int colWidth(int col) const;
    void setColWidth(int col, int width);

    int mouseRow() const { return mouseRow_; }
    int mouseCol() const { return mouseCol_; }

    // Makes `editor` a child of the grid (if it is not yet), lays it over the current cell
    // (with the cell's height, or with its own when useCellHeight is false, as a drop-down
    // wants) and raises it above the cells. Showing it is left to the caller.
    void placeOverCurrentCell(QWidget* editor, bool useCellHeight = true);
    // Hides an editor laid over the grid; when it has the focus, the focus goes back to the
    // grid first so that no other widget takes it. (A focused editor of the grid hidden with
    // plain hide() also hands the focus back to the grid.) The current cell never moves.
    void hideOverlay(QWidget* editor);

    QTableView* view() const;

  signals:
    void clicked();
    void doubleClicked();
    void leaveCell();
    void scrolled();
    void lostFocus();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void trackMouse(QObject* part, const QPoint& position);
    void followLeftButton(QEvent::Type type);
    void keepCurrentCellValid();

    FlexGridModel* model_;
    FlexGridView* view_;
    int mouseRow_ = -1;
    int mouseCol_ = -1;
    bool pressed_ = false;
    bool doubleClicking_ = false;
};

}  // namespace orvex
