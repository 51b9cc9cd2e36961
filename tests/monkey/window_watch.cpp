#include "window_watch.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>

namespace {

QString indexed(const char* group, int index) {
  return QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(index);
}

// A control of a row, or none while the window has not made that row's controls.
template <typename T>
T* rowControl(const QWidget& window, const char* group, int row) {
  return window.findChild<T*>(indexed(group, row));
}

template <typename T>
T* control(const QWidget& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  if (found == nullptr) {
    qFatal("the window has no control named %s", qPrintable(name));
  }
  return found;
}

int selectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.size() == 1 ? list->row(selected.front()) : -1;
}

// Where two texts part, for the failure message.
QString firstDifference(const QString& expected, const QString& actual) {
  const QStringList want = expected.split(QLatin1Char('\n'));
  const QStringList got = actual.split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
    const QString a = i < want.size() ? want[i] : QStringLiteral("<no line>");
    const QString b = i < got.size() ? got[i] : QStringLiteral("<no line>");
    if (a != b) {
      return QStringLiteral("line %1: expected \"%2\", shown \"%3\" (%4 lines expected, %5 shown)")
          .arg(i + 1)
          .arg(a, b)
          .arg(want.size())
          .arg(got.size());
    }
  }
  return QStringLiteral("texts differ");
}

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

WindowWatch::WindowWatch(QWidget& window)
    : window_(window),
      placed_(window.geometry()),
      countList_(control<QListWidget>(window, QStringLiteral("List2"))),
      options_{control<QRadioButton>(window, indexed("Option1", 0)),
               control<QRadioButton>(window, indexed("Option1", 1))},
      clear_(control<QPushButton>(window, indexed("Command1", 0))),
      box_(control<QPlainTextEdit>(window, indexed("Text1", 0))) {
  // The model hears of each choice as it happens, not once per input: one input can pass the
  // count list through two counts, and a hidden row keeps the label of the last count that
  // showed it. The window sets controls itself with their signals blocked, so what arrives here
  // is the user's doing; it is read off the control after the window has handled it.
  connect(countList_, &QListWidget::itemSelectionChanged, this, [this] {
    if (const int count = selectedRow(countList_); count != -1) {
      model_.chooseCount(count);
    }
    watchNewSelectors();
  });
  for (int form = 0; form < 2; ++form) {
    connect(options_[static_cast<std::size_t>(form)], &QRadioButton::toggled, this,
            [this, form](bool on) {
              if (on) {
                model_.chooseForm(form);
              }
            });
  }
  // Connected after the window's own handler, so this runs once Clear has done its work.
  connect(clear_, &QPushButton::clicked, this, [this] {
    model_.clear();
    clearClicked_ = true;
  });
  watchNewSelectors();
}

QLineEdit* WindowWatch::labelBox(int row) const {
  return rowControl<QLineEdit>(window_, "Text2", row);
}

QLabel* WindowWatch::sign(int row) const {
  return rowControl<QLabel>(window_, "Label1", row);
}

QListWidget* WindowWatch::selector(int row) const {
  return rowControl<QListWidget>(window_, "List1", row);
}

void WindowWatch::watchNewSelectors() {
  for (int row = 0; row < 32; ++row) {
    const auto i = static_cast<std::size_t>(row);
    QListWidget* list = selector(row);
    if (list != nullptr && watched_[i] != list) {
      watched_[i] = list;
      connect(list, &QListWidget::itemSelectionChanged, this, [this, list, row] {
        if (const int value = selectedRow(list); value != -1) {
          model_.setValue(row, value);
        }
      });
    }
  }
}

WindowWatch::Shown WindowWatch::read() const {
  Shown shown;
  shown.count = selectedRow(countList_);
  shown.dnf = options_[0]->isChecked();
  shown.knf = options_[1]->isChecked();
  for (int row = 0; row < 32; ++row) {
    const auto i = static_cast<std::size_t>(row);
    const QListWidget* list = selector(row);
    const QLineEdit* box = labelBox(row);
    shown.values[i] = list != nullptr ? selectedRow(list) : 0;
    shown.rows[i] = box != nullptr && !box->isHidden();
  }
  return shown;
}

QString WindowWatch::expectedBox() const {
  return QString::fromStdString(model_.boxText())
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString WindowWatch::checkOpened() {
  const Shown now = read();
  QStringList problems;
  checkControls(problems);
  checkModel(now, problems);
  before_ = now;
  return summary(problems);
}

void WindowWatch::beforeInput() {
  watchNewSelectors();
  before_ = read();
  clearClicked_ = false;
}

QString WindowWatch::checkAfterInput() {
  const Shown now = read();
  QStringList problems;
  checkControls(problems);
  checkChange(now, problems);
  checkModel(now, problems);
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
    const QLineEdit* box = labelBox(row);
    if (box != nullptr && !box->isReadOnly()) {
      problems << QStringLiteral("label box Text2_%1 is no longer read-only").arg(row);
    }
    const QListWidget* list = selector(row);
    if (list != nullptr && list->selectedItems().size() != 1) {
      problems << QStringLiteral("value selector List1_%1 has %2 items selected")
                      .arg(row)
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
void WindowWatch::checkChange(const Shown& now, QStringList& problems) {
  if (clearClicked_) {
    ++tally_.clears;
  } else {
    int changed = 0;
    for (std::size_t i = 0; i < 32; ++i) {
      if (now.values[i] != before_.values[i]) {
        ++changed;
        ++tally_.valueChanges;
        if (!before_.rows[i]) {
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
  if (now.dnf != before_.dnf && now.count != -1 && before_.count != -1) {
    ++tally_.formChanges;
  }
  tally_.largestCount = std::max(tally_.largestCount, now.count);
}

// Everything the window shows, against the model.
void WindowWatch::checkModel(const Shown& now, QStringList& problems) const {
  if (now.count != model_.countIndex()) {
    problems << QStringLiteral("the count list selects item %1, expected %2")
                    .arg(now.count)
                    .arg(model_.countIndex());
  }
  if (now.dnf != (model_.form() == 0) || now.knf != (model_.form() == 1)) {
    problems << QStringLiteral("ДНФ %1 and КНФ %2 checked, expected form %3")
                    .arg(now.dnf)
                    .arg(now.knf)
                    .arg(model_.form());
  }
  for (int row = 0; row < 32; ++row) {
    const auto i = static_cast<std::size_t>(row);
    const QLineEdit* box = labelBox(row);
    const QLabel* equals = sign(row);
    const QListWidget* list = selector(row);
    const bool shown = row < model_.shownRows();
    const bool made = box != nullptr && equals != nullptr && list != nullptr;
    if (shown
            ? !made || box->isHidden() || equals->isHidden() || list->isHidden()
            : (box != nullptr && !box->isHidden()) || (equals != nullptr && !equals->isHidden()) ||
                  (list != nullptr && !list->isHidden())) {
      problems << QStringLiteral("row %1 should be %2")
                      .arg(row)
                      .arg(shown ? QStringLiteral("shown") : QStringLiteral("hidden"));
    }
    const QString label = QString::fromStdString(model_.label(row));
    if (box != nullptr && box->text() != label) {
      problems << QStringLiteral("label box Text2_%1 reads \"%2\", expected \"%3\"")
                      .arg(row)
                      .arg(box->text(), label);
    }
    if (now.values[i] != model_.value(row)) {
      problems << QStringLiteral("row %1 holds %2, expected %3")
                      .arg(row)
                      .arg(now.values[i])
                      .arg(model_.value(row));
    }
  }
  const QString expected = expectedBox();
  if (const QString shown = box_->toPlainText(); shown != expected) {
    problems << QStringLiteral("the result box should hold %1; %2")
                    .arg(model_.box() == UserModel::Box::Report ? QStringLiteral("a report")
                         : model_.box() == UserModel::Box::Empty
                             ? QStringLiteral("nothing (after Clear)")
                             : QStringLiteral("the assignment"),
                         firstDifference(expected, shown));
  }
}
