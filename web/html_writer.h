#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nf::web {

/// Writes HTML elements into a string, escaping every text and attribute value; the page's
/// markup is made with it at build time.
class HtmlWriter {
 public:
  /// Starts element `tag`; attributes may follow until its content or its end.
  HtmlWriter& open(std::string_view tag);
  /// Adds attribute `name="value"` to the element just opened.
  HtmlWriter& attr(std::string_view name, std::string_view value);
  /// Adds an attribute written without a value, such as `hidden`.
  HtmlWriter& flag(std::string_view name);
  /// Writes `text` as the content of the open element, escaped.
  HtmlWriter& text(std::string_view text);
  /// Writes `markup` as it stands: for the page's own style and script.
  HtmlWriter& raw(std::string_view markup);
  /// Ends the innermost open element (with no end tag for `input`, `meta` and `link`).
  HtmlWriter& close();
  /// Opens and at once ends an element without content or attributes (`<b></b>`) with a class.
  HtmlWriter& empty(std::string_view tag, std::string_view className);

  /// Everything written so far; every element must have been closed.
  const std::string& str() const { return out_; }

  /// `text` with &, <, > and " written as character references.
  static std::string escape(std::string_view text);

 private:
  void endStartTag();

  std::string out_;
  std::vector<std::string_view> open_;
  bool inStartTag_ = false;
};

}  // namespace nf::web
