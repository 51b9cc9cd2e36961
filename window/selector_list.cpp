#include "selector_list.h"

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
  if (QListWidgetItem* shown = item(row)) {
    scrollToItem(shown, QAbstractItemView::PositionAtTop);
  }
}

QItemSelectionModel::SelectionFlags SelectorList::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
  QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
  if (command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
  }
  return command;
}

}  // namespace nf
