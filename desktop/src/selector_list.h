#pragma once

#include <QListWidget>

namespace nf {

/// A single-selection list that the user can move to another item but never empty:
/// Ctrl+click and Ctrl+Space on the selected item, and clicks or drags beside the items, keep
/// the selection. Only the program clears it.
class SelectorList : public QListWidget {
  Q_OBJECT

 public:
  explicit SelectorList(QWidget* parent = nullptr);

  /// Row of the selected item, or -1 while nothing is selected.
  int selectedRow() const;

  /// Selects `row` and scrolls it into view, so a list one item high shows what it holds.
  void selectRow(int row);

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
};

}  // namespace nf
