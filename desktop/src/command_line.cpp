#include "desktop/command_line.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

namespace nf {
namespace {

constexpr std::string_view kProgram = "normal-forms";

constexpr std::string_view kHelp =
    R"(Usage: normal-forms [CODE]
  or:  normal-forms --print CODE
Open the window on Boolean functions and their normal forms, ДНФ (disjunctive)
and КНФ (conjunctive). Given a CODE, the window opens showing that function.

      --print=CODE  write the function's normal form to standard output, one
                      line for each line of the window's result box, and open
                      no window
      --help        display this help and exit
      --version     output version information and exit

A CODE names a function: its form, dnf for ДНФ or knf for КНФ, a dash, and its
values, 0 or 1, on the rows of the truth table in order, row 0 first: 8, 16 or
32 values for 3, 4 or 5 variables. Upper case, blanks, and a - or _ between
groups of values may be used: DNF-0110 1001 is dnf-01101001.

Examples:
  normal-forms dnf-01101001    open the window on A xor B xor C, in ДНФ
  normal-forms --print knf-0110100110010110 > answer.txt
                               write the КНФ of A xor B xor C xor D to a file

Exit status: 0 if OK, 2 for a wrong option or code, 1 if the output could not
be written.
)";

enum class Option { Print, Help, Version };

struct OptionName {
  std::string_view name;
  Option option;
};

constexpr std::array<OptionName, 3> kOptions = {
    {{"print", Option::Print}, {"help", Option::Help}, {"version", Option::Version}}};

CommandLine refusal(std::string problem, bool pointToHelp = true) {
  CommandLine command;
  command.task = CommandLine::Task::Refuse;
  command.problem = std::move(problem);
  command.pointToHelp = pointToHelp;
  return command;
}

CommandLine task(CommandLine::Task kind) {
  CommandLine command;
  command.task = kind;
  return command;
}

// The options `name` names in full or abbreviated; several only when it is ambiguous.
std::vector<OptionName> optionsNamed(std::string_view name) {
  std::vector<OptionName> found;
  for (const OptionName& option : kOptions) {
    if (option.name == name) {
      return {option};
    }
    if (!name.empty() && option.name.starts_with(name)) {
      found.push_back(option);
    }
  }
  return found;
}

std::string quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

}  // namespace

CommandLine readCommandLine(std::span<const char* const> arguments) {
  std::vector<std::string_view> codes;  // the operands and --print's code, in their order
  bool print = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
      codes.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (!argument.starts_with("--")) {
      return refusal("invalid option -- " + quoted(argument.substr(1, 1)));
    }
    const std::size_t equals = argument.find('=');
    const std::string_view name =
        argument.substr(2, equals == std::string_view::npos ? equals : equals - 2);
    const std::vector<OptionName> named = optionsNamed(name);
    if (named.empty()) {
      return refusal("unrecognized option " + quoted(argument));
    }
    if (named.size() > 1) {
      return refusal("option " + quoted(argument) + " is ambiguous");
    }
    const std::string full = "'--" + std::string(named.front().name) + "'";
    const bool joinedValue = equals != std::string_view::npos;
    switch (named.front().option) {
      case Option::Help:
      case Option::Version:
        if (joinedValue) {
          return refusal("option " + full + " doesn't allow an argument");
        }
        return task(named.front().option == Option::Help ? CommandLine::Task::Help
                                                         : CommandLine::Task::Version);
      case Option::Print:
        if (joinedValue) {
          codes.push_back(argument.substr(equals + 1));
        } else if (i + 1 < arguments.size()) {
          codes.push_back(arguments[++i]);
        } else {
          return refusal("option " + full + " requires an argument");
        }
        print = true;
        break;
    }
  }

  if (codes.size() > 1) {
    return refusal("extra operand " + quoted(codes[1]));
  }
  if (codes.empty()) {
    return task(CommandLine::Task::OpenWindow);
  }
  CodeReading reading = readCode(codes.front());
  if (!reading.function) {
    return refusal(std::move(reading.error), false);
  }
  CommandLine command = task(print ? CommandLine::Task::Print : CommandLine::Task::OpenWindow);
  command.function = reading.function;
  return command;
}

int runInTerminal(const CommandLine& command) {
  // Standard C output: the C++ streams would be set up at every start, the window's included,
  // and cost it a few hundred kilobytes.
  const auto write = [](std::FILE* to, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), to);
  };
  const std::string program(kProgram);
  switch (command.task) {
    case CommandLine::Task::Refuse:
      write(stderr, program + ": " + command.problem + "\n");
      if (command.pointToHelp) {
        write(stderr, "Try '" + program + " --help' for more information.\n");
      }
      return 2;
    case CommandLine::Task::Help:
      write(stdout, kHelp);
      break;
    case CommandLine::Task::Version:
      write(stdout, program + " " + NF_VERSION + "\n");
      break;
    case CommandLine::Task::Print:
      if (command.function) {
        write(stdout, printedReport(*command.function));
      }
      break;
    case CommandLine::Task::OpenWindow:
      break;
  }
  // A full disk or a closed pipe must not pass for a written answer.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    write(stderr, program + ": write error\n");
    return 1;
  }
  return 0;
}

std::string printedReport(const Function& function) {
  WindowModel window;
  applyCode(window, function);
  return withLineFeeds(window.state().result);
}

}  // namespace nf
