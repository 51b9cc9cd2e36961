#include "html_writer.h"

namespace nf::web {

HtmlWriter& HtmlWriter::open(std::string_view tag) {
  endStartTag();
  out_ += '<';
  out_ += tag;
  open_.push_back(tag);
  inStartTag_ = true;
  return *this;
}

HtmlWriter& HtmlWriter::attr(std::string_view name, std::string_view value) {
  out_ += ' ';
  out_ += name;
  out_ += "=\"";
  out_ += escape(value);
  out_ += '"';
  return *this;
}

HtmlWriter& HtmlWriter::flag(std::string_view name) {
  out_ += ' ';
  out_ += name;
  return *this;
}

HtmlWriter& HtmlWriter::text(std::string_view text) {
  endStartTag();
  out_ += escape(text);
  return *this;
}

HtmlWriter& HtmlWriter::raw(std::string_view markup) {
  endStartTag();
  out_ += markup;
  return *this;
}

HtmlWriter& HtmlWriter::close() {
  endStartTag();
  const std::string_view tag = open_.back();
  open_.pop_back();
  // Void elements have no end tag.
  if (tag != "input" && tag != "meta" && tag != "link") {
    out_ += "</";
    out_ += tag;
    out_ += '>';
  }
  return *this;
}

HtmlWriter& HtmlWriter::empty(std::string_view tag, std::string_view className) {
  return open(tag).attr("class", className).close();
}

std::string HtmlWriter::escape(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

void HtmlWriter::endStartTag() {
  if (inStartTag_) {
    out_ += '>';
    inStartTag_ = false;
  }
}

}  // namespace nf::web
