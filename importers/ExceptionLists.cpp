#include "ExceptionLists.h"

#include <filesystem>
#include <sstream>

#include "LexicalSchema.h"
#include "Literal.h"
#include "TextFile.h"
#include "WordNetModel.h"

namespace importers {
namespace {

// The blank-separated fields of a line; a carriage return before the line feed is no field.
std::vector<std::string> FieldsOf(std::string_view line) {
  std::istringstream text{std::string(line)};
  std::vector<std::string> fields;
  for (std::string field; text >> field;) fields.push_back(std::move(field));
  return fields;
}

void ReadList(const std::string& path, std::uint16_t partOfSpeech,
              std::vector<WordFormException>* exceptions, Diagnostics* diagnostics) {
  TextFile file = TextFile::Read(path);
  TextLine line;
  while (file.Next(&line)) {
    const std::vector<std::string> fields = FieldsOf(line.text);
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
