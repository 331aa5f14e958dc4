#pragma once

#include <QItemSelectionModel>

namespace orvex {

// A selection model that announces every change of the current cell before making it, so
// that whoever listens can still read the cell being left. Every move of the current cell
// made by an item view (mouse, keys, the program through QAbstractItemView::setCurrentIndex)
// passes through setCurrentIndex().
class CellSelectionModel : public QItemSelectionModel {
    Q_OBJECT

  public:
    using QItemSelectionModel::QItemSelectionModel;

    void setCurrentIndex(const QModelIndex& index,
                         QItemSelectionModel::SelectionFlags command) override;

    // Makes `index` the current and only selected cell without an announcement: there is no
    // cell being left when the grid first gets one or loses its current one to a shrink.
    void placeCurrentQuietly(const QModelIndex& index);

  signals:
    // Raised synchronously; the current index is still the cell being left.
    void aboutToLeaveCell();
};

}  // namespace orvex
