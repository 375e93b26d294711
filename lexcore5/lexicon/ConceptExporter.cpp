#include "ConceptExporter.h"

#include <string>

#include "ArbCursor.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "String.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/CurrentFieldGuard.h"
#include "lexicon/ExportLineWriter.h"
#include "lexicon/Factory.h"
#include "lexicon/LinkExportWriter.h"
#include "lexicon/UsageLabel.h"
#include "lexicon/VariantFeature.h"

using lexicon::ExportLineWriter;

namespace {

// Reads every record of `container` of `store` into a new definition while fewer than the limit
// are held; the rest are read and dropped.
template <typename Definition>
void LoadDefinitions(void* database, std::uint16_t container, std::uint32_t store,
                     std::vector<Definition*>& definitions) {
  ArbCursor cursor(database, container, store);
  ArbRecord record;
  for (int read = cursor.ReadFirst(record); read != 0; read = cursor.ReadNext(record)) {
    if (definitions.size() >= ConceptExporter::kMaxDefinitions) continue;
    Definition* definition = lexicon::Factory::New<Definition>();
    if (definition == nullptr) throw PLXException(ePLXOutOfMemory, "ConceptExporter", __LINE__);
    *definition = record;
    definitions.push_back(definition);  // room was reserved up to the limit
  }
}

template <typename Definition>
Definition* FindDefinition(const std::vector<Definition*>& definitions, std::uint16_t id) {
  for (Definition* definition : definitions) {
    if (definition->GetID() == id) return definition;
  }
  return nullptr;
}

template <typename Definition>
void Release(std::vector<Definition*>& definitions) {
  for (Definition* definition : definitions) definition->Destroy();
  definitions.clear();
}

// Makes `cursor` select the records whose `tag` holds `conceptId`, through `index`; false when the
// criteria do not validate.
bool SelectByConcept(ArbCursor& cursor, std::uint16_t index, std::uint16_t tag,
                     std::uint32_t conceptId) {
  cursor.SetMasterIndex(index, 1);
  lexicon::CriteriaBuilder criteria(cursor);
  return criteria.Equals(tag, conceptId).Validate();
}

BSTR ReadText(ArbRecord& record) {
  BSTR text = nullptr;
  return record.Get(&text) != 0 ? text : nullptr;
}

void QuotedAndFree(ExportLineWriter& lines, int level, const char* keyword, BSTR value) {
  lines.Quoted(level, keyword, value);
  SysFreeString(value);
}

// The children of `group` whose text can be read, each as a `keyword` line at `level`.
void WriteTextChildren(ArbRecord& record, node* group, int level, const char* keyword,
                       ExportLineWriter& lines) {
  record.SetCurrentField(group);
  for (int more = record.GotoChild(); more != 0; more = record.GotoNext()) {
    if (BSTR text = ReadText(record); text != nullptr) QuotedAndFree(lines, level, keyword, text);
  }
}

void WriteExternalInfo(ArbRecord& variant, node* group, ExportLineWriter& lines) {
  variant.SetCurrentField(group);
  for (int more = variant.GotoChild(); more != 0; more = variant.GotoNext()) {
    node* child = variant.GetCurrentField();
    std::uint32_t value = 0;
    switch (variant.GetTag()) {
      case schema::SOURCE_ID:
        lexicon::WriteSourceBlock(variant, child, 4, lines);
        break;
      case schema::CORPUS_ID:
        variant.Get(&value);
        lines.Number(4, "CORPUS_ID", value);
        if (variant.GotoChild() != 0 && variant.GetTag() == schema::FREQUENCY) {
          variant.Get(&value);
          lines.Number(5, "FREQUENCY", value);
        }
        break;
      case schema::PAROLE_ID:
        variant.Get(&value);
        lines.Number(4, "PAROLE", value);
        break;
      default:
        break;
    }
    variant.SetCurrentField(child);
  }
}

}  // namespace

ConceptExporter::ConceptExporter(void* database, std::uint32_t store)
    : database_(database), store_(static_cast<std::uint32_t>(store)) {
  usageLabels_.reserve(kMaxDefinitions);
  features_.reserve(kMaxDefinitions);
  try {
    LoadDefinitions(database_, schema::kSharedUsageLabels, schema::kSharedStore, usageLabels_);
    LoadDefinitions(database_, schema::kLocalUsageLabels, store_, usageLabels_);
    LoadDefinitions(database_, schema::kSharedFeatures, schema::kSharedStore, features_);
    LoadDefinitions(database_, schema::kLocalFeatures, store_, features_);
  } catch (...) {
    Release(usageLabels_);
    Release(features_);
    throw;
  }
}

ConceptExporter::~ConceptExporter() {
  Release(usageLabels_);
  Release(features_);
}

UsageLabel* ConceptExporter::FindUsageLabel(std::uint16_t id) const {
  return FindDefinition(usageLabels_, id);
}

VariantFeature* ConceptExporter::FindFeature(std::uint16_t id) const {
  return FindDefinition(features_, id);
}

int ConceptExporter::Write(ArbRecord conceptRecord, String& text) {
  text = String();
  ExportLineWriter lines(text);
  try {
    const std::uint32_t conceptId = conceptRecord.GetID();
    const bool meaning = conceptRecord.FindGetWUWORD(schema::CONCEPT_TYPE) == schema::kWordMeaning;
    lines.Line(0, ("@" + std::to_string(conceptId) + "@ ").c_str(),
               meaning ? "WORD_MEANING" : "WORD_INSTANCE");
    lines.Quoted(
        1, "PART_OF_SPEECH",
        ExportLineWriter::PartOfSpeechLetter(conceptRecord.FindGetWUWORD(schema::PART_OF_SPEECH)));
    WriteVariants(conceptId, lines);
    WriteInternalLinks(conceptId, lines);
    WriteEqLinks(conceptId, lines);
  } catch (const PLXException& exception) {
    lines.EndLine();
    lines.Raw("# An exception occurred: ");
    lines.Raw(exception);
    lines.EndLine();
    throw;
  }
  return 1;
}

void ConceptExporter::WriteVariants(std::uint32_t conceptId, ExportLineWriter& lines) {
  ArbCursor cursor(database_, schema::kDefaultContainer, store_);
  ArbRecord variant;
  if (!SelectByConcept(cursor, schema::kVariantConceptIndex, schema::CONCEPT, conceptId) ||
      cursor.ReadLast(variant) == 0) {
    return;
  }
  lines.Line(1, "VARIANTS");
  do {
    WriteVariant(variant, lines);
  } while (cursor.ReadPrevious(variant) != 0);
}

void ConceptExporter::WriteInternalLinks(std::uint32_t conceptId, ExportLineWriter& lines) {
  ArbCursor cursor(database_, schema::kInternalLinks, store_);
  ArbRecord link;
  if (!SelectByConcept(cursor, schema::kLinkSourceIndex, schema::SOURCE_CONCEPT, conceptId) ||
      cursor.ReadFirst(link) == 0) {
    return;
  }
  lines.Line(1, "INTERNAL_LINKS");
  do {
    lexicon::WriteInternalLink(link, database_, store_, lines);
  } while (cursor.ReadNext(link) != 0);
}

void ConceptExporter::WriteEqLinks(std::uint32_t conceptId, ExportLineWriter& lines) {
  ArbCursor cursor(database_, schema::kEqLinks, store_);
  ArbRecord link;
  if (!SelectByConcept(cursor, schema::kEqLinkConceptIndex, schema::CONCEPT, conceptId) ||
      cursor.ReadFirst(link) == 0) {
    return;
  }
  lines.Line(1, "EQ_LINKS");
  do {
    lexicon::WriteEqLink(link, database_, lines);
  } while (cursor.ReadNext(link) != 0);
}

void ConceptExporter::WriteVariant(ArbRecord& variant, ExportLineWriter& lines) {
  const lexicon::CurrentFieldGuard guard(variant);
  QuotedAndFree(lines, 2, "LITERAL", variant.FindGetBSTR(schema::LITERAL));
  lines.Number(3, "SENSE", variant.FindGetWSWORD(schema::SENSE));
  for (const auto& [tag, keyword] :
       {std::pair{schema::DEFINITION, "DEFINITION"}, std::pair{schema::STATUS, "STATUS"}}) {
    if (BSTR text = variant.FindGetBSTR(tag); text != nullptr) {
      QuotedAndFree(lines, 3, keyword, text);
    }
  }
  if (variant.FindField(schema::EXAMPLES) != 0) {
    lines.Line(3, "EXAMPLES");
    WriteTextChildren(variant, variant.GetCurrentField(), 4, "EXAMPLE", lines);
  }
  if (variant.FindField(schema::TRANSLATIONS) != 0) {
    lines.Line(3, "TRANSLATIONS");
    WriteTextChildren(variant, variant.GetCurrentField(), 4, "TRANSLATION", lines);
  }
  if (variant.FindField(schema::USAGE_LABELS) != 0) {
    lines.Line(3, "USAGE_LABELS");
    WriteUsageLabels(variant, variant.GetCurrentField(), lines);
  }
  if (variant.FindField(schema::FEATURES) != 0) {
    lines.Line(3, "FEATURES");
    WriteFeatures(variant, variant.GetCurrentField(), lines);
  }
  if (variant.FindField(schema::EXTERNAL_INFO) != 0) {
    lines.Line(3, "EXTERNAL_INFO");
    WriteExternalInfo(variant, variant.GetCurrentField(), lines);
  }
}

// A label without a value number, or with 0, is written like any other: with the name of its
// definition's entry numbered 0 when there is one, else with empty quotes. Every label line thus
// has its value line, and a definition that does name value 0 is not hidden.
void ConceptExporter::WriteUsageLabels(ArbRecord& variant, node* group, ExportLineWriter& lines) {
  variant.SetCurrentField(group);
  for (int more = variant.GotoChild(); more != 0; more = variant.GotoNext()) {
    node* child = variant.GetCurrentField();
    std::uint16_t id = 0;
    // A stray field of another kind in the group is not a label, whatever number it holds.
    UsageLabel* label = variant.GetTag() == schema::USAGE_LABEL && variant.Get(&id) != 0
                            ? FindUsageLabel(id)
                            : nullptr;
    if (label != nullptr) {
      const std::uint16_t value = variant.FindGetWUWORD(
          schema::USAGE_LABEL_VALUE, 1, ArbRecord::eFromChild, ArbRecord::eInForest);
      QuotedAndFree(lines, 4, "USAGE_LABEL", label->GetName());
      QuotedAndFree(lines, 5, "USAGE_LABEL_VALUE", label->GetValueName(value));
    }
    variant.SetCurrentField(child);
  }
}

void ConceptExporter::WriteFeatures(ArbRecord& variant, node* group, ExportLineWriter& lines) {
  variant.SetCurrentField(group);
  for (int more = variant.GotoChild(); more != 0; more = variant.GotoNext()) {
    node* child = variant.GetCurrentField();
    std::uint16_t id = 0;
    VariantFeature* feature =
        variant.GetTag() == schema::FEATURE && variant.Get(&id) != 0 ? FindFeature(id) : nullptr;
    if (feature != nullptr) {
      QuotedAndFree(lines, 4, "FEATURE", feature->GetName());
      if (BSTR value = variant.FindGetBSTR(schema::FEATURE_VALUE, 1, ArbRecord::eFromChild,
                                           ArbRecord::eInForest);
          value != nullptr) {
        QuotedAndFree(lines, 5, "FEATURE_VALUE", value);
      }
    }
    variant.SetCurrentField(child);
  }
}
