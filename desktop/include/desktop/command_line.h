#pragma once

#include <optional>
#include <span>
#include <string>

#include "window/function_code.h"

namespace nf {

/// What the program's arguments ask for, read by the C library's getopt_long the GNU way (long
/// options, `--opt=value` or `--opt value`, unambiguous abbreviations, `--` ends the options)
/// before any window or display exists. Only opening a window needs a display.
struct CommandLine {
  enum class Task { OpenWindow, Print, Help, Version, Refuse };

  Task task = Task::OpenWindow;
  /// The function the window opens with or the report is printed for; none for the window as
  /// it has always opened.
  std::optional<Function> function;
  /// Why the arguments are refused, in the user's language, as one line for standard error
  /// without its line feed: "normal-forms: unrecognized option '--foo'".
  std::string problem;
  /// Whether the refusal points to --help, as it does for a misused option.
  bool pointToHelp = false;
};

/// Reads the arguments that follow the program's name. It writes nothing and may be called
/// any number of times.
CommandLine readCommandLine(std::span<const char* const> arguments);

/// Carries out a task that needs no window: writes the report, the help or the version to
/// standard output, or the refusal to standard error. Returns the exit status: 0, 2 for refused
/// arguments, 1 when standard output cannot be written.
int runInTerminal(const CommandLine& command);

/// The report the window shows for `function`, one "\n" after every line.
std::string printedReport(const Function& function);

}  // namespace nf
