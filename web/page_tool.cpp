// Writes the page's shell at build time: the head (title, description, favicon, style, the
// script that fits the window to the screen), and in the page's main landmark its heading,
// the window in its start state, drawn from a fresh window model, so that the page shows the
// whole window in its first frame, and the message and script for a browser that is too old.
// The final link puts the program's script where "{{{ SCRIPT }}}" stands, and seal.js the
// page's security policy where "@CONTENT_SECURITY_POLICY@" stands. VERSION is what the page's
// generator tag says after the program's name: the version and the commit it was built from.
//   page-tool FAVICON.txt FACE.css GUARD.js FIT.js VERSION SHELL.html
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "html_writer.h"
#include "window/layout.h"
#include "window/window_model.h"
#include "window_markup.h"

namespace {

// What search engines and link previews show of the page.
constexpr std::string_view kDescription =
    "Булеви функции на 3, 4 или 5 променливи: таблица на истинност и нормалните форми ДНФ и "
    "КНФ. Работи и без мрежа.";

// The page around the window: one main landmark that holds everything shown, and a level-one
// heading, the window's title, that only screen readers meet (the window shows its title in
// the browser's tab, as the desktop shows it in the title bar). The main element takes the
// body's place in centring the window, so that the first frame looks as without it.
constexpr std::string_view kPageStyle =
    "main{display:flex;flex:1}\n"
    ".sr{position:absolute;width:1px;height:1px;margin:-1px;padding:0;border:0;overflow:hidden;"
    "clip:rect(0 0 0 0);clip-path:inset(50%);white-space:nowrap}\n";

// What a browser below the page's floor shows in place of the window.
constexpr std::string_view kTooOld =
    "Този браузър е твърде стар за тази страница. Отворете я в по-нов: Chrome или Edge 90, "
    "Firefox 102, Safari 15 или по-нов.";

std::optional<std::string> readFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "page-tool: cannot read '%s'\n", path);
    return std::nullopt;
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The favicon's data URI without the line break a text file may end with.
std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

// The fitting script with the window's size in place of WINDOW_WIDTH and WINDOW_HEIGHT.
std::string sized(std::string script) {
  const auto put = [&script](std::string_view token, int value) {
    script.replace(script.find(token), token.size(), std::to_string(value));
  };
  put("WINDOW_WIDTH", nf::layout::toPixels(nf::layout::kClientWidth));
  put("WINDOW_HEIGHT", nf::layout::toPixels(nf::layout::kClientHeight));
  return script;
}

std::string page(const std::string& favicon, const std::string& faceStyle,
                 const std::string& guardScript, const std::string& fitScript,
                 const std::string& version) {
  nf::web::HtmlWriter html;
  html.raw("<!DOCTYPE html>\n").open("html").attr("lang", "bg").raw("\n").open("head");
  html.open("meta").attr("charset", "utf-8").close();
  html.open("meta")
      .attr("http-equiv", "Content-Security-Policy")
      .attr("content", "@CONTENT_SECURITY_POLICY@")
      .close();
  html.open("meta").attr("name", "viewport").attr("content", "width=device-width").close();
  html.open("meta").attr("name", "description").attr("content", kDescription).close();
  html.open("meta").attr("name", "generator").attr("content", "normal-forms " + version).close();
  html.open("title").text(nf::layout::kTitle).close();
  html.open("link")
      .attr("rel", "icon")
      .attr("type", "image/png")
      .attr("href", trimmed(favicon))
      .close();
  // No frame before the window's markup is whole: on a slow network the browser would show
  // the parts that came first. Chromium lets frames through once the element named here has
  // begun, so the link names the message written after the window. (Browsers that do not know
  // this link ignore it.)
  html.open("link")
      .attr("rel", "expect")
      .attr("href", "#too-old")
      .attr("blocking", "render")
      .close();
  html.open("style")
      .raw("\n" + nf::web::layoutStyle() + faceStyle + std::string(kPageStyle))
      .close();
  html.open("script").raw("\n" + sized(fitScript)).close();
  html.close().raw("\n").open("body").raw("\n");
  html.open("main").raw("\n");
  html.open("h1").attr("class", "sr").text(nf::layout::kTitle).close().raw("\n");
  html.raw(nf::web::windowMarkup(nf::WindowModel().state())).raw("\n");
  html.open("p").attr("id", "too-old").attr("role", "alert").text(kTooOld).close().raw("\n");
  html.open("script").raw("\n" + guardScript).close();
  html.raw("\n").close();
  html.raw("\n{{{ SCRIPT }}}\n").close().raw("\n").close().raw("\n");
  return html.str();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 7) {
    std::fprintf(stderr,
                 "usage: page-tool FAVICON.txt FACE.css GUARD.js FIT.js VERSION SHELL.html\n");
    return 2;
  }
  const std::optional<std::string> favicon = readFile(argv[1]);
  const std::optional<std::string> faceStyle = readFile(argv[2]);
  const std::optional<std::string> guardScript = readFile(argv[3]);
  const std::optional<std::string> fitScript = readFile(argv[4]);
  if (!favicon || !faceStyle || !guardScript || !fitScript) {
    return 1;
  }
  std::ofstream out(argv[6], std::ios::binary);
  out << page(*favicon, *faceStyle, *guardScript, *fitScript, argv[5]);
  out.close();
  if (!out) {
    std::fprintf(stderr, "page-tool: cannot write '%s'\n", argv[6]);
    return 1;
  }
  return 0;
}
