// An input file read whole into memory and handed out line by line, with each line's number and
// byte position (WordNet's data files address synsets by that position).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace importers {

struct TextLine {
  std::string_view text;     // without the line feed (a carriage return before it is kept)
  std::uint64_t offset = 0;  // byte position of the line's first character
  std::uint32_t number = 0;  // 1-based
  bool terminated = false;   // false for a last line that lacks its line feed
};

class TextFile {
 public:
  // Reads the file; throws BuildFailure naming it when it is missing or cannot be read.
  static TextFile Read(const std::string& path);

  const std::string& Path() const { return path_; }
  // The next line; false after the last one.
  bool Next(TextLine* line);

 private:
  TextFile(std::string path, std::string content)
      : path_(std::move(path)), content_(std::move(content)) {}

  std::string path_;
  std::string content_;
  std::size_t position_ = 0;
  std::uint32_t number_ = 0;
};

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view text);

}  // namespace importers
