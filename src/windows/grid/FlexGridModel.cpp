#include "windows/grid/FlexGridModel.h"

#include <algorithm>

#include "windows/grid/GridFormatString.h"

namespace orvex {

FlexGridModel::FlexGridModel(QObject* parent)
    : QAbstractTableModel(parent),
      cells_(kMinimumCount, QStringList(kMinimumCount)),
      alignments_(kMinimumCount, kGridLeftAlignment) {}

void FlexGridModel::setGridRows(int rows) {
    rows = std::max(rows, kMinimumCount);
    const int current = gridRows();
    if (rows > current) {
        beginInsertRows({}, current - 1, rows - 2);
        cells_.insert(current, rows - current, QStringList(gridCols()));
        endInsertRows();
    } else if (rows < current) {
        beginRemoveRows({}, rows - 1, current - 2);
        cells_.resize(rows);
        endRemoveRows();
    }
}

void FlexGridModel::setGridCols(int cols) {
    cols = std::max(cols, kMinimumCount);
    const int current = gridCols();
    if (cols > current) {
        beginInsertColumns({}, current - 1, cols - 2);
        for (QStringList& rowTexts : cells_)
            rowTexts.resize(cols);
        alignments_.resize(cols, kGridLeftAlignment);
        endInsertColumns();
    } else if (cols < current) {
        beginRemoveColumns({}, cols - 1, current - 2);
        for (QStringList& rowTexts : cells_)
            rowTexts.resize(cols);
        alignments_.resize(cols);
        endRemoveColumns();
    }
}

bool FlexGridModel::containsCell(int row, int col) const {
    return row >= 0 && row < gridRows() && col >= 0 && col < gridCols();
}

QString FlexGridModel::cellText(int row, int col) const {
    return containsCell(row, col) ? cells_[row][col] : QString();
}

void FlexGridModel::setCellText(int row, int col, const QString& text) {
    if (!containsCell(row, col) || cells_[row][col] == text) return;
    cells_[row][col] = text;
    announceCellChanged(row, col);
}

Qt::Alignment FlexGridModel::colAlignment(int col) const {
    return col >= 0 && col < gridCols() ? alignments_[col] : kGridLeftAlignment;
}

void FlexGridModel::setColAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= gridCols() || alignments_[col] == alignment) return;
    alignments_[col] = alignment;
    if (col == 0) {
        emit cornerChanged();
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
        return;
    }
    emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    emit dataChanged(index(0, col - 1), index(rowCount() - 1, col - 1), {Qt::TextAlignmentRole});
}

int FlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : gridRows() - 1;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : gridCols() - 1;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    return roleValue(index.row() + 1, index.column() + 1, role);
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) return roleValue(0, section + 1, role);
    return roleValue(section + 1, 0, role);
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QVariant FlexGridModel::roleValue(int row, int col, int role) const {
    if (!containsCell(row, col)) return {};
    switch (role) {
        case Qt::DisplayRole:
            return cells_[row][col];
        case Qt::TextAlignmentRole:
            // Item views of this Qt version read the alignment back with toInt().
            return alignments_[col].toInt();
        default:
            return {};
    }
}

void FlexGridModel::announceCellChanged(int row, int col) {
    if (row == 0 && col == 0) {
        emit cornerChanged();
    } else if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    } else if (col == 0) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    } else {
        const QModelIndex cell = index(row - 1, col - 1);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }
}

}  // namespace orvex
