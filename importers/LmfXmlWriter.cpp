#include "LmfXmlWriter.h"

namespace importers {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

}  // namespace

void LmfXmlWriter::Prolog(std::string_view doctype) {
  out_ << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" << doctype << '\n';
}

void LmfXmlWriter::Open(std::string_view name) {
  if (!open_.empty()) {
    EndStartTag();
    open_.back().content = true;
    Indent();
  }
  out_ << '<' << name;
  open_.push_back({std::string(name)});
  startTag_ = true;
}

void LmfXmlWriter::Attribute(std::string_view name, std::string_view value) {
  out_ << ' ' << name << "=\"";
  Escaped(value, true);
  out_ << '"';
}

void LmfXmlWriter::Text(std::string_view text) {
  EndStartTag();
  open_.back().content = true;
  open_.back().text = true;
  Escaped(text, false);
}

void LmfXmlWriter::Close() {
  const Element element = std::move(open_.back());
  open_.pop_back();
  if (startTag_) {
    out_ << "/>";
    startTag_ = false;
  } else {
    if (!element.text) Indent();
    out_ << "</" << element.name << '>';
  }
  if (open_.empty()) out_ << '\n';
}

void LmfXmlWriter::EndStartTag() {
  if (startTag_) out_ << '>';
  startTag_ = false;
}

void LmfXmlWriter::Indent() {
  out_ << '\n';
  for (std::size_t i = 0; i < open_.size(); ++i) out_ << "  ";
}

void LmfXmlWriter::Escaped(std::string_view text, bool attribute) {
  std::size_t plain = 0;  // start of the run not yet written
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::string_view replacement;
    switch (c) {
      case '&':
        replacement = "&amp;";
        break;
      case '<':
        replacement = "&lt;";
        break;
      case '>':
        replacement = "&gt;";
        break;
      case '"':
        if (attribute) replacement = "&quot;";
        break;
      case '\t':
        if (attribute) replacement = "&#9;";
        break;
      case '\n':
        if (attribute) replacement = "&#10;";
        break;
      case '\r':
        replacement = "&#13;";
        break;
      default:
        if (c < 0x20) replacement = kReplacement;
        break;
    }
    if (replacement.empty()) continue;
    out_.write(text.data() + plain, static_cast<std::streamsize>(i - plain));
    out_ << replacement;
    plain = i + 1;
  }
  out_.write(text.data() + plain, static_cast<std::streamsize>(text.size() - plain));
}

}  // namespace importers
