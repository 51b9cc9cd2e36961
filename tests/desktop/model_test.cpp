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

#include "desktop/main_window.h"
#include "suites.h"
#include "user_action.h"
#include "user_model.h"
#include "window_driver.h"

namespace {

int shownItem(const QListWidget* list) {
  return list->indexAt(QPoint(1, 1)).row();
}

// Performs `action` on the window the way it says, and the same selections, step by step, on
// the model: a count reached by arrows passes through the counts between.
void perform(const UserAction& action, WindowDriver& driver, UserModel& model) {
  using Kind = UserAction::Kind;
  using Way = UserAction::Way;
  switch (action.kind) {
    case Kind::Count:
      if (action.way == Way::Click) {
        driver.chooseCountByClick(action.target);
      } else if (action.way == Way::Arrows) {
        // A click on the item that shows, then one arrow press per item on the way.
        int step = shownItem(driver.countList());
        driver.chooseCountByKeys(action.target);
        model.chooseCount(step);
        while (step != action.target) {
          step += step < action.target ? 1 : -1;
          model.chooseCount(step);
        }
      } else {
        driver.countList()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(driver.countList(), static_cast<Qt::Key>(Qt::Key_3 + action.target));
      }
      break;
    case Kind::Form:
      if (action.way == Way::Arrows) {
        QRadioButton* focused = driver.option(model.form());
        focused->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focused, model.form() == 0 ? Qt::Key_Right : Qt::Key_Left);
      } else {
        driver.chooseForm(action.target);
      }
      break;
    case Kind::Value:
      if (action.way == Way::Click) {
        driver.setValueByClick(action.target, action.value);
      } else if (action.way == Way::Arrows) {
        model.setValue(action.target, shownItem(driver.selector(action.target)));
        driver.setValueByKeys(action.target, action.value);
      } else {
        driver.selector(action.target)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(driver.selector(action.target), action.value == 1 ? Qt::Key_1 : Qt::Key_0);
      }
      break;
    case Kind::Clear:
      driver.clickClear();
      break;
    case Kind::Label:
      driver.clickSign(action.target);
      break;
  }
  apply(action, model);
}

// Replays `actions` on a fresh window; the divergence it ends in, if any.
QString replay(const std::vector<UserAction>& actions) {
  WindowDriver driver;
  UserModel model;
  for (const UserAction& action : actions) {
    if (!possible(action, model)) {
      continue;
    }
    perform(action, driver, model);
    if (QString found = driver.difference(model); !found.isEmpty()) {
      return found;
    }
  }
  return {};
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
      std::vector<UserAction> actions;
      while (std::ssize(actions) < kActionsPerSession) {
        const UserAction action = randomAction(random, model);
        perform(action, driver, model);
        actions.push_back(action);
        ++performed;
        if (const QString found = driver.difference(model); !found.isEmpty()) {
          QElapsedTimer budget;
          budget.start();
          // Each replay opens a window: a minute of shrinking at most.
          const auto fails = [&budget](const std::vector<UserAction>& fewer) {
            return budget.elapsed() < 60'000 && !replay(fewer).isEmpty();
          };
          QStringList steps;
          for (const UserAction& step : shrink(actions, fails)) {
            steps << QString::fromStdString(step.describe());
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
