// Runs one Qt Test class of the window suite, named by the first argument, or all of them.
#include <QApplication>
#include <QStyleFactory>
#include <QTest>
#include <functional>
#include <map>
#include <memory>

#include "suites.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  const std::map<QString, std::function<std::unique_ptr<QObject>()>> suites = {
      {QStringLiteral("LayoutTest"), makeLayoutTest},
      {QStringLiteral("BehaviourTest"), makeBehaviourTest},
      {QStringLiteral("AccessibilityTest"), makeAccessibilityTest},
      {QStringLiteral("HighDpiTest"), makeHighDpiTest},
      {QStringLiteral("ModelTest"), makeModelTest},
      {QStringLiteral("MenuTest"), makeMenuTest},
  };
  QStringList args = QCoreApplication::arguments();
  const QString wanted = args.size() > 1 && !args[1].startsWith('-') ? args.takeAt(1) : QString();
  int failures = 0;
  bool ran = false;
  for (const auto& [name, make] : suites) {
    if (wanted.isEmpty() || wanted == name) {
      const std::unique_ptr<QObject> suite = make();
      failures += QTest::qExec(suite.get(), args);
      ran = true;
    }
  }
  return ran ? failures : 2;
}
