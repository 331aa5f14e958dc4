#include "windows/grid/CellSelectionModel.h"

#include <QPersistentModelIndex>

namespace orvex {

void CellSelectionModel::setCurrentIndex(const QModelIndex& index,
                                         QItemSelectionModel::SelectionFlags command) {
    const bool leaving = index.isValid() && currentIndex().isValid() && index != currentIndex();
    if (!leaving) {
        QItemSelectionModel::setCurrentIndex(index, command);
        return;
    }
    // The listeners may change the grid; keep track of the target through such changes.
    const QPersistentModelIndex target(index);
    emit aboutToLeaveCell();
    if (target.isValid()) QItemSelectionModel::setCurrentIndex(target, command);
}

void CellSelectionModel::placeCurrentQuietly(const QModelIndex& index) {
    QItemSelectionModel::setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

}  // namespace orvex
