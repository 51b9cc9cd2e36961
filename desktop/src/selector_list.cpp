#include "selector_list.h"

#include <QKeyEvent>
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

void SelectorList::keyPressEvent(QKeyEvent* event) {
  // The items are one character each, so a typed character means that item alone; the
  // list's own search would join quick keystrokes into one text ("10") and find nothing.
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    const QList<QListWidgetItem*> typed = findItems(event->text(), Qt::MatchExactly);
    if (!event->text().isEmpty() && !typed.isEmpty()) {
      selectRow(row(typed.front()));
      event->accept();
      return;
    }
  }
  QListWidget::keyPressEvent(event);
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
