#include "lexicon/ExportLineWriter.h"

#include <string>

#include "String.h"

namespace lexicon {
namespace {

constexpr char kLineEnd[] = "\r\n";

}  // namespace

char ExportLineWriter::LevelMark(int level) {
  return level >= 0 && level <= 9 ? static_cast<char>('0' + level) : '*';
}

const char* ExportLineWriter::PartOfSpeechLetter(std::int64_t code) {
  static constexpr const char* kLetters[] = {"?", "n", "v", "a", "b", "p"};
  return code >= 1 && code <= 5 ? kLetters[code] : kLetters[0];
}

void ExportLineWriter::Prefix(int level) {
  std::string prefix(level > 0 ? 2 * static_cast<std::size_t>(level) : 0, ' ');
  prefix += LevelMark(level);
  prefix += ' ';
  text_.Append(prefix.c_str());
}

void ExportLineWriter::Line(int level, const char* keyword, const char* value) {
  Prefix(level);
  text_.Append(keyword);
  if (value != nullptr) text_.Append(value);
  text_.Append(kLineEnd);
}

void ExportLineWriter::Number(int level, const char* keyword, std::int64_t number) {
  Line(level, keyword, (" " + std::to_string(number)).c_str());
}

void ExportLineWriter::Quoted(int level, const char* keyword, const char* value) {
  Prefix(level);
  text_.Append(keyword);
  text_.Append(" \"");
  if (value != nullptr) text_.Append(value);
  text_.Append("\"");
  text_.Append(kLineEnd);
}

void ExportLineWriter::Quoted(int level, const char* keyword, BSTR value) {
  Prefix(level);
  text_.Append(keyword);
  text_.Append(" \"");
  if (value != nullptr) text_.Append(value, SysStringLen(value));
  text_.Append("\"");
  text_.Append(kLineEnd);
}

void ExportLineWriter::EndLine() {
  text_.Append(kLineEnd);
}

void ExportLineWriter::Raw(const char* text) {
  text_.Append(text);
}

void ExportLineWriter::Append(const String& lines) {
  text_.Append(lines.GetBSTR(), lines.Length());
}

}  // namespace lexicon
