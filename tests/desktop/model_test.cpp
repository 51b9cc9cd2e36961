// Random sequences of real user actions on the window, checked after every action against the
// user model. A divergence is reported with its seed and the shortest list of actions found
// that still reproduces it.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <map>
#include <random>
#include <string_view>
#include <vector>

#include "desktop/main_window.h"
#include "scenarios.h"
#include "session_runner.h"
#include "suites.h"
#include "user_model.h"
#include "window_driver.h"

namespace {

int shownItem(const QListWidget* list) {
  return list->indexAt(QPoint(1, 1)).row();
}

// Performs `action` on the window the way it says, and the same selections, step by step, on
// the model: a count reached by arrows passes through the counts between. The runner applies
// the action to the model afterwards.
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
        // The other option takes the focus without being selected; the arrow leads back.
        static const std::map<std::string_view, Qt::Key> kArrows = {{"Left", Qt::Key_Left},
                                                                    {"Right", Qt::Key_Right},
                                                                    {"Up", Qt::Key_Up},
                                                                    {"Down", Qt::Key_Down}};
        QRadioButton* focused = driver.option(1 - action.target);
        focused->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focused, kArrows.at(arrowKey(action)));
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
      if (action.way == Way::Click) {
        driver.clickClear();
      } else {
        driver.clearButton()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(driver.clearButton(), action.value == 0 ? Qt::Key_Return : Qt::Key_Space);
      }
      break;
    case Kind::Label:
      driver.clickSign(action.target);
      break;
  }
}

// The Qt window as the sessions drive it: a fresh window for every session.
class DesktopFace : public Face {
 public:
  void open() override { driver_ = std::make_unique<WindowDriver>(); }
  void perform(const UserAction& action, UserModel& expected) override {
    ::perform(action, *driver_, expected);
  }
  SeenWindow read() override { return readWindow(driver_->window()); }
  std::string problem(const UserModel& /*expected*/) override {
    for (int row = 0; row < 32 && driver_->hasRow(row); ++row) {
      if (!driver_->labelBox(row)->isReadOnly()) {
        return "row " + std::to_string(row) + "'s label box can be edited";
      }
    }
    return {};
  }

 private:
  std::unique_ptr<WindowDriver> driver_;
};

}  // namespace

class ModelTest : public QObject {
  Q_OBJECT

 private slots:
  void endStatesMatchTheModel() {
    DesktopFace face;
    for (const Scenario& scenario : endStateScenarios()) {
      const std::string failure = replay(face, scenario.actions);
      QVERIFY2(failure.empty(), (std::string(scenario.name) + ", " + failure).c_str());
    }
  }

  void randomUserSessionsMatchTheModel() {
    constexpr int kSessions = 200;  // short sessions: the start state is visited often
    constexpr int kActionsPerSession = 50;
    QElapsedTimer clock;
    clock.start();
    DesktopFace face;
    const std::string failure =
        runRandomSessions(face, {firstSeedFromEnvironment(), kSessions, kActionsPerSession});
    QVERIFY2(failure.empty(), failure.c_str());
    qInfo("%d actions in %lld ms", kSessions * kActionsPerSession, clock.elapsed());
  }
};

std::unique_ptr<QObject> makeModelTest() {
  return std::make_unique<ModelTest>();
}

#include "model_test.moc"
