#include "ConceptPaneFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "LexicalSchema.h"
#include "lexicon/LexiconFixture.h"

using namespace fixture;
using namespace schema;

namespace {
std::string LineText(const TreeItem& line) {
  if (line.Kind() != LineKind::kConcept) return line.Text();
  std::string text;
  for (int i = 1; i <= line.VariantCount(); ++i) {
    text += (i > 1 ? "|" : "") + line.Variant(i)->Text();
  }
  return text;
}
}  // namespace

void ConceptPaneFixture::SetUp() {
  ViewerFixture::SetUp();
  if (OpensAtSetUp()) Open();
}

void ConceptPaneFixture::Open() {
  ASSERT_EQ(database_.Open(path_), 1);
  pane_.SetLanguage("EN");
}

void ConceptPaneFixture::AddLink(std::uint32_t id, std::int32_t relation, std::uint32_t source,
                                 std::uint32_t target) {
  Write([&](void* db) {
    ASSERT_EQ(Build({F(0, INTERNAL_LINK), N(1, RELATION, relation), P(1, SOURCE_CONCEPT, source),
                     P(1, TARGET_CONCEPT, target)})
                  .Add(db, kEnglish, kInternalLinks, id),
              1);
  });
}

void ConceptPaneFixture::AddConcept(std::uint32_t id, std::int32_t partOfSpeech,
                                    std::uint32_t variantId, const char* literal,
                                    std::int32_t sense, bool partOfSpeechInVariant) {
  Write([&](void* db) {
    ASSERT_EQ(Build({F(0, CONCEPT), N(1, CONCEPT_TYPE, 1), N(1, PART_OF_SPEECH, partOfSpeech)})
                  .Add(db, kEnglish, kConcepts, id),
              1);
    ArbRecord variant =
        partOfSpeechInVariant
            ? Build({F(0, VARIANT), P(1, CONCEPT, id), N(2, PART_OF_SPEECH, partOfSpeech),
                     T(1, LITERAL, literal), N(2, SENSE, sense)})
            : Build({F(0, VARIANT), P(1, CONCEPT, id), T(1, LITERAL, literal), N(2, SENSE, sense)});
    ASSERT_EQ(variant.Add(db, kEnglish, kDefaultContainer, variantId), 1);
  });
}

ConceptPaneFixture::Lines ConceptPaneFixture::Shape() const {
  Lines lines;
  for (const TreeItem* line = pane_.Lines().First(); line != nullptr; line = line->Next()) {
    std::string text = std::to_string(line->Level()) + LineText(*line);
    if (line->IsAttached()) text += "+";
    if (!line->IsVisible()) text += "~";
    lines.push_back(text);
  }
  return lines;
}

TreeItem& ConceptPaneFixture::LineOf(const std::string& text, int skip) const {
  for (TreeItem* line = pane_.Lines().First(); line != nullptr; line = line->Next()) {
    if (LineText(*line).starts_with(text) && skip-- == 0) return *line;
  }
  throw std::runtime_error("no line " + text);
}
