#include "window_reader.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace group = nf::layout::group;

int selectedItem(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.size() == 1 ? list->row(selected.front()) : -1;
}

SeenWindow readWindow(const QWidget& window) {
  SeenWindow seen;
  seen.count = selectedItem(findControl<QListWidget>(window, {group::List2}));
  for (int form = 0; form < 2; ++form) {
    seen.options[static_cast<std::size_t>(form)] =
        findControl<QRadioButton>(window, {group::Option1, form})->isChecked();
  }
  for (int row = 0; row < 32; ++row) {
    const auto i = static_cast<std::size_t>(row);
    const auto* box = findControl<QLineEdit>(window, {group::Text2, row});
    const auto* sign = findControl<QLabel>(window, {group::Label1, row});
    const auto* list = findControl<QListWidget>(window, {group::List1, row});
    if (box == nullptr || sign == nullptr || list == nullptr) {
      continue;
    }
    seen.values[i] = selectedItem(list);
    seen.shownControls[i] = int{!box->isHidden()} + int{!sign->isHidden()} + int{!list->isHidden()};
    seen.labels[i] = box->text().toStdString();
  }
  seen.box = findControl<QPlainTextEdit>(window, {group::Text1, 0})->toPlainText().toStdString();
  return seen;
}
