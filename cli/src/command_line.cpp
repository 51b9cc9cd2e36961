#include "cli/command_line.h"

#include <getopt.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "cli/language.h"
#include "window/shown_text.h"

namespace nf {
namespace {

// Letters no short option has: getopt_long answers with them for the long ones.
constexpr std::array<option, 4> kOptions = {{{"print", required_argument, nullptr, 'p'},
                                             {"help", no_argument, nullptr, 'h'},
                                             {"version", no_argument, nullptr, 'v'},
                                             {nullptr, 0, nullptr, 0}}};

CommandLine refusal(std::string problem, bool pointToHelp) {
  return {CommandLine::Task::Refuse, std::nullopt, std::move(problem), pointToHelp};
}

void write(std::FILE* to, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), to);
}

void writeHelp() {
  write(
      stdout,
      localized("Usage: normal-forms [CODE]\n"
                "  or:  normal-forms --print CODE\n"
                "Open the window on Boolean functions and their normal forms, ДНФ (disjunctive)\n"
                "and КНФ (conjunctive). Given a CODE, the window opens showing that function.\n"));
  write(stdout,
        localized("\n"
                  "      --print=CODE  write the function's normal form to standard output, one\n"
                  "                      line for each line of the window's result box, and open\n"
                  "                      no window\n"));
  write(stdout, localized("      --help        display this help and exit\n"));
  write(stdout, localized("      --version     output version information and exit\n"));
  write(stdout,
        localized("\n"
                  "A CODE names a function: its form, dnf for ДНФ or knf for КНФ, a dash, and its\n"
                  "values, 0 or 1, on the rows of the truth table in order, row 0 first: 8, 16 or\n"
                  "32 values for 3, 4 or 5 variables. Upper case, blanks, and a - or _ between\n"
                  "groups of values may be used: DNF-0110 1001 is dnf-01101001.\n"));
  write(
      stdout,
      localized("\n"
                "Examples:\n"
                "  normal-forms dnf-01101001    open the window on A xor B xor C, in ДНФ\n"
                "  normal-forms --print knf-0110100110010110 > answer.txt\n"
                "                               write the КНФ of A xor B xor C xor D to a file\n"));
  write(stdout,
        localized("\n"
                  "Exit status: 0 if OK, 1 if no window could be opened or the output could not\n"
                  "be written, 2 for a wrong option or code.\n"));
}

void writeVersion() {
  write(stdout, std::string(kProgram) + " " + NF_VERSION + "\n");
  write(
      stdout,
      localized("Copyright (C) 2026 Normal Forms developers.\n"
                "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                "This is free software: you are free to change and redistribute it.\n"
                "There is NO WARRANTY, to the extent permitted by law.\n"));
}

}  // namespace

CommandLine readCommandLine(int argc, char* argv[]) {
  using Task = CommandLine::Task;
  if (argc < 1) {
    return {};
  }
  argv[0] = const_cast<char*>(kProgram);
  // getopt_long quotes an option it refuses as it came, and every refused option begins with a
  // dash; no code does, so an argument that does is refused here when it is not plain text.
  for (const std::string_view argument : std::span(argv + 1, argv + argc)) {
    if (argument.starts_with('-') && shownText(argument) != argument) {
      return refusal(
          translated({NF_MESSAGE("the argument '%s' is not plain text"), {shownText(argument)}}),
          true);
    }
  }
  std::vector<std::string_view> codes;  // the operands and --print's code, in their order
  bool print = false;
  optind = 0;  // a fresh start, whatever list was read before
  // "-": an operand comes back as option 1 in its place, so that the codes keep their order.
  for (int got = 0; (got = getopt_long(argc, argv, "-", kOptions.data(), nullptr)) != -1;) {
    switch (got) {
      case 'p':
        print = true;
        [[fallthrough]];
      case 1:
        codes.emplace_back(optarg);
        break;
      case 'h':
        return {Task::Help, std::nullopt, {}, false};
      case 'v':
        return {Task::Version, std::nullopt, {}, false};
      default:
        return refusal({}, true);
    }
  }
  codes.insert(codes.end(), argv + optind, argv + argc);  // the operands after "--"
  if (codes.size() > 1) {
    return refusal(translated({NF_MESSAGE("extra operand '%s'"), {shownText(codes[1])}}), true);
  }
  if (codes.empty()) {
    return {};
  }
  const CodeReading reading = readCode(codes.front());
  if (!reading.function) {
    return refusal(translated(reading.problem), false);
  }
  return {print ? Task::Print : Task::OpenWindow, reading.function, {}, false};
}

bool displayNamed() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') {
      return true;
    }
  }
  return false;
}

int reportNoDisplay() {
  complain(localized(
      "no display to open the window on; --print CODE writes a function's normal form without "
      "one"));
  return 1;
}

int runInTerminal(const CommandLine& command) {
  // Standard C output: the C++ streams would be set up at every start, the window's included,
  // and cost it a few hundred kilobytes.
  switch (command.task) {
    case CommandLine::Task::Refuse:
      if (!command.problem.empty()) {
        complain(command.problem);
      }
      if (command.pointToHelp) {
        write(stderr, localized("Try 'normal-forms --help' for more information.\n"));
      }
      return 2;
    case CommandLine::Task::Help:
      writeHelp();
      break;
    case CommandLine::Task::Version:
      writeVersion();
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
    complain(localized("write error"));
    return 1;
  }
  return 0;
}

}  // namespace nf
