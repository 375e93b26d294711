// Writes an XML document element by element as it goes, nothing kept but the names of the open
// elements: indented children, text content on the element's own line, values escaped so that a
// parser reads back exactly the text given (tabs, line breaks and carriage returns in attribute
// values and carriage returns in text as character references). Characters XML 1.0 cannot carry
// (controls other than tab, LF, CR) become U+FFFD.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace importers {

class LmfXmlWriter {
 public:
  // `out` must outlive the writer; write errors show in its state.
  explicit LmfXmlWriter(std::ostream& out) : out_(out) {}

  // The XML declaration (UTF-8) and a document type line; call first.
  void Prolog(std::string_view doctype);
  // Starts an element inside the innermost open one.
  void Open(std::string_view name);
  // An attribute of the element just opened (before its content).
  void Attribute(std::string_view name, std::string_view value);
  // Text content of the innermost element; it then takes no child elements.
  void Text(std::string_view text);
  // Ends the innermost element ("<a/>" when it got no content).
  void Close();

 private:
  void EndStartTag();
  void Indent();
  void Escaped(std::string_view text, bool attribute);

  struct Element {
    std::string name;
    bool content = false;  // children or text written
    bool text = false;
  };
  std::ostream& out_;
  std::vector<Element> open_;
  bool startTag_ = false;  // "<name ..." written, ">" not yet
};

}  // namespace importers
