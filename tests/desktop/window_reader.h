#pragma once

#include <QString>
#include <QWidget>

#include "seen_window.h"
#include "window/controls.h"

/// Control `control` of the Qt window, found by its name; null while the window has not made
/// it (rows 8 to 31 are made when a count first shows them).
template <typename T>
T* findControl(const QWidget& window, nf::layout::Control control) {
  return window.findChild<T*>(QString::fromStdString(control.name()));
}

/// Control `control` of the Qt window, which the caller needs: its absence ends the test.
template <typename T>
T* existingControl(const QWidget& window, nf::layout::Control control) {
  T* found = findControl<T>(window, control);
  if (found == nullptr) {
    qFatal("the window has no control named %s", control.name().c_str());
  }
  return found;
}

/// What the Qt window shows, read off its widgets: a row without controls counts as hidden,
/// holding "0", with no label box to read.
SeenWindow readWindow(const QWidget& window);

/// Index of the one selected item of a list, -1 for none or several.
class QListWidget;
int selectedItem(const QListWidget* list);
