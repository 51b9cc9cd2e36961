#include "desktop/display_guard.h"

#include <QString>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "cli/command_line.h"

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

void keep(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // Only the platform plugin is fatal while Qt starts: none of it is the user's to read.
    std::_Exit(reportNoDisplay());
  }
  const auto copy = [](const char* from) { return std::string(from != nullptr ? from : ""); };
  const std::lock_guard lock(keptLock);
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
