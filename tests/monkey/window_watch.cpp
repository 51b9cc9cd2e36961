#include "window_watch.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>
#include <string>

#include "core/report.h"
#include "core/truth_table.h"
#include "window/layout.h"

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

// Row `row`'s label for `variables` variables, worked out here: its binary digits, most
// significant first, one blank between them.
QString binaryLabel(int variables, int row) {
  QStringList digits;
  for (int bit = variables - 1; bit >= 0; --bit) {
    digits << (((row >> bit) & 1) != 0 ? QStringLiteral("1") : QStringLiteral("0"));
  }
  return digits.join(QLatin1Char(' '));
}

int lastRow(int count) {
  return count < 0 ? 7 : (8 << count) - 1;
}

int selectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.size() == 1 ? list->row(selected.front()) : -1;
}

// A text as the box shows it: each CR LF one line break.
QString asShown(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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
  for (int row = 0; row < 32; ++row) {
    labels_[static_cast<std::size_t>(row)] = binaryLabel(3, row < 8 ? row : 0);
  }
  watchNewSelectors();
  // Every count the list passes through relabels its rows, also one that a key moves on from
  // within the same input; hidden rows keep the label of the last count that showed them.
  connect(countList_, &QListWidget::itemSelectionChanged, this, [this] {
    changedSinceClear_ = true;
    const int count = selectedRow(countList_);
    for (int row = 0; count != -1 && row <= lastRow(count); ++row) {
      labels_[static_cast<std::size_t>(row)] = binaryLabel(count + 3, row);
    }
  });
  for (QRadioButton* option : options_) {
    connect(option, &QRadioButton::toggled, this, [this](bool on) {
      if (on) {
        changedSinceClear_ = true;
      }
    });
  }
  // Connected after the window's own handler, so this runs once Clear has done its work and
  // the selections it made itself are not taken for the user's.
  connect(clear_, &QPushButton::clicked, this, [this] {
    clearClicked_ = true;
    changedSinceClear_ = false;
  });

  for (const std::string_view line : nf::layout::kAssignmentLines) {
    assignment_ += QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    assignment_ += QLatin1Char('\n');
  }
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
      // Any change of a value while a Clear's result stands means a report is due again.
      connect(list, &QListWidget::itemSelectionChanged, this,
              [this] { changedSinceClear_ = true; });
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

QString WindowWatch::reportFor(const Shown& shown) const {
  nf::TruthTable table;
  table.setCountIndex(shown.count);
  for (int row = 0; row < 32; ++row) {
    table.setSelectedItem(row, shown.values[static_cast<std::size_t>(row)]);
  }
  const std::optional<std::string> report = shown.dnf ? nf::WriteDnf(table) : nf::WriteKnf(table);
  return report ? asShown(*report) : QStringLiteral("<no report>");
}

QString WindowWatch::expectedBox() const {
  switch (phase_) {
    case Phase::Opened:
      return assignment_;
    case Phase::Cleared:
      return QString();
    case Phase::Reporting:
      break;
  }
  return reportFor(read());
}

QString WindowWatch::checkOpened() {
  const Shown now = read();
  QStringList problems;
  if (now.count != -1 || now.dnf || now.knf) {
    problems << QStringLiteral("a count or a form is chosen before the user chose one");
  }
  for (std::size_t i = 0; i < 32; ++i) {
    if (now.values[i] != 0) {
      problems << QStringLiteral("row %1 does not start at \"0\"").arg(i);
    }
  }
  checkControls(now, problems);
  checkRows(now, problems);
  checkBox(problems);
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
  // A count the program selects itself (Clear chooses "3") notifies no one outside the window,
  // and relabels its rows all the same.
  for (int row = 0; now.count != -1 && row <= lastRow(now.count); ++row) {
    labels_[static_cast<std::size_t>(row)] = binaryLabel(now.count + 3, row);
  }
  QStringList problems;
  checkControls(now, problems);
  checkChange(now, problems);
  checkRows(now, problems);
  checkBox(problems);
  return summary(problems);
}

// What must hold whatever the input was: the window is there, in place, every box read-only,
// every selector with one item selected, the count and the form chosen together.
void WindowWatch::checkControls(const Shown& now, QStringList& problems) const {
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
  if (now.count == -1 && phase_ != Phase::Opened) {
    problems << QStringLiteral("the count list lost its selection");
  }
  if (now.count == -1 && (now.dnf || now.knf)) {
    problems << QStringLiteral("a form is chosen but no count");
  }
  if (now.count != -1 && now.dnf == now.knf) {
    problems << QStringLiteral("a count is chosen but %1 forms")
                    .arg(now.dnf ? QStringLiteral("both") : QStringLiteral("no"));
  }
}

// How the state may have changed by one input, and which text the box must hold after it.
void WindowWatch::checkChange(const Shown& now, QStringList& problems) {
  if (clearClicked_) {
    ++tally_.clears;
    if (now.count != 0 || !now.dnf) {
      problems << QStringLiteral("after Clear the count is not \"3\" or the form not ДНФ");
    }
    for (std::size_t i = 0; i < 32; ++i) {
      if (now.values[i] != 0) {
        problems << QStringLiteral("after Clear row %1 is not \"0\"").arg(i);
      }
    }
    phase_ = Phase::Cleared;
    afterClear_ = now;
  } else {
    // One input changes at most one value, of a row the user could see.
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
    if (phase_ == Phase::Opened && now.count != -1) {
      // The first choice of either chooses the other's default.
      if (now.count != 0 && !now.dnf) {
        problems << QStringLiteral("the first choice left neither count \"3\" nor ДНФ");
      }
      phase_ = Phase::Reporting;
    } else if (phase_ == Phase::Cleared && changedSinceClear_) {
      phase_ = Phase::Reporting;
    } else if (phase_ == Phase::Cleared && now != afterClear_) {
      problems << QStringLiteral("the state changed since Clear without any notification");
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

// The rows of the chosen count are shown, with their labels; the others hidden, their label
// boxes keeping what they last held.
void WindowWatch::checkRows(const Shown& now, QStringList& problems) const {
  const int last = lastRow(now.count);
  for (int row = 0; row < 32; ++row) {
    const QLineEdit* box = labelBox(row);
    const QLabel* equals = sign(row);
    const QListWidget* list = selector(row);
    const bool shown = row <= last;
    const bool made = box != nullptr && equals != nullptr && list != nullptr;
    if (shown
            ? !made || box->isHidden() || equals->isHidden() || list->isHidden()
            : (box != nullptr && !box->isHidden()) || (equals != nullptr && !equals->isHidden()) ||
                  (list != nullptr && !list->isHidden())) {
      problems << QStringLiteral("row %1 should be %2")
                      .arg(row)
                      .arg(shown ? QStringLiteral("shown") : QStringLiteral("hidden"));
    }
    const QString& label = labels_[static_cast<std::size_t>(row)];
    if (box != nullptr && box->text() != label) {
      problems << QStringLiteral("label box Text2_%1 reads \"%2\", expected \"%3\"")
                      .arg(row)
                      .arg(box->text(), label);
    }
  }
}

void WindowWatch::checkBox(QStringList& problems) const {
  const QString expected = expectedBox();
  const QString shown = box_->toPlainText();
  if (shown != expected) {
    static const char* const kPhases[] = {"the assignment", "a report", "nothing (after Clear)"};
    problems << QStringLiteral("the result box should hold %1; %2")
                    .arg(QLatin1String(kPhases[static_cast<int>(phase_)]),
                         firstDifference(expected, shown));
  }
}
