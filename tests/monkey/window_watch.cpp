#include "window_watch.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "desktop/main_window.h"
#include "window_reader.h"

namespace {

namespace group = nf::layout::group;

// The problems found, at most a few of them: one fault often shows in many rows.
QString summary(QStringList problems) {
  constexpr qsizetype kShown = 6;
  if (problems.size() > kShown) {
    const qsizetype more = problems.size() - kShown;
    problems.resize(kShown);
    problems << QStringLiteral("... and %1 more").arg(more);
  }
  return problems.join(QStringLiteral("; "));
}

}  // namespace

WindowWatch::WindowWatch(nf::MainWindow& window, Tally& tally)
    : window_(window),
      placed_(window.geometry()),
      countList_(existingControl<QListWidget>(window, {group::List2})),
      box_(existingControl<QPlainTextEdit>(window, {group::Text1, 0})),
      before_(readWindow(window)),
      tally_(tally) {
  // The model hears of each choice as the window takes it, not once per input: one input can
  // pass the count list through two counts, and a hidden row keeps the label of the last count
  // that showed it.
  connect(&window, &nf::MainWindow::inputTaken, this, &WindowWatch::taken);
  connect(countList_, &QListWidget::itemSelectionChanged, this, [this] {
    noteSelectionChange(*countList_);
    watchNewSelectors();
  });
  watchNewSelectors();
}

void WindowWatch::taken(const nf::Input& input) {
  lastTaken_ = QString::fromStdString(input.control.name());
  const std::string_view taken = input.control.group;
  if (taken == group::List2) {
    model_.chooseCount(input.item);
  } else if (taken == group::Option1) {
    model_.chooseForm(input.control.index);
  } else if (taken == group::List1) {
    model_.setValue(input.control.index, input.item);
  } else if (taken == group::Command1) {
    model_.clear();
    clearClicked_ = true;
  }
}

void WindowWatch::watchNewSelectors() {
  while (watchedRows_ < 32) {
    auto* list = findControl<QListWidget>(window_, {group::List1, watchedRows_});
    if (list == nullptr) {
      return;
    }
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this, list] { noteSelectionChange(*list); });
    ++watchedRows_;
  }
}

// A list whose selection changed under the user's hand without the window taking a choice from
// it: the window put it back, but the user saw it go.
void WindowWatch::noteSelectionChange(const QListWidget& list) {
  if (lastTaken_ != list.objectName()) {
    lostSelections_ << QStringLiteral("%1 lost its selection for a moment").arg(list.objectName());
  }
  lastTaken_.clear();
}

QString WindowWatch::expectedBox() const {
  return QString::fromStdString(withLineFeeds(model_.boxText()));
}

void WindowWatch::beforeInput() {
  watchNewSelectors();
  before_ = readWindow(window_);
  clearClicked_ = false;
  lostSelections_.clear();
}

QString WindowWatch::check() {
  const SeenWindow now = readWindow(window_);
  QStringList problems = lostSelections_;
  checkControls(problems);
  checkChange(now, problems);
  if (const std::string wrong = difference(now, model_); !wrong.empty()) {
    problems << QString::fromStdString(wrong);
  }
  return summary(problems);
}

// What must hold whatever the input was: the window is there, in place, every box read-only,
// every list with one item selected.
void WindowWatch::checkControls(QStringList& problems) const {
  if (!window_.isVisible()) {
    problems << QStringLiteral("the window is no longer shown");
  }
  if (window_.geometry() != placed_) {
    problems << QStringLiteral("the window moved or changed size: (%1, %2) %3x%4")
                    .arg(window_.x())
                    .arg(window_.y())
                    .arg(window_.width())
                    .arg(window_.height());
  }
  for (int row = 0; row < 32; ++row) {
    const auto* box = findControl<QLineEdit>(window_, {group::Text2, row});
    if (box != nullptr && !box->isReadOnly()) {
      problems << QStringLiteral("label box %1 is no longer read-only").arg(box->objectName());
    }
    const auto* list = findControl<QListWidget>(window_, {group::List1, row});
    if (list != nullptr && list->selectedItems().size() != 1) {
      problems << QStringLiteral("value selector %1 has %2 items selected")
                      .arg(list->objectName())
                      .arg(list->selectedItems().size());
    }
  }
  if (!box_->isReadOnly() || box_->textInteractionFlags().testFlag(Qt::TextEditable)) {
    problems << QStringLiteral("the result box is no longer read-only");
  }
  if (countList_->selectedItems().size() > 1) {
    problems << QStringLiteral("the count list has several items selected");
  }
}

// One input changes at most one value, of a row the user could see; Clear resets them all.
void WindowWatch::checkChange(const SeenWindow& now, QStringList& problems) {
  if (clearClicked_) {
    ++tally_.clears;
  } else {
    int changed = 0;
    for (std::size_t i = 0; i < 32; ++i) {
      if (now.values[i] != before_.values[i]) {
        ++changed;
        ++tally_.valueChanges;
        if (before_.shownControls[i] == 0) {
          problems << QStringLiteral("hidden row %1 changed its value").arg(i);
        }
      }
    }
    if (changed > 1) {
      problems << QStringLiteral("one input changed %1 values").arg(changed);
    }
  }
  if (now.count != before_.count) {
    ++tally_.countChanges;
  }
  if (now.options != before_.options && now.count != -1 && before_.count != -1) {
    ++tally_.formChanges;
  }
  tally_.largestCount = std::max(tally_.largestCount, now.count);
}
