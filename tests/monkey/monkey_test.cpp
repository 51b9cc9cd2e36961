#include "monkey_test.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include "monkey_run.h"

namespace {

constexpr quint64 kDefaultSeed = 20250105;
constexpr int kDefaultInputs = 2000;
constexpr int kCopyEvery = 50;         // inputs between two reads through the clipboard
constexpr int kInputsPerWindow = 400;  // then a fresh window, from the state it opens in
constexpr int kBudgetMs = 240000;      // the run stops by itself after this time
constexpr int kGraceMs = 20000;        // for the input under way when the budget runs out

quint64 seedFromEnvironment() {
  bool ok = false;
  const quint64 seed = qEnvironmentVariable("NF_MONKEY_SEED").toULongLong(&ok);
  return ok ? seed : kDefaultSeed;
}

int inputsFromEnvironment() {
  bool ok = false;
  const int inputs = qEnvironmentVariableIntValue("NF_MONKEY_INPUTS", &ok);
  return ok && inputs > 0 ? inputs : kDefaultInputs;
}

}  // namespace

void MonkeyTest::randomInputLeavesTheWindowConsistent() {
  if (!skipReason_.isEmpty()) {
    QSKIP(qPrintable(skipReason_));
  }
  MonkeyRun::Settings settings;
  settings.seed = seedFromEnvironment();
  settings.inputs = inputsFromEnvironment();
  settings.copyEvery = kCopyEvery;
  settings.inputsPerWindow = kInputsPerWindow;
  settings.budgetMs = kBudgetMs;
  qInfo("monkey seed %llu, %d inputs (NF_MONKEY_SEED and NF_MONKEY_INPUTS change them)",
        settings.seed, settings.inputs);

  MonkeyRun run(settings);
  QString failure;
  QEventLoop loop;
  connect(&run, &MonkeyRun::finished, &loop, [&loop, &failure](const QString& text) {
    failure = text;
    loop.quit();
  });
  // Started from the loop, so that a failure at the very start still ends the loop; the
  // safety time-out ends it should the run itself get stuck.
  QTimer::singleShot(0, &run, &MonkeyRun::start);
  QTimer::singleShot(kBudgetMs + kGraceMs, &run, [&run] {
    run.stop(QStringLiteral("the run neither ended nor failed in time"));
  });
  loop.exec();
  if (!failure.isEmpty()) {
    // Line by line: the test log cuts long messages.
    for (const QString& line : failure.split(QLatin1Char('\n'))) {
      qInfo("%s", qPrintable(line));
    }
    QFAIL(qPrintable(failure.section(QLatin1Char('\n'), 0, 0)));
  }

  const WindowWatch::Tally tally = run.tally();
  qInfo(
      "%d inputs in %.1f s: %d value changes, %d count changes (largest count index %d), "
      "%d form changes, %d clears, %d reads through the clipboard, %d windows, "
      "%d inputs with a menu open, %d marker moves repeated",
      run.done(), static_cast<double>(run.elapsedMs()) / 1000.0, tally.valueChanges,
      tally.countChanges, tally.largestCount, tally.formChanges, tally.clears, run.copies(),
      run.windows(), run.menuInputs(), run.markerRetries());
  QVERIFY2(run.done() == settings.inputs,
           qPrintable(QStringLiteral("the time ran out after %1 of %2 inputs")
                          .arg(run.done())
                          .arg(settings.inputs)));
  // Inputs that never reached the window would pass every check: a full run must have made
  // every kind of change (the figures are a fraction of what a run typically makes).
  if (settings.inputs >= kDefaultInputs) {
    QVERIFY2(tally.valueChanges >= 20 && tally.countChanges >= 10 && tally.formChanges >= 5 &&
                 tally.clears >= 1 && tally.largestCount == 2,
             "the inputs changed too little: see the figures above");
    QCOMPARE(run.copies(), settings.inputs / kCopyEvery);
  }
}
