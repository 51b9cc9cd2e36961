// window-screenshot: a picture of the program's window for the documentation, taken in a
// private X server: four variables, ДНФ, rows 1, 6 and 9 set to 1, chosen with real clicks and
// keys aimed through the window's layout table.
//
// Usage: window-screenshot OUTPUT.png [--scale N] [--program PATH]
// --scale runs the program with QT_SCALE_FACTOR=N. Exit status 0 when the picture is written.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "click_point.h"
#include "window/controls.h"
#include "xsupport/child_process.h"
#include "xsupport/x_input.h"
#include "xsupport/x_server.h"

namespace {

namespace layout = nf::layout;
using namespace std::chrono_literals;

int fail(const std::string& problem) {
  std::fprintf(stderr, "window-screenshot: %s\n", problem.c_str());
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::string output;
  std::string program = NF_PROGRAM_PATH;
  int scale = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--scale" && i + 1 < argc) {
      scale = std::atoi(argv[++i]);
    } else if (arg == "--program" && i + 1 < argc) {
      program = argv[++i];
    } else if (output.empty() && !arg.starts_with("-")) {
      output = arg;
    } else {
      output.clear();
      break;
    }
  }
  if (output.empty() || scale < 1 || scale > 4) {
    std::fprintf(stderr, "usage: window-screenshot OUTPUT.png [--scale 1..4] [--program PATH]\n");
    return 2;
  }
  if (const std::string missing = xsupport::missingPrograms({"Xvfb", "xdotool", "import"});
      !missing.empty()) {
    return fail("needs these programs on PATH: " + missing);
  }

  xsupport::XServer server;
  if (const std::string failed = server.start(1280, 1024); !failed.empty()) {
    return fail(failed);
  }
  server.useForPrograms();
  ::setenv("QT_SCALE_FACTOR", std::to_string(scale).c_str(), 1);
  xsupport::ChildProcess window;
  // Its warnings (no runtime folder, no session bus) are the private display's, not the picture's.
  if (!window.start({program}, {.logFd = xsupport::ChildProcess::kDiscard})) {
    return fail("could not start " + program);
  }
  const xsupport::WindowPlace place = xsupport::waitForWindow(window, 10s);
  if (!place.found()) {
    return fail(place.problem);
  }

  xsupport::XCommands commands;
  const auto clickThenDown = [&](const layout::Control& control) {
    const ClickPoint at = clickPoint(control, scale);
    commands.moveTo(place.x + at.x, place.y + at.y);
    commands.click().keys({"Down"});
  };
  clickThenDown({layout::group::List2});  // the count list shows "3": clicked, then Down to "4"
  for (const int row : {1, 6, 9}) {
    clickThenDown({layout::group::List1, row});
  }
  if (const std::string problem = xsupport::sendInput(commands); !problem.empty()) {
    return fail(problem);
  }
  // The program handles the input on its own schedule; half a second is ample for it to draw.
  std::this_thread::sleep_for(500ms);
  const xsupport::ProgramResult shot = xsupport::runProgram(
      {xsupport::findProgram("import"), "-window", place.id, "-depth", "8", "+repage", output},
      20s);
  return shot.ok() ? 0 : fail("import could not write " + output);
}
