// A file read through expat in chunks, its events handed to a handler with the line they start on.
// Names in the Dublin Core namespaces (any of the URIs WN-LMF versions use) come as "dc:name",
// names in the XML namespace as "xml:name"; others in a namespace as "URI|name".
// External entities and DTDs are never fetched.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace importers {

// An element's attributes as expat gives them: name, value, name, value, ..., null.
class LmfAttributes {
 public:
  explicit LmfAttributes(const char** pairs) : pairs_(pairs) {}
  // The value of attribute `name`, or null when the element has none.
  const char* Find(std::string_view name) const;

 private:
  const char** pairs_;
};

class LmfXmlHandler {
 public:
  virtual ~LmfXmlHandler() = default;
  // What these throw ends the parse; LmfXmlParser::Parse throws it on.
  virtual void Start(std::string_view name, const LmfAttributes& attributes) = 0;
  virtual void End(std::string_view name) = 0;
  // Character data, in pieces of any size.
  virtual void Text(std::string_view text) = 0;
};

class LmfXmlParser {
 public:
  // `path` names the file in messages.
  explicit LmfXmlParser(std::string path) : path_(std::move(path)) {}

  // Reads the whole file. Throws BuildFailure ("file:line: ...") when it cannot be read or is not
  // well-formed XML, and whatever the handler throws.
  void Parse(LmfXmlHandler* handler);
  // The line of the event being handled (1-based).
  std::uint32_t Line() const { return line_; }
  const std::string& Path() const { return path_; }

 private:
  friend struct LmfXmlCallbacks;

  std::string path_;
  LmfXmlHandler* handler_ = nullptr;
  void* expat_ = nullptr;
  std::uint32_t line_ = 0;
  std::exception_ptr failure_;
};

}  // namespace importers
