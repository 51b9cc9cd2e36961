#pragma once

#include <optional>
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
  /// Why the arguments are refused, one line of text in the user's language without the
  /// program's name: "extra operand 'knf-01101001'". Empty when getopt_long refused them, as it
  /// writes its refusal itself.
  std::string problem;
  /// Whether the refusal points to --help, as it does for a misused option.
  bool pointToHelp = false;
};

/// Reads the arguments as main() is given them. `argv[0]` becomes the program's name, which
/// getopt_long's refusals begin with; getopt_long writes those to standard error itself unless
/// `opterr` is 0, and only for arguments that are plain text: one that begins with a dash and
/// is not is refused before it reads them. It may be called any number of times.
CommandLine readCommandLine(int argc, char* argv[]);

/// Whether the environment names a display, or a platform, for Qt to open the window on.
bool displayNamed();

/// Writes the one line, in the user's language, that says no display could be opened and
/// names --print. Returns the exit status for it, 1.
int reportNoDisplay();

/// Carries out a task that needs no window: writes the report, the help or the version to
/// standard output, or the refusal to standard error. Returns the exit status: 0, 2 for refused
/// arguments, 1 when standard output cannot be written.
int runInTerminal(const CommandLine& command);

}  // namespace nf
