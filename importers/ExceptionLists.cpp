#include "ExceptionLists.h"

#include <algorithm>
#include <filesystem>

#include "LexicalSchema.h"
#include "Literal.h"
#include "TextFile.h"
#include "WordNetModel.h"

namespace importers {
namespace {

// The blank-separated fields of a line; a carriage return before the line feed is no field.
std::vector<std::string_view> FieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t\r", at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
    fields.push_back(line.substr(start, end - start));
    at = end;
  }
  return fields;
}

void ReadList(const std::string& path, std::uint16_t partOfSpeech,
              std::vector<WordFormException>* exceptions, Diagnostics* diagnostics) {
  TextFile file = TextFile::Read(path);
  TextLine line;
  while (file.Next(&line)) {
    const std::vector<std::string_view> fields = FieldsOf(line.text);
    if (fields.empty()) continue;
    if (!IsValidUtf8(line.text)) {
      diagnostics->Warn(path, line.number, "text is not valid UTF-8");
      continue;
    }
    if (fields.size() < 2) {
      diagnostics->Warn(path, line.number, "inflected form without a base form");
      continue;
    }
    WordFormException exception;
    exception.inflected = LiteralOf(fields[0]);
    exception.partOfSpeech = partOfSpeech;
    for (std::size_t i = 1; i < fields.size(); ++i) exception.bases.push_back(LiteralOf(fields[i]));
    exceptions->push_back(std::move(exception));
  }
}

}  // namespace

std::vector<WordFormException> ReadExceptionLists(const std::string& directory,
                                                  Diagnostics* diagnostics) {
  std::vector<WordFormException> exceptions;
  for (PosFile file : kPosFiles) {
    const std::string path = directory + "/" + PosFileSuffix(file) + ".exc";
    if (!std::filesystem::is_regular_file(path)) continue;
    ReadList(path, PartOfSpeechOf(file), &exceptions, diagnostics);
  }
  return exceptions;
}

void WriteExceptionLists(RecordBuilder* builder, std::uint32_t store,
                         const std::vector<WordFormException>& exceptions) {
  using namespace schema;
  std::uint32_t id = 0;
  for (const WordFormException& exception : exceptions) {
    node* root = builder->Start(WORD_FORM_EXCEPTION);
    builder->Text(root, INFLECTED_FORM, exception.inflected);
    builder->Number(root, PART_OF_SPEECH, exception.partOfSpeech);
    for (const std::string& base : exception.bases) builder->Text(root, BASE_FORM, base);
    builder->Add(store, kWordFormExceptions, ++id);
  }
}

}  // namespace importers
