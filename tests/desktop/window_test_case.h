#pragma once

#include <QObject>
#include <memory>

#include "window_driver.h"

/// Base of the window's test classes: every test function gets a freshly opened window.
class WindowTestCase : public QObject {
  Q_OBJECT

 protected:
  WindowDriver& driver() { return *driver_; }

 private slots:
  void init() { driver_ = std::make_unique<WindowDriver>(); }
  void cleanup() { driver_.reset(); }

 private:
  std::unique_ptr<WindowDriver> driver_;
};
