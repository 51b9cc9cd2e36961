#include "desktop/command_line.h"

#include <getopt.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <vector>

#include "desktop/language.h"

namespace nf {
namespace {

constexpr const char* kProgram = "normal-forms";

// Letters no short option has: getopt_long answers with them for the long ones.
constexpr std::array<option, 4> kOptions = {{{"print", required_argument, nullptr, 'p'},
                                             {"help", no_argument, nullptr, 'h'},
                                             {"version", no_argument, nullptr, 'v'},
                                             {nullptr, 0, nullptr, 0}}};

// getopt_long writes its refusals to standard error. While one of these lives they go into a
// buffer instead, so that reading the arguments writes nothing; the C library lets a program
// point stderr elsewhere.
class HeldErrors {
 public:
  HeldErrors() : saved_(stderr), held_(open_memstream(&text_, &size_)) {
    if (held_ != nullptr) {
      stderr = held_;
    }
  }
  ~HeldErrors() {
    stderr = saved_;
    if (held_ != nullptr) {
      std::fclose(held_);
    }
    std::free(text_);  // open_memstream's buffer
  }
  HeldErrors(const HeldErrors&) = delete;
  HeldErrors& operator=(const HeldErrors&) = delete;

  bool holding() const { return held_ != nullptr; }

  std::string text() {
    if (held_ == nullptr || std::fflush(held_) != 0 || text_ == nullptr) {
      return {};
    }
    return {text_, size_};
  }

 private:
  FILE* saved_;
  char* text_ = nullptr;
  std::size_t size_ = 0;
  FILE* held_;
};

// One line for a terminal: no line feed at its end, and a control character that an argument
// brought in (a line feed, an escape) shown as "?".
std::string oneLine(std::string text) {
  while (!text.empty() && text.back() == '\n') {
    text.pop_back();
  }
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20U || c == '\x7f') {
      c = '?';
    }
  }
  return text;
}

CommandLine task(CommandLine::Task kind) {
  CommandLine command;
  command.task = kind;
  return command;
}

// `line` is the whole line, the program's name first, as getopt_long writes it.
CommandLine refusal(const std::string& line, bool pointToHelp = true) {
  CommandLine command = task(CommandLine::Task::Refuse);
  command.problem = oneLine(line);
  if (command.problem.empty()) {
    command.problem = std::string(kProgram) + ": " + localized("the arguments could not be read");
  }
  command.pointToHelp = pointToHelp;
  return command;
}

std::string said(const std::string& text) {
  return std::string(kProgram) + ": " + text;
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

CommandLine readCommandLine(std::span<const char* const> arguments) {
  if (arguments.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    return refusal(said(localized("too many arguments")));
  }
  // getopt_long reorders the pointers, never the texts, so it gets a copy of the list.
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 2);
  argv.push_back(const_cast<char*>(kProgram));
  for (const char* argument : arguments) {
    argv.push_back(const_cast<char*>(argument));
  }
  argv.push_back(nullptr);
  const int argc = static_cast<int>(arguments.size() + 1);

  std::vector<std::string_view> codes;  // the operands and --print's code, in their order
  bool print = false;
  HeldErrors errors;
  optind = 0;  // a fresh start, whatever list was read before
  opterr = errors.holding() ? 1 : 0;
  // "-": an operand comes back as option 1 in its place, so that the codes keep their order.
  for (int got = 0; (got = getopt_long(argc, argv.data(), "-", kOptions.data(), nullptr)) != -1;) {
    switch (got) {
      case 1:
        codes.emplace_back(optarg);
        break;
      case 'p':
        print = true;
        codes.emplace_back(optarg);
        break;
      case 'h':
        return task(CommandLine::Task::Help);
      case 'v':
        return task(CommandLine::Task::Version);
      default:
        return refusal(errors.text());
    }
  }
  for (int i = optind; i < argc; ++i) {  // the operands after "--"
    codes.emplace_back(argv[static_cast<std::size_t>(i)]);
  }

  if (codes.size() > 1) {
    return refusal(said(translated({NF_MESSAGE("extra operand '%s'"), {std::string(codes[1])}})));
  }
  if (codes.empty()) {
    return task(CommandLine::Task::OpenWindow);
  }
  const CodeReading reading = readCode(codes.front());
  if (!reading.function) {
    return refusal(said(translated(reading.problem)), false);
  }
  CommandLine command = task(print ? CommandLine::Task::Print : CommandLine::Task::OpenWindow);
  command.function = reading.function;
  return command;
}

int runInTerminal(const CommandLine& command) {
  // Standard C output: the C++ streams would be set up at every start, the window's included,
  // and cost it a few hundred kilobytes.
  switch (command.task) {
    case CommandLine::Task::Refuse:
      write(stderr, command.problem + "\n");
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
    write(stderr, said(localized("write error")) + "\n");
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
