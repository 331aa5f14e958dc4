#include "windows/grid/FlexGridView.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>

#include "windows/grid/CellSelectionModel.h"
#include "windows/grid/FlexGridModel.h"

namespace orvex {

namespace {

void MakeHeadingInert(QHeaderView* header) {
    // A heading is no button: a click on it neither selects its row or column nor shows it
    // pressed. The grid still reports the click itself.
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
}

}  // namespace

FlexGridView::FlexGridView(FlexGridModel* model, QWidget* parent)
    : QTableView(parent), gridModel_(model) {
    // QTableView keeps its corner button as a direct child and offers no text for it.
    cornerButton_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    cornerLabel_ = new QLabel(cornerButton_);
    cornerLabel_->setObjectName(QStringLiteral("cornerText"));
    cornerLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    cornerLabel_->setContentsMargins(2, 0, 2, 0);
    connect(model, &FlexGridModel::cornerChanged, this, &FlexGridView::showCornerText);
    showCornerText();

    setModel(model);
    QItemSelectionModel* defaultSelection = selectionModel();
    cellSelection_ = new CellSelectionModel(model, this);
    setSelectionModel(cellSelection_);
    delete defaultSelection;

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    MakeHeadingInert(horizontalHeader());
    MakeHeadingInert(verticalHeader());
}

void FlexGridView::keyboardSearch(const QString& /*search*/) {
    // Typing on the grid does not jump to a cell starting with the typed text.
}

void FlexGridView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        emit focusLost();
    }
}

void FlexGridView::updateGeometries() {
    QTableView::updateGeometries();
    cornerLabel_->setGeometry(cornerButton_->rect());
}

void FlexGridView::showCornerText() {
    cornerLabel_->setText(gridModel_->cellText(0, 0));
    cornerLabel_->setAlignment(gridModel_->colAlignment(0));
}

}  // namespace orvex
