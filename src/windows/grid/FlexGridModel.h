#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

namespace orvex {

// The texts and column alignments of a grid with one fixed heading row and one fixed heading
// column, addressed by grid row and column (row 0 and column 0 are the headings).
//
// For the item view, grid row r, column c (both >= 1) is model index (r - 1, c - 1); row 0
// is the horizontal header, column 0 the vertical header, and cell (0, 0) the corner, which
// the item view has no place for and which is therefore reported through cornerChanged().
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // A grid always keeps at least one row and one column besides its headings.
    static constexpr int kMinimumCount = 2;

    explicit FlexGridModel(QObject* parent = nullptr);

    int gridRows() const { return static_cast<int>(cells_.size()); }
    int gridCols() const { return static_cast<int>(alignments_.size()); }
    void setGridRows(int rows);
    void setGridCols(int cols);

    bool containsCell(int row, int col) const;
    QString cellText(int row, int col) const;
    void setCellText(int row, int col, const QString& text);

    Qt::Alignment colAlignment(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  signals:
    void cornerChanged();

  private:
    QVariant roleValue(int row, int col, int role) const;
    void announceCellChanged(int row, int col);

    QList<QStringList> cells_;  // [grid row][grid column]
    QList<Qt::Alignment> alignments_;
};

}  // namespace orvex
