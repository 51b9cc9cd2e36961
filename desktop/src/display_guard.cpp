#include "desktop/display_guard.h"

#include <QString>
#include <QStringList>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/language.h"
#include "window/shown_text.h"

namespace nf {
namespace {

// A message Qt gave while the guard held them, with copies of its context's texts.
struct KeptMessage {
  QtMsgType type;
  std::string file;
  int line;
  std::string function;
  std::string category;
  QString text;
};

std::mutex keptLock;
std::vector<KeptMessage> kept;
// Whether the plugin of an X or a Wayland display has spoken: Qt loaded it, and it could not
// reach its display. A plugin or a library that is missing leaves only Qt's own messages.
bool displayUnreachable = false;

// Each line of Qt's messages after the program's name; they quote what the environment named.
int reportQtReason(const QString& fatal) {
  const auto writeLines = [](const QString& message) {
    for (const QString& line : message.split(u'\n', Qt::SkipEmptyParts)) {
      complain(shownText(line.toStdString()));
    }
  };
  for (const KeptMessage& message : kept) {
    writeLines(message.text);
  }
  writeLines(fatal);
  return 1;
}

void keep(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const std::lock_guard lock(keptLock);
  if (type == QtFatalMsg) {
    // Qt aborts after a fatal message, with a core dump: the program ends before that.
    std::_Exit(displayUnreachable ? reportNoDisplay() : reportQtReason(text));
  }
  const std::string_view category = context.category != nullptr ? context.category : "";
  displayUnreachable = displayUnreachable || category.starts_with("qt.qpa.xcb") ||
                       category.starts_with("qt.qpa.wayland");
  const auto copy = [](const char* from) { return std::string(from != nullptr ? from : ""); };
  kept.push_back({type, copy(context.file), context.line, copy(context.function),
                  copy(context.category), text});
}

}  // namespace

DisplayGuard::DisplayGuard() : previous_(qInstallMessageHandler(keep)) {}

DisplayGuard::~DisplayGuard() {
  release();
}

void DisplayGuard::release() {
  if (!held_) {
    return;
  }
  held_ = false;
  qInstallMessageHandler(previous_);
  std::vector<KeptMessage> messages;
  {
    const std::lock_guard lock(keptLock);
    messages.swap(kept);
  }
  for (const KeptMessage& message : messages) {
    const QMessageLogContext context(
        message.file.empty() ? nullptr : message.file.c_str(), message.line,
        message.function.empty() ? nullptr : message.function.c_str(), message.category.c_str());
    previous_(message.type, context, message.text);
  }
}

}  // namespace nf
