// Random sequences of real user actions on the window, checked after every action against a
// model of what the user should see. A divergence is reported with its seed and the shortest
// list of actions found that still reproduces it.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <random>
#include <vector>

#include "main_window.h"
#include "suites.h"
#include "user_model.h"
#include "window_driver.h"

namespace {

const QString kAssignmentFirstLine =
    QStringLiteral("Да се състави проект, осъществяващ вътрешнопредметна връзка в Информатика.");

struct Action {
  enum Kind {
    CountClick,
    CountKeys,
    CountTyped,
    FormClick,
    FormArrow,
    ValueClick,
    ValueKeys,
    ValueTyped,
    Clear,
    SignClick,
  };
  Kind kind;
  int target;  // count index, form, row or sign index
  int value;   // the row value, for the value actions

  QString describe() const {
    static const char* const names[] = {
        "count by click", "count by keys", "count typed", "form by click", "form by arrow",
        "value by click", "value by keys", "value typed", "Clear",         "click on sign"};
    return QStringLiteral("%1 %2 %3").arg(QLatin1String(names[kind])).arg(target).arg(value);
  }
};

Action randomAction(std::mt19937& random, const UserModel& model) {
  auto pick = [&random](int from, int to) {
    return std::uniform_int_distribution<int>(from, to)(random);
  };
  const int roll = pick(0, 99);
  const int row = pick(0, model.shownRows() - 1);
  if (roll < 10)
    return {Action::CountClick, pick(0, 2), 0};
  if (roll < 16)
    return {Action::CountKeys, pick(0, 2), 0};
  if (roll < 20)
    return {Action::CountTyped, pick(0, 2), 0};
  if (roll < 28)
    return {Action::FormClick, pick(0, 1), 0};
  if (roll < 32)
    return {Action::FormArrow, 0, 0};
  if (roll < 56)
    return {Action::ValueClick, row, pick(0, 1)};
  if (roll < 76)
    return {Action::ValueKeys, row, pick(0, 1)};
  if (roll < 90)
    return {Action::ValueTyped, row, pick(0, 1)};
  if (roll < 94)
    return {Action::Clear, 0, 0};
  return {Action::SignClick, roll < 97 ? row : 32, 0};
}

int shownItem(const QListWidget* list) {
  return list->indexAt(QPoint(1, 1)).row();
}

// Performs `action` on the window and the same selections, step by step, on the model.
// Returns false when the action does not apply to the current window (a hidden row).
bool perform(const Action& action, WindowDriver& driver, UserModel& model) {
  const bool rowAction = action.kind == Action::ValueClick || action.kind == Action::ValueKeys ||
                         action.kind == Action::ValueTyped ||
                         (action.kind == Action::SignClick && action.target < 32);
  if (rowAction && action.target >= model.shownRows()) {
    return false;
  }
  switch (action.kind) {
    case Action::CountClick:
      driver.chooseCountByClick(action.target);
      model.chooseCount(action.target);
      break;
    case Action::CountKeys: {
      // A click on the item that shows, then one arrow press per item on the way.
      int step = shownItem(driver.countList());
      driver.chooseCountByKeys(action.target);
      model.chooseCount(step);
      while (step != action.target) {
        step += step < action.target ? 1 : -1;
        model.chooseCount(step);
      }
      break;
    }
    case Action::CountTyped:
      driver.countList()->setFocus(Qt::TabFocusReason);
      QTest::keyClick(driver.countList(), static_cast<Qt::Key>(Qt::Key_3 + action.target));
      model.chooseCount(action.target);
      break;
    case Action::FormClick:
      driver.chooseForm(action.target);
      model.chooseForm(action.target);
      break;
    case Action::FormArrow: {
      if (model.form() < 0) {
        return false;
      }
      QRadioButton* focused = driver.option(model.form());
      focused->setFocus(Qt::TabFocusReason);
      QTest::keyClick(focused, model.form() == 0 ? Qt::Key_Right : Qt::Key_Left);
      model.chooseForm(1 - model.form());
      break;
    }
    case Action::ValueClick:
      driver.setValueByClick(action.target, action.value);
      model.setValue(action.target, action.value);
      break;
    case Action::ValueKeys:
      model.setValue(action.target, shownItem(driver.selector(action.target)));
      driver.setValueByKeys(action.target, action.value);
      model.setValue(action.target, action.value);
      break;
    case Action::ValueTyped:
      driver.selector(action.target)->setFocus(Qt::TabFocusReason);
      QTest::keyClick(driver.selector(action.target), action.value == 1 ? Qt::Key_1 : Qt::Key_0);
      model.setValue(action.target, action.value);
      break;
    case Action::Clear:
      driver.clickClear();
      model.clear();
      break;
    case Action::SignClick:
      driver.clickSign(action.target);
      break;
  }
  return true;
}

// The first difference between what the window shows and what the model expects, or nothing.
QString divergence(const WindowDriver& driver, const UserModel& model) {
  const int count = WindowDriver::selectedRow(driver.countList());
  if (count != model.countIndex()) {
    return QStringLiteral("count %1, expected %2").arg(count).arg(model.countIndex());
  }
  for (int form = 0; form < 2; ++form) {
    if (driver.option(form)->isChecked() != (model.form() == form)) {
      return QStringLiteral("option %1 checked: %2")
          .arg(form)
          .arg(driver.option(form)->isChecked());
    }
  }
  QList<int> expectedRows;
  for (int row = 0; row < model.shownRows(); ++row) {
    expectedRows.append(row);
  }
  if (driver.shownRows() != expectedRows) {
    return QStringLiteral("%1 rows shown, expected %2")
        .arg(driver.shownRows().size())
        .arg(model.shownRows());
  }
  for (int row = 0; row < 32 && driver.hasRow(row); ++row) {
    if (row < model.shownRows() && driver.labelBox(row)->text() != model.label(row)) {
      return QStringLiteral("row %1 labelled %2").arg(row).arg(driver.labelBox(row)->text());
    }
    if (WindowDriver::selectedRow(driver.selector(row)) != model.value(row)) {
      return QStringLiteral("row %1 holds %2, expected %3")
          .arg(row)
          .arg(WindowDriver::selectedRow(driver.selector(row)))
          .arg(model.value(row));
    }
  }
  const QStringList lines = driver.resultLines();
  switch (model.box()) {
    case UserModel::Box::Assignment:
      if (lines.size() != 12 || lines.front() != kAssignmentFirstLine) {
        return QStringLiteral("the assignment is gone: %1").arg(lines.front());
      }
      break;
    case UserModel::Box::Empty:
      if (!driver.resultBox()->toPlainText().isEmpty()) {
        return QStringLiteral("the box is not empty: %1").arg(lines.front());
      }
      break;
    case UserModel::Box::Report:
      if (lines != model.reportLines()) {
        return QStringLiteral("the box holds %1").arg(lines.join(QLatin1Char('|')));
      }
      break;
  }
  return {};
}

// Replays `actions` on a fresh window; the divergence it ends in, if any.
QString replay(const std::vector<Action>& actions) {
  WindowDriver driver;
  UserModel model;
  for (const Action& action : actions) {
    perform(action, driver, model);
    if (QString found = divergence(driver, model); !found.isEmpty()) {
      return found;
    }
  }
  return {};
}

// Drops actions while the divergence stays, first in large chunks, then one at a time.
std::vector<Action> shrink(std::vector<Action> actions, const QElapsedTimer& budget) {
  for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t start = 0; start + chunk <= actions.size() && budget.elapsed() < 60'000;) {
      std::vector<Action> fewer = actions;
      fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(start),
                  fewer.begin() + static_cast<std::ptrdiff_t>(start + chunk));
      if (!replay(fewer).isEmpty()) {
        actions = std::move(fewer);
      } else {
        start += chunk;
      }
    }
  }
  return actions;
}

}  // namespace

class ModelTest : public QObject {
  Q_OBJECT

 private slots:
  void randomUserSessionsMatchTheModel() {
    const unsigned firstSeed = qEnvironmentVariableIsSet("NF_MODEL_SEED")
                                   ? qEnvironmentVariable("NF_MODEL_SEED").toUInt()
                                   : 20261208U;
    constexpr int kSessions = 200;  // short sessions: the start state is visited often
    constexpr int kActionsPerSession = 50;
    QElapsedTimer clock;
    clock.start();
    int performed = 0;
    for (unsigned seed = firstSeed; seed < firstSeed + kSessions; ++seed) {
      std::mt19937 random(seed);
      WindowDriver driver;
      UserModel model;
      std::vector<Action> actions;
      while (std::ssize(actions) < kActionsPerSession) {
        const Action action = randomAction(random, model);
        if (!perform(action, driver, model)) {
          continue;
        }
        actions.push_back(action);
        ++performed;
        if (const QString found = divergence(driver, model); !found.isEmpty()) {
          QElapsedTimer budget;
          budget.start();
          QStringList steps;
          for (const Action& step : shrink(actions, budget)) {
            steps << step.describe();
          }
          QFAIL(qPrintable(QStringLiteral("seed %1, after %2 actions: %3\nshortest run found:\n%4")
                               .arg(seed)
                               .arg(actions.size())
                               .arg(found, steps.join(QLatin1Char('\n')))));
        }
      }
    }
    qInfo("%d actions in %lld ms", performed, clock.elapsed());
    QVERIFY(performed >= kSessions * kActionsPerSession);
  }
};

std::unique_ptr<QObject> makeModelTest() {
  return std::make_unique<ModelTest>();
}

#include "model_test.moc"
