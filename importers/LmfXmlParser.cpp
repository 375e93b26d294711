#include "LmfXmlParser.h"

#include <expat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "BuildFailure.h"

namespace importers {
namespace {

constexpr char kSeparator = '|';
constexpr int kChunk = 1 << 16;

// WN-LMF 1.0 uses the Dublin Core URI, later versions one of the Global WordNet Association's.
bool IsDublinCore(std::string_view uri) {
  return uri.find("purl.org/dc/") != std::string_view::npos || uri.ends_with("/schemas/dc/");
}

// The short prefix a namespace URI reads as, or empty for one we do not shorten.
std::string_view PrefixOf(std::string_view uri) {
  if (IsDublinCore(uri)) return "dc";
  if (uri == "http://www.w3.org/XML/1998/namespace") return "xml";
  return {};
}

// Whether expat's `name` ("local" or "URI|local") reads as `wanted` ("local" or "prefix:local").
bool NameIs(std::string_view name, std::string_view wanted) {
  const std::size_t bar = name.find(kSeparator);
  if (bar == std::string_view::npos) return name == wanted;
  const std::string_view prefix = PrefixOf(name.substr(0, bar));
  const std::string_view local = name.substr(bar + 1);
  return !prefix.empty() && wanted.size() == prefix.size() + 1 + local.size() &&
         wanted.starts_with(prefix) && wanted[prefix.size()] == ':' && wanted.ends_with(local);
}

struct ParserDeleter {
  void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

const char* LmfAttributes::Find(std::string_view name) const {
  for (const char** pair = pairs_; pair[0] != nullptr; pair += 2) {
    if (NameIs(pair[0], name)) return pair[1];
  }
  return nullptr;
}

// Expat is C: nothing may be thrown through it, so a handler's exception is kept and parsing
// stopped; Parse throws it once expat has returned.
struct LmfXmlCallbacks {
  template <typename Event>
  static void Run(void* user, Event event) {
    auto* parser = static_cast<LmfXmlParser*>(user);
    // Expat may deliver an event or two after being stopped.
    if (parser->failure_) return;
    auto* expat = static_cast<XML_Parser>(parser->expat_);
    parser->line_ = static_cast<std::uint32_t>(XML_GetCurrentLineNumber(expat));
    try {
      event(*parser->handler_);
    } catch (...) {
      parser->failure_ = std::current_exception();
      XML_StopParser(expat, XML_FALSE);
    }
  }

  static void Start(void* user, const XML_Char* name, const XML_Char** attributes) {
    Run(user, [&](LmfXmlHandler& handler) { handler.Start(name, LmfAttributes(attributes)); });
  }
  static void End(void* user, const XML_Char* name) {
    Run(user, [&](LmfXmlHandler& handler) { handler.End(name); });
  }
  static void Text(void* user, const XML_Char* text, int length) {
    Run(user, [&](LmfXmlHandler& handler) {
      handler.Text(std::string_view(text, static_cast<std::size_t>(length)));
    });
  }
};

void LmfXmlParser::Parse(LmfXmlHandler* handler) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path_.c_str(), "rb"));
  if (!file)
    throw BuildFailure(WhereText(path_, 0, std::string("cannot be read: ") + std::strerror(errno)));
  std::unique_ptr<XML_ParserStruct, ParserDeleter> expat(XML_ParserCreateNS(nullptr, kSeparator));
  if (!expat) throw std::bad_alloc();
  handler_ = handler;
  expat_ = expat.get();
  failure_ = nullptr;
  line_ = 0;
  XML_SetUserData(expat.get(), this);
  XML_SetElementHandler(expat.get(), LmfXmlCallbacks::Start, LmfXmlCallbacks::End);
  XML_SetCharacterDataHandler(expat.get(), LmfXmlCallbacks::Text);
  bool last = false;
  while (!last) {
    void* buffer = XML_GetBuffer(expat.get(), kChunk);
    if (buffer == nullptr) throw std::bad_alloc();
    const std::size_t read = std::fread(buffer, 1, kChunk, file.get());
    if (std::ferror(file.get())) {
      throw BuildFailure(
          WhereText(path_, 0, std::string("cannot be read: ") + std::strerror(errno)));
    }
    last = read < static_cast<std::size_t>(kChunk);
    const XML_Status status =
        XML_ParseBuffer(expat.get(), static_cast<int>(read), last ? XML_TRUE : XML_FALSE);
    if (failure_) std::rethrow_exception(failure_);
    if (status != XML_STATUS_OK) {
      const auto line = static_cast<std::uint32_t>(XML_GetCurrentLineNumber(expat.get()));
      throw BuildFailure(WhereText(
          path_, line,
          std::string("not well-formed XML: ") + XML_ErrorString(XML_GetErrorCode(expat.get()))));
    }
  }
}

}  // namespace importers
