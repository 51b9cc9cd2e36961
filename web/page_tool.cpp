// Writes, at build time, the parts of the page that come from the window's description: the
// window's controls in their start state, drawn from a fresh window model, so that the page
// shows the whole window in its first frame; the style of their places, sizes, colours and
// fonts; and the window's title. assemble.js puts them into the page.
//   page-tool WINDOW.html STYLE.css TITLE.txt
#include <cstdio>
#include <fstream>
#include <string>

#include "html_writer.h"
#include "window/layout.h"
#include "window/window_model.h"
#include "window_markup.h"
#include "window_style.h"

namespace {

bool write(const char* path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  if (!out) {
    std::fprintf(stderr, "page-tool: cannot write '%s'\n", path);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: page-tool WINDOW.html STYLE.css TITLE.txt\n");
    return 2;
  }
  const bool written = write(argv[1], nf::web::windowMarkup(nf::WindowModel().state())) &&
                       write(argv[2], nf::web::layoutStyle()) &&
                       write(argv[3], nf::web::HtmlWriter::escape(nf::layout::kTitle));
  return written ? 0 : 1;
}
