// Any argument list, its arguments split at NUL bytes: it reads, or it gets one line of plain
// text saying why, or getopt's refusal of a list whose options are all plain text (getopt
// quotes them as they came); it is taken exactly when the GNU rules for the program's three
// long options take it (written out below from the rules, not from getopt), and reading it
// again, as a fresh start of getopt must, gives the same answer.
#include <getopt.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "fuzz_check.h"

namespace {

using Task = nf::CommandLine::Task;

// What the GNU rules make of a list: the task, and the one code when there is one.
struct Expected {
  Task task = Task::OpenWindow;
  std::optional<std::string> code;
};

// The GNU rules for --print=CODE (or --print CODE), --help and --version, with operands and
// options in any order: a long option may be shortened to any prefix that names one option
// alone (its full name always does), "--" ends the options, "-" is an operand, and there is no
// short option. --help and --version answer at once; the arguments before them must read. Before
// all that, an argument that begins with a dash and is not plain text is refused.
Expected gnuRules(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument.starts_with('-') && !plainText(argument)) {
      return {Task::Refuse, {}};
    }
  }
  constexpr std::string_view kNames[] = {"print", "help", "version"};
  std::vector<std::string> codes;
  bool print = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
      codes.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (!argument.starts_with("--")) {
      return {Task::Refuse, {}};
    }
    const std::size_t equals = argument.find('=');
    const std::string name =
        argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    std::vector<std::string_view> named;
    for (const std::string_view option : kNames) {
      if (option == name) {
        named = {option};
        break;
      }
      if (option.starts_with(name)) {
        named.push_back(option);
      }
    }
    if (named.size() != 1) {
      return {Task::Refuse, {}};
    }
    if (named.front() != "print") {
      if (equals != std::string::npos) {
        return {Task::Refuse, {}};
      }
      return {named.front() == "help" ? Task::Help : Task::Version, {}};
    }
    print = true;
    if (equals != std::string::npos) {
      codes.push_back(argument.substr(equals + 1));
    } else if (i + 1 < arguments.size()) {
      codes.push_back(arguments[++i]);
    } else {
      return {Task::Refuse, {}};
    }
  }
  if (codes.size() > 1) {
    return {Task::Refuse, {}};
  }
  if (codes.empty()) {
    return {Task::OpenWindow, {}};
  }
  return {print ? Task::Print : Task::OpenWindow, codes.front()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments;
  if (size > 0) {
    arguments.emplace_back();
    for (std::size_t i = 0; i < size; ++i) {
      if (data[i] == 0) {
        arguments.emplace_back();
      } else {
        arguments.back().push_back(static_cast<char>(data[i]));
      }
    }
  }
  std::string program = "fuzz-command_line";
  std::vector<char*> argv = {program.data()};
  for (std::string& argument : arguments) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);
  const int argc = static_cast<int>(argv.size() - 1);

  opterr = 0;  // getopt's refusals, written to standard error, are left to the command-line test
  const nf::CommandLine got = nf::readCommandLine(argc, argv.data());
  Expected expected = gnuRules(arguments);
  std::optional<nf::Function> function;
  if (expected.code) {
    function = nf::readCode(*expected.code).function;
    if (!function) {
      expected.task = Task::Refuse;
    }
  }
  require(got.task == expected.task, "the reader and the GNU rules disagree on the task");
  if (got.task == Task::Refuse && got.problem.empty()) {
    require(got.pointToHelp, "getopt's refusal does not point to --help");
    for (const std::string& argument : arguments) {
      require(!argument.starts_with('-') || plainText(argument),
              "getopt was given an option that is not plain text to quote");
    }
  } else if (got.task == Task::Refuse) {
    requireOneLine(got.problem, "a refusal's message is not one line of plain text");
  } else {
    require(got.problem.empty(), "a list that reads has a problem too");
    require(got.function == function, "the reader took another function than the code's");
  }

  const nf::CommandLine again = nf::readCommandLine(argc, argv.data());
  require(again.task == got.task && again.problem == got.problem &&
              again.function == got.function && again.pointToHelp == got.pointToHelp,
          "reading the same list again gives another answer");
  return 0;
}
