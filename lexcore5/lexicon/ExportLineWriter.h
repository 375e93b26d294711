// Appends level-numbered lines to a wide String: each line starts with the prefix of its level (two
// blanks per level, the level's digit, one blank) and ends with a carriage return and a line feed.
#pragma once

#include <cstdint>

#include "SysString.h"

class String;

namespace lexicon {

class ExportLineWriter {
 public:
  // Appends to `text`, which must outlive the writer.
  explicit ExportLineWriter(String& text) : text_(text) {}

  // The digit of levels 0 to 9, '*' for any other level.
  static char LevelMark(int level);
  // The letter of a part-of-speech code as a one-letter string: "n", "v", "a", "b", "p" for 1 to
  // 5, "?" for every other code.
  static const char* PartOfSpeechLetter(std::int64_t code);

  // prefix + `keyword` (+ `value` when not null).
  void Line(int level, const char* keyword, const char* value = nullptr);
  // prefix + `keyword` + " " + `number` in decimal.
  void Number(int level, const char* keyword, std::int64_t number);
  // prefix + `keyword` + " \"" + `value` + "\""; null values give empty quotes.
  void Quoted(int level, const char* keyword, const char* value);
  void Quoted(int level, const char* keyword, BSTR value);
  // The line end alone, for text that follows a broken-off line.
  void EndLine();
  // Text without prefix or line end.
  void Raw(const char* text);
  // Lines already built by another writer.
  void Append(const String& lines);

 private:
  void Prefix(int level);

  String& text_;
};

}  // namespace lexicon
