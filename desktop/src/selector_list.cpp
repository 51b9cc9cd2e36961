#include "selector_list.h"

#include <QScrollBar>

namespace nf {

SelectorList::SelectorList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

int SelectorList::selectedRow() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.front().row();
}

void SelectorList::selectRow(int row) {
  setCurrentRow(row);
  // Scrolling by items, the scroll bar's value is the row at the top.
  QListWidgetItem* shown = item(row);
  if (shown != nullptr && verticalScrollBar()->value() != row) {
    scrollToItem(shown, QAbstractItemView::PositionAtTop);
  }
}

QItemSelectionModel::SelectionFlags SelectorList::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
  // A press or drag that ends beside every item (the strip below the last one, or outside the
  // list) would clear the selection; it leaves it as it is.
  if (!index.isValid()) {
    return QItemSelectionModel::NoUpdate;
  }
  QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
  }
  return command;
}

}  // namespace nf
