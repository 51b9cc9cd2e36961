#pragma once

#include <QObject>
#include <QString>
#include <utility>

/// Real mouse and key input, at random, on the window in a private X server: after every input
/// the window must still be there with a state the tool allows, and now and then the result box
/// is copied out through the clipboard and compared with the report.
class MonkeyTest : public QObject {
  Q_OBJECT

 public:
  /// `skipReason` is empty when the X server and the input tools are there.
  explicit MonkeyTest(QString skipReason) : skipReason_(std::move(skipReason)) {}

 private slots:
  void randomInputLeavesTheWindowConsistent();

 private:
  QString skipReason_;
};
