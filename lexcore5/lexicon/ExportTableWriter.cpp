#include "lexicon/ExportTableWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "ArbError.h"
#include "ArbTreeWalker.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "String.h"
#include "lexicon/CurrentFieldGuard.h"
#include "lexicon/DefinitionLookup.h"
#include "lexicon/RecordPointer.h"
#include "lexicon/SourceUnit.h"

namespace lexicon {
namespace {

enum ValueKind : std::uint8_t {
  kWideText = 0,
  kNarrowText = 1,
  kUnsigned16 = 2,
  kUnsigned32 = 3,
  kPointer = 4,
  kKeywordOnly = 5,
  kSilent = 6,
  kRelationName = 7,
  kEqRelationName = 8,
  kPartOfSpeechName = 9,
};

struct Row {
  std::uint16_t tag;  // 0 ends a table
  std::uint8_t depth;
  ValueKind kind;
  const char* keyword;
  std::uint8_t level;
};

using namespace schema;

constexpr Row kVariantRows[] = {
    {VARIANT, 0, kSilent, "", 0},
    {CONCEPT, 1, kSilent, "", 0},
    {PART_OF_SPEECH, 2, kSilent, "", 0},
    {LITERAL, 1, kWideText, "LITERAL", 2},
    {SENSE, 2, kUnsigned16, "SENSE", 3},
    {DEFINITION, 1, kWideText, "DEFINITION", 3},
    {EXAMPLES, 1, kKeywordOnly, "EXAMPLES", 3},
    {EXAMPLE, 2, kWideText, "EXAMPLE", 4},
    {MULTI_WORD_INFO, 1, kKeywordOnly, "MULTI_WORD_INFO", 3},
    {MULTI_WORD_TOKEN, 2, kUnsigned16, "MULTI_WORD_TOKEN", 4},
    {PART_OF_SPEECH, 3, kPartOfSpeechName, "PART_OF_SPEECH", 5},
    {USAGE_LABELS, 1, kKeywordOnly, "USAGE_LABELS", 3},
    {EXTERNAL_INFO, 1, kKeywordOnly, "EXTERNAL_INFO", 3},
    {CORPUS_ID, 2, kUnsigned32, "CORPUS_ID", 4},
    {FREQUENCY, 3, kUnsigned32, "FREQUENCY", 5},
    {SOURCE_ID, 2, kUnsigned32, "SOURCE_ID", 4},
    {NUMBER_KEY, 3, kUnsigned32, "NUMBER_KEY", 5},
    {TEXT_KEY, 3, kWideText, "TEXT_KEY", 5},
    {PAROLE_ID, 2, kUnsigned32, "PAROLE_ID", 4},
    {STATUS, 1, kWideText, "STATUS", 3},
    {0, 0, kSilent, "", 0},
};

constexpr Row kInternalLinkRows[] = {
    {INTERNAL_LINK, 0, kSilent, "", 0},
    {RELATION, 1, kRelationName, "RELATION", 2},
    {SOURCE_CONCEPT, 1, kSilent, "", 0},
    {TARGET_CONCEPT, 1, kPointer, "TARGET_CONCEPT", 3},
    {CONJUNCTIVE, 1, kUnsigned16, "CONJUNCTIVE", 4},
    {DISJUNCTIVE, 1, kUnsigned16, "DISJUNCTIVE", 4},
    {FACTIVE, 1, kKeywordOnly, "FACTIVE", 4},
    {NON_FACTIVE, 1, kKeywordOnly, "NON_FACTIVE", 4},
    {NEGATIVE, 1, kKeywordOnly, "NEGATIVE", 4},
    {REVERSED, 1, kKeywordOnly, "REVERSED", 4},
    {0, 0, kSilent, "", 0},
};

constexpr Row kEqLinkRows[] = {
    {EQ_LINK, 0, kSilent, "", 0}, {EQ_RELATION, 1, kEqRelationName, "EQ_RELATION", 2},
    {CONCEPT, 1, kSilent, "", 0}, {TARGET_ILI, 1, kPointer, "TARGET_ILI", 3},
    {0, 0, kSilent, "", 0},
};

const Row* RowsOf(ExportTable table) {
  switch (table) {
    case ExportTable::kVariant:
      return kVariantRows;
    case ExportTable::kInternalLink:
      return kInternalLinkRows;
    case ExportTable::kEqLink:
      return kEqLinkRows;
  }
  return nullptr;
}

const Row* FindRow(const Row* rows, std::uint16_t tag, std::uint8_t depth) {
  for (; rows != nullptr && rows->tag != 0; ++rows) {
    if (rows->tag == tag && rows->depth == depth) return rows;
  }
  return nullptr;
}

template <typename... Args>
std::string Format(const char* format, Args... args) {
  std::string piece(static_cast<std::size_t>(std::snprintf(nullptr, 0, format, args...)), '\0');
  std::snprintf(piece.data(), piece.size() + 1, format, args...);
  return piece;
}

std::string Quoted(const char* text) {
  return std::string(" \"") + text + "\"";
}

// The NAME of the definition whose `idTag` equals `id`, as narrow text of at most 100 bytes with
// its terminator; empty when there is none.
std::string DefinitionName(void* database, std::uint16_t container, std::uint16_t idTag,
                           std::uint16_t id) {
  ArbRecord definition;
  char name[100] = "";
  if (FindSharedDefinition(database, container, idTag, id, definition) != 0) {
    definition.FindGetString(name, sizeof name, NAME);
  }
  return name;
}

// The value piece of the current field for `row`; false when the value cannot be read.
bool ValueOf(ArbRecord& record, const Row& row, std::string& piece) {
  switch (row.kind) {
    case kWideText:
    case kNarrowText: {
      BSTR text = nullptr;
      if (record.Get(&text) == 0) return false;
      const String wide(text);
      SysFreeString(text);
      piece = Quoted(wide.GetAnsi());
      return true;
    }
    case kUnsigned16: {
      std::uint16_t value = 0;
      if (record.Get(&value) == 0) return false;
      piece = Format(" %u", static_cast<unsigned>(value));
      return true;
    }
    case kUnsigned32: {
      std::uint32_t value = 0;
      if (record.Get(&value) == 0) return false;
      piece = Format(" %lu", static_cast<unsigned long>(value));
      return true;
    }
    case kPointer: {
      const std::uint32_t target =
          record.FindGetRecPtr(record.GetTag(), 1, ArbRecord::eFromCurrent, ArbRecord::eInTree);
      if (IsRecordPointer(target)) piece = Format(" @%lu@", static_cast<unsigned long>(target));
      return true;
    }
    case kKeywordOnly:
      return true;
    case kRelationName:
    case kEqRelationName:
    case kPartOfSpeechName: {
      std::uint16_t id = 0;
      if (record.Get(&id) == 0) return false;
      const std::string name =
          row.kind == kRelationName
              ? DefinitionName(record.GetDatabase(), kDefaultContainer, RELATION, id)
          : row.kind == kEqRelationName
              ? DefinitionName(record.GetDatabase(), kEqRelations, EQ_RELATION, id)
              : DefinitionName(record.GetDatabase(), kPartsOfSpeech, PART_OF_SPEECH, id);
      if (!name.empty()) piece = Quoted(name.c_str());
      return true;
    }
    case kSilent:
      break;
  }
  throw PLXException(ePLXUndefined, kConceptSource, __LINE__);
}

// The room a value of `kind` claims before it is written (never less than the piece needs).
std::size_t RoomFor(ValueKind kind, const std::string& piece) {
  switch (kind) {
    case kUnsigned16:
      return 6;
    case kUnsigned32:
      return 16;
    case kPointer:
      return 18;
    default:
      return piece.size() + 2;
  }
}

void WriteField(ArbRecord& record, node* field, std::uint8_t depth, const Row* rows,
                BoundedText& text) {
  const Row* row = FindRow(rows, field->tag, depth);
  if (row == nullptr) {
    text.Append(Format("{Cannot convert tag %u, level %u}", static_cast<unsigned>(field->tag),
                       static_cast<unsigned>(depth)),
                40);
    return;
  }
  if (row->kind == kSilent) return;
  for (std::uint8_t unit = 0; unit < row->level; ++unit) text.Append("  ", 3);
  text.Append(Format("%u %s", static_cast<unsigned>(row->level), row->keyword),
              std::strlen(row->keyword) + 5);
  record.SetCurrentField(field);
  std::string piece;
  if (ValueOf(record, *row, piece)) {
    if (!piece.empty()) text.Append(piece, RoomFor(row->kind, piece));
  } else {
    const std::uint32_t code = record.GetLastError();
    text.Append(Format("{Error: %s-0x%04X}", ArbError::NameOf(code), code & 0xFFFFU), 40);
  }
  text.Append("\n", 2);
}

}  // namespace

void WriteWithTable(ArbRecord& record, ExportTable table, BoundedText& text) {
  const CurrentFieldGuard guard(record);
  node* root = record;
  ArbTreeWalker walker(root);
  for (node* field = walker.Current(); field != nullptr;
       field = walker.GoNext() != 0 ? walker.Current() : nullptr) {
    WriteField(record, field, static_cast<std::uint8_t>(field->level - root->level), RowsOf(table),
               text);
  }
}

}  // namespace lexicon
