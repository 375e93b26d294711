#include "lexicon/LinkExportWriter.h"

#include <string>

#include "ArbCursor.h"
#include "LexicalSchema.h"
#include "String.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/CurrentFieldGuard.h"
#include "lexicon/DefinitionLookup.h"
#include "lexicon/RecordPointer.h"

namespace lexicon {
namespace {

using schema::kDefaultContainer;

// The CODE of the definition in store 96 whose `idTag` is `id`, as a new string (null: none).
BSTR DefinitionCode(void* database, std::uint16_t container, std::uint16_t idTag,
                    std::uint16_t id) {
  ArbRecord definition;
  if (FindSharedDefinition(database, container, idTag, id, definition) == 0) return nullptr;
  return definition.FindGetBSTR(schema::CODE);
}

void QuotedAndFree(ExportLineWriter& lines, int level, const char* keyword, BSTR value) {
  lines.Quoted(level, keyword, value);
  SysFreeString(value);
}

std::string AtSigns(std::uint32_t id) {
  return " @" + std::to_string(id) + "@";
}

// The variant that shows a link target: the one the DISPLAY_VARIANT below `target` names, else the
// target concept's last variant in the variant-concept index. 1 when `variant` holds one.
int ReadTargetVariant(ArbRecord& link, node* target, std::uint32_t targetId, void* database,
                      std::uint32_t store, ArbRecord& variant) {
  link.SetCurrentField(target);
  const std::uint32_t display =
      link.FindGetRecPtr(schema::DISPLAY_VARIANT, 1, ArbRecord::eFromChild, ArbRecord::eInForest);
  if (IsRecordPointer(display) &&
      variant.Retrieve(database, store, kDefaultContainer, display) != 0) {
    return 1;
  }
  ArbCursor cursor(database, kDefaultContainer, store);
  cursor.SetMasterIndex(schema::kVariantConceptIndex, 1);
  CriteriaBuilder criteria(cursor);
  return criteria.Equals(schema::CONCEPT, targetId).Validate() && cursor.ReadLast(variant) != 0 ? 1
                                                                                                : 0;
}

// The target's part of speech, literal and sense as found in `record` from its current field
// (`start`, `area`).
void WriteTargetDescription(ArbRecord& record, ArbRecord::eFindStart start,
                            ArbRecord::eFindArea area, ExportLineWriter& lines) {
  lines.Line(3, "TARGET_CONCEPT");
  lines.Quoted(4, "PART_OF_SPEECH",
               ExportLineWriter::PartOfSpeechLetter(
                   record.FindGetWUWORD(schema::PART_OF_SPEECH, 1, start, area)));
  QuotedAndFree(lines, 4, "LITERAL", record.FindGetBSTR(schema::LITERAL, 1, start, area));
  lines.Number(5, "SENSE", record.FindGetWUWORD(schema::SENSE, 1, start, area));
}

void WriteTarget(ArbRecord& link, node* target, void* database, std::uint32_t store,
                 ExportLineWriter& lines) {
  link.SetCurrentField(target);
  const std::uint32_t targetId =
      link.FindGetRecPtr(schema::TARGET_CONCEPT, 1, ArbRecord::eFromCurrent, ArbRecord::eInTree);
  if (targetId == kNoRecordPointer) {
    link.SetCurrentField(target);
    WriteTargetDescription(link, ArbRecord::eFromChild, ArbRecord::eInForest, lines);
    return;
  }
  ArbRecord variant;
  if (ReadTargetVariant(link, target, targetId, database, store, variant) != 0) {
    WriteTargetDescription(variant, ArbRecord::eFromRoot, ArbRecord::eInTree, lines);
  } else {
    lines.Line(3, "TARGET_CONCEPT", AtSigns(targetId).c_str());
  }
}

// The variant line of one end of a variant-to-variant link, when `end` has a VARIANT child.
void WriteLinkEndVariant(ArbRecord& link, std::uint16_t end, const char* keyword, void* database,
                         std::uint32_t store, ExportLineWriter& lines) {
  if (link.FindField(end) == 0 ||
      link.FindField(schema::VARIANT, 1, ArbRecord::eFromChild, ArbRecord::eInForest) == 0) {
    return;
  }
  const std::uint32_t id =
      link.FindGetRecPtr(schema::VARIANT, 1, ArbRecord::eFromCurrent, ArbRecord::eInTree);
  ArbRecord variant;
  if (variant.Retrieve(database, store, kDefaultContainer, id) != 0) {
    QuotedAndFree(lines, 5, keyword, variant.FindGetBSTR(schema::LITERAL));
  } else {
    lines.Quoted(5, keyword, ("*@" + std::to_string(id) + "@*").c_str());
  }
}

// The attribute lines of a link into `lines`.
void WriteAttributes(ArbRecord& link, void* database, std::uint32_t store,
                     ExportLineWriter& lines) {
  for (const auto& [tag, keyword] : {std::pair{schema::CONJUNCTIVE, "CONJUNCTIVE"},
                                     std::pair{schema::DISJUNCTIVE, "DISJUNCTIVE"}}) {
    if (link.FindField(tag) != 0) lines.Number(4, keyword, link.FindGetWUWORD(tag));
  }
  if (link.FindField(schema::FACTIVE) != 0) {
    lines.Line(4, "FACTIVE");
  } else if (link.FindField(schema::NON_FACTIVE) != 0) {
    lines.Line(4, "NON_FACTIVE");
  }
  if (link.FindField(schema::NEGATIVE) != 0) lines.Line(4, "NEGATIVE");
  if (link.FindField(schema::REVERSED) != 0) lines.Line(4, "REVERSED");
  if (link.FindField(schema::VARIANT) != 0) {
    lines.Line(4, "VARIANT_TO_VARIANT");
    WriteLinkEndVariant(link, schema::SOURCE_CONCEPT, "SOURCE_VARIANT", database, store, lines);
    WriteLinkEndVariant(link, schema::TARGET_CONCEPT, "TARGET_VARIANT", database, store, lines);
  }
}

}  // namespace

void WriteSourceBlock(ArbRecord& record, node* start, int level, ExportLineWriter& lines) {
  const CurrentFieldGuard guard(record);
  record.SetCurrentField(start);
  if (record.GetTag() != schema::SOURCE_ID &&
      record.FindField(schema::SOURCE_ID, 1, ArbRecord::eFromChild, ArbRecord::eInForest) == 0) {
    return;
  }
  node* source = record.GetCurrentField();
  std::int32_t id = 0;
  record.Get(&id);
  lines.Number(level, "SOURCE_ID", id);
  record.SetCurrentField(source);
  if (record.FindField(schema::TEXT_KEY, 1, ArbRecord::eFromChild, ArbRecord::eInForest) != 0) {
    BSTR key = nullptr;
    record.Get(&key);
    QuotedAndFree(lines, level + 1, "TEXT_KEY", key);
    return;
  }
  record.SetCurrentField(source);
  if (record.FindField(schema::NUMBER_KEY, 1, ArbRecord::eFromChild, ArbRecord::eInForest) != 0) {
    std::int32_t number = 0;
    record.Get(&number);
    lines.Number(level + 1, "NUMBER_KEY", number);
  }
}

void WriteInternalLink(ArbRecord& link, void* database, std::uint32_t store,
                       ExportLineWriter& lines) {
  const CurrentFieldGuard guard(link);
  if (link.FindField(schema::TARGET_CONCEPT) == 0) return;
  node* target = link.GetCurrentField();
  const auto relation = static_cast<std::uint16_t>(link.FindGetWSWORD(schema::RELATION));
  QuotedAndFree(lines, 2, "RELATION",
                DefinitionCode(database, kDefaultContainer, schema::RELATION, relation));
  WriteTarget(link, target, database, store, lines);

  String attributes;
  ExportLineWriter attributeLines(attributes);
  WriteAttributes(link, database, store, attributeLines);
  if (attributes.Length() != 0) {
    lines.Line(3, "FEATURES");
    lines.Append(attributes);
  }
  WriteSourceBlock(link, link, 3, lines);
}

void WriteEqLink(ArbRecord& link, void* database, ExportLineWriter& lines) {
  const CurrentFieldGuard guard(link);
  const std::uint16_t relation = link.FindGetWUWORD(schema::EQ_RELATION);
  QuotedAndFree(lines, 2, "EQ_RELATION",
                DefinitionCode(database, schema::kEqRelations, schema::EQ_RELATION, relation));
  const std::uint32_t iliId = link.FindGetRecPtr(schema::TARGET_ILI);
  ArbRecord ili;
  const bool read = ili.Retrieve(database, schema::kIliStore, kDefaultContainer, iliId) != 0;
  const std::int32_t offset = read ? ili.FindGetWSDWORD(schema::WORDNET_OFFSET) : 0;
  const std::int32_t addOn = read ? ili.FindGetWSDWORD(schema::ADD_ON_ID) : 0;
  if (offset != 0 || addOn != 0) {
    lines.Line(3, "TARGET_ILI");
    lines.Quoted(4, "PART_OF_SPEECH",
                 ExportLineWriter::PartOfSpeechLetter(ili.FindGetWSDWORD(schema::PART_OF_SPEECH)));
    if (offset != 0) {
      lines.Number(4, "WORDNET_OFFSET", static_cast<std::uint32_t>(offset));
    } else {
      lines.Number(4, "ADD_ON_ID", static_cast<std::uint32_t>(addOn));
    }
  } else {
    lines.Line(3, "TARGET_ILI", AtSigns(iliId).c_str());
  }
  WriteSourceBlock(link, link, 3, lines);
}

}  // namespace lexicon
