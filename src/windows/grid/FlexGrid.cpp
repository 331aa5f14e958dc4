#include "windows/grid/FlexGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include "windows/grid/CellSelectionModel.h"
#include "windows/grid/FlexGridModel.h"
#include "windows/grid/FlexGridView.h"
#include "windows/grid/GridFormatString.h"

namespace orvex {

namespace {

// Grid row or column of a header section or view row/column; -1 when there is none.
int GridIndex(int viewIndex) {
    return viewIndex < 0 ? -1 : viewIndex + 1;
}

}  // namespace

FlexGrid::FlexGrid(QWidget* parent)
    : QWidget(parent), model_(new FlexGridModel(this)), view_(new FlexGridView(model_, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    connect(view_->cellSelectionModel(), &CellSelectionModel::aboutToLeaveCell, this,
            &FlexGrid::leaveCell, Qt::DirectConnection);
    connect(view_, &FlexGridView::focusLost, this, &FlexGrid::lostFocus);
    connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::scrolled);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, &FlexGrid::scrolled);

    // The mouse over the cells, the two headings and the corner.
    for (QWidget* part :
         {view_->viewport(), view_->horizontalHeader()->viewport(),
          view_->verticalHeader()->viewport(), static_cast<QWidget*>(view_->cornerButton())}) {
        part->installEventFilter(this);
    }
    keepCurrentCellValid();
}

FlexGrid::~FlexGrid() {
    // The view is destroyed after this object, and gives up the focus on the way; nothing it
    // or its parts emit then reaches the grid's signals (or the window listening to them).
    view_->disconnect(this);
    view_->cellSelectionModel()->disconnect(this);
    view_->horizontalScrollBar()->disconnect(this);
    view_->verticalScrollBar()->disconnect(this);
}

int FlexGrid::rows() const {
    return model_->gridRows();
}

void FlexGrid::setRows(int rows) {
    model_->setGridRows(rows);
    keepCurrentCellValid();
}

int FlexGrid::cols() const {
    return model_->gridCols();
}

void FlexGrid::setCols(int cols) {
    model_->setGridCols(cols);
    keepCurrentCellValid();
}

void FlexGrid::setFormatString(const QString& format) {
    const QList<GridHeading> headings = ParseGridFormatString(format);
    setCols(static_cast<int>(headings.size()));
    for (int col = 0; col < headings.size(); ++col) {
        model_->setCellText(0, col, headings[col].text);
        model_->setColAlignment(col, headings[col].alignment);
    }
}

Qt::Alignment FlexGrid::colAlignment(int col) const {
    return model_->colAlignment(col);
}

QString FlexGrid::textMatrix(int row, int col) const {
    return model_->cellText(row, col);
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    model_->setCellText(row, col, text);
}

QString FlexGrid::text() const {
    return textMatrix(row(), col());
}

void FlexGrid::setText(const QString& text) {
    setTextMatrix(row(), col(), text);
}

int FlexGrid::row() const {
    return GridIndex(view_->currentIndex().row());
}

int FlexGrid::col() const {
    return GridIndex(view_->currentIndex().column());
}

void FlexGrid::setRow(int row) {
    setCurrentCell(row, col());
}

void FlexGrid::setCol(int col) {
    setCurrentCell(row(), col);
}

void FlexGrid::setCurrentCell(int row, int col) {
    if (row < 1 || row >= rows() || col < 1 || col >= cols()) return;
    view_->setCurrentIndex(model_->index(row - 1, col - 1));
}

QRect FlexGrid::cellRect() const {
    const QRect inViewport = view_->visualRect(view_->currentIndex());
    return {view_->viewport()->mapTo(this, inViewport.topLeft()), inViewport.size()};
}

int FlexGrid::colWidth(int col) const {
    if (col == 0) return view_->verticalHeader()->width();
    return view_->columnWidth(col - 1);
}

void FlexGrid::setColWidth(int col, int width) {
    if (col == 0) {
        view_->verticalHeader()->setFixedWidth(width);
    } else if (col > 0 && col < cols()) {
        view_->setColumnWidth(col - 1, width);
    }
}

void FlexGrid::placeOverCurrentCell(QWidget* editor, bool useCellHeight) {
    if (editor->parentWidget() != this) editor->setParent(this);
    QRect area = cellRect();
    if (!useCellHeight) area.setHeight(editor->sizeHint().height());
    editor->setGeometry(area);
    editor->raise();
}

void FlexGrid::hideOverlay(QWidget* editor) {
    if (editor->isAncestorOf(editor->window()->focusWidget())) {
        view_->setFocus(Qt::OtherFocusReason);
    }
    editor->hide();
}

QTableView* FlexGrid::view() const {
    return view_;
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
        type == QEvent::MouseButtonDblClick || type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        trackMouse(watched, mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton) followLeftButton(type);
    }
    return QWidget::eventFilter(watched, event);
}

void FlexGrid::followLeftButton(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
            pressed_ = true;
            doubleClicking_ = false;
            break;
        case QEvent::MouseButtonDblClick:
            pressed_ = true;
            doubleClicking_ = true;
            emit doubleClicked();
            break;
        case QEvent::MouseButtonRelease:
            if (!pressed_) break;
            pressed_ = false;
            // The release that ends a double click is not another click.
            if (!doubleClicking_) emit clicked();
            break;
        default:
            break;
    }
}

bool FlexGrid::focusNextPrevChild(bool next) {
    // A focused editor over the grid that is being hidden hands the focus on through here;
    // the grid takes it back rather than letting it wander to the next widget.
    QWidget* focus = QApplication::focusWidget();
    const bool hiddenEditorHasFocus = focus != nullptr && isAncestorOf(focus) &&
                                      !view_->isAncestorOf(focus) && !focus->isVisible();
    if (hiddenEditorHasFocus) {
        view_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void FlexGrid::trackMouse(QObject* part, const QPoint& position) {
    if (part == view_->viewport()) {
        mouseRow_ = GridIndex(view_->rowAt(position.y()));
        mouseCol_ = GridIndex(view_->columnAt(position.x()));
    } else if (part == view_->horizontalHeader()->viewport()) {
        mouseRow_ = 0;
        mouseCol_ = GridIndex(view_->horizontalHeader()->logicalIndexAt(position));
    } else if (part == view_->verticalHeader()->viewport()) {
        mouseRow_ = GridIndex(view_->verticalHeader()->logicalIndexAt(position));
        mouseCol_ = 0;
    } else {
        mouseRow_ = 0;
        mouseCol_ = 0;
    }
}

void FlexGrid::keepCurrentCellValid() {
    CellSelectionModel* selection = view_->cellSelectionModel();
    const QModelIndex current = selection->currentIndex();
    if (!current.isValid()) {
        selection->placeCurrentQuietly(model_->index(0, 0));
    } else if (!selection->isSelected(current)) {
        selection->placeCurrentQuietly(current);
    }
}

}  // namespace orvex
