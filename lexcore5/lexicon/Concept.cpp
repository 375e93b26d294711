#include "Concept.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "ArbCodes.h"
#include "ArbCursor.h"
#include "ConceptLink.h"
#include "ConceptLinks.h"
#include "ConceptVariant.h"
#include "ConceptVariants.h"
#include "Concepts.h"
#include "EqLink.h"
#include "EqLinks.h"
#include "ILIRecord.h"
#include "ILIRecords.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "lexicon/BoundedText.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/ExportTableWriter.h"
#include "lexicon/Factory.h"
#include "lexicon/PartOfSpeechName.h"
#include "lexicon/RecordPointer.h"
#include "lexicon/SourceUnit.h"

using lexicon::CriteriaBuilder;
using lexicon::Factory;
using lexicon::kConceptSource;
using lexicon::Owned;

Concept::~Concept() = default;

std::int16_t Concept::GetType() {
  return static_cast<std::int16_t>(FindGetWUWORD(schema::CONCEPT_TYPE));
}

std::int16_t Concept::GetPartOfSpeechCode() {
  return static_cast<std::int16_t>(FindGetWUWORD(schema::PART_OF_SPEECH));
}

BSTR Concept::GetPartOfSpeech() {
  return lexicon::NewPartOfSpeechName(FindGetWUWORD(schema::PART_OF_SPEECH));
}

std::int16_t Concept::GetPartOfSpeech(char* buffer, std::int16_t size) {
  if (buffer == nullptr || size < 1) return 0;
  const char* name = lexicon::PartOfSpeechName(FindGetWUWORD(schema::PART_OF_SPEECH));
  const std::size_t length = name != nullptr ? std::strlen(name) : 0;
  if (name == nullptr || static_cast<std::size_t>(size) <= length) {
    buffer[0] = '\0';
    return 0;
  }
  std::memcpy(buffer, name, length + 1);
  return static_cast<std::int16_t>(length);
}

void Concept::SelectVariants(ArbCursor& cursor) {
  cursor.SetMasterIndex(schema::kVariantConceptIndex, 1);
  CriteriaBuilder criteria(cursor);
  if (!criteria.Equals(schema::CONCEPT, GetID()).Validate()) {
    throw PLXException(criteria.Failure(), kConceptSource, __LINE__);
  }
}

ConceptVariants* Concept::GetConceptVariants() {
  Owned<ConceptVariants> variants(
      Factory::New<ConceptVariants>(GetDatabase(), schema::kDefaultContainer, GetStore()));
  if (!variants) throw PLXException(ePLXOutOfMemory, kConceptSource, __LINE__);
  SelectVariants(*variants);
  return variants.release();
}

ConceptVariant* Concept::GetConceptVariant(std::int16_t number) {
  if (number < 1) throw PLXException(ePLXInvalidVariantNumber, kConceptSource, __LINE__);
  ArbCursor cursor(GetDatabase(), schema::kDefaultContainer, GetStore());
  SelectVariants(cursor);
  for (int position = 1;; ++position) {
    if ((position == 1 ? cursor.GoFirst() : cursor.GoNext()) == 0) {
      // Running out of variants is the caller's wrong number; any other failure is the store's.
      if (cursor.GetErrorCode() == arbcode::EOF_HIT) {
        throw PLXException(ePLXInvalidVariantNumber, kConceptSource, __LINE__);
      }
      throw PLXException(cursor.GetErrorCode(), kConceptSource, __LINE__);
    }
    if (position == number) break;
  }
  Owned<ConceptVariant> variant(Factory::New<ConceptVariant>());
  if (!variant) throw PLXException(ePLXOutOfMemory, kConceptSource, __LINE__);
  if (cursor.ReadCurrent(*variant) == 0) {
    throw PLXException(cursor.GetErrorCode(), kConceptSource, __LINE__);
  }
  return variant.release();
}

std::int16_t Concept::GetConceptVariantCount() {
  ArbCursor cursor(GetDatabase(), schema::kDefaultContainer, GetStore());
  SelectVariants(cursor);
  return static_cast<std::int16_t>(cursor.GetRecCount());
}

ConceptLinks* Concept::GetConceptLinks(std::int16_t relation) {
  Owned<ConceptLinks> links(
      Factory::New<ConceptLinks>(GetDatabase(), schema::kInternalLinks, GetStore()));
  if (!links) throw PLXException(ePLXOutOfMemory, kConceptSource, __LINE__);
  links->SetMasterIndex(schema::kLinkSourceIndex, 1);
  CriteriaBuilder criteria(*links);
  criteria.Equals(schema::SOURCE_CONCEPT, GetID());
  if (relation != 0) criteria.Op(lexicon::kAnd).Equals(schema::RELATION, relation);
  if (!criteria.Validate()) throw PLXException(criteria.Failure(), kConceptSource, __LINE__);
  return links.release();
}

Concepts* Concept::GetLinkedConcepts(std::int16_t relation) {
  // No source of its own: the cursor yields the concepts that the links' targets join to.
  Owned<Concepts> concepts(
      Factory::New<Concepts>(nullptr, schema::kDefaultContainer, schema::kSiteStore));
  if (!concepts) throw PLXException(ePLXOutOfMemory, kConceptSource, __LINE__);
  const std::uint16_t links = concepts->OpenContextSet();
  const std::uint16_t targets = concepts->OpenContextSet();
  concepts->AddContextToSet(links, GetDatabase(), GetStore(), schema::kInternalLinks);
  concepts->SetIndex(links, schema::kLinkSourceIndex);
  concepts->AddContextToSet(targets, GetDatabase(), GetStore(), schema::kConcepts);
  CriteriaBuilder criteria(*concepts);
  criteria.Op(lexicon::kOpenParen)
      .Field(schema::TARGET_CONCEPT, links)
      .Op(lexicon::kEqual)
      .Field(schema::RECORD_ID, targets)
      .Op(lexicon::kCloseParen)
      .Op(lexicon::kAnd)
      .Equals(schema::SOURCE_CONCEPT, GetID(), links);
  if (relation != 0) criteria.Op(lexicon::kAnd).Equals(schema::RELATION, relation, links);
  if (!criteria.Validate()) throw PLXException(criteria.Failure(), nullptr, 0);
  return concepts.release();
}

Concepts* Concept::GetHyperonyms() {
  return GetLinkedConcepts(schema::kHyperonymRelation);
}

Concepts* Concept::GetHyponyms() {
  return GetLinkedConcepts(schema::kHyponymRelation);
}

namespace {

// The equivalence links of concept `conceptId`, of one equivalence relation or (0) of all.
void SelectEqLinks(ArbCursor& links, std::uint32_t conceptId, std::int16_t eqRelation) {
  links.SetMasterIndex(schema::kEqLinkConceptIndex, 1);
  CriteriaBuilder criteria(links);
  criteria.Equals(schema::CONCEPT, conceptId);
  if (eqRelation != 0) {
    criteria.Op(lexicon::kAnd).Equals(schema::EQ_RELATION, static_cast<std::uint16_t>(eqRelation));
  }
  if (!criteria.Validate()) throw PLXException(criteria.Failure(), nullptr, 0);
}

}  // namespace

EqLinks* Concept::GetEqLinks(std::int16_t eqRelation) {
  Owned<EqLinks> links(Factory::New<EqLinks>(GetDatabase(), schema::kEqLinks, GetStore()));
  if (!links) throw PLXException(ePLXOutOfMemory, kConceptSource, __LINE__);
  SelectEqLinks(*links, GetID(), eqRelation);
  return links.release();
}

int Concept::GetILIRecords(std::int16_t eqRelation, ILIRecords** records) {
  if (records == nullptr) return 0;
  *records = nullptr;
  // Only the links' targets are wanted: one record read link after link, not an object each.
  ArbCursor links(GetDatabase(), schema::kEqLinks, GetStore());
  SelectEqLinks(links, GetID(), eqRelation);
  Owned<ILIRecords> found(Factory::New<ILIRecords>(GetDatabase()));
  if (!found) throw PLXException(ePLXOutOfMemory, kConceptSource, __LINE__);
  CriteriaBuilder criteria(*found);
  bool any = false;
  ArbRecord link;
  while (links.ReadNext(link) != 0) {
    // A link without a target adds nothing: with no term at all, the criteria would select every
    // ILI record instead of none.
    const std::uint32_t target = link.FindGetRecPtr(schema::TARGET_ILI);
    if (!lexicon::IsRecordPointer(target)) continue;
    if (any) criteria.Op(lexicon::kOr);
    criteria.Equals(schema::RECORD_ID, target);
    any = true;
  }
  if (!any) return 0;
  if (!criteria.Validate()) throw PLXException(criteria.Failure(), nullptr, 0);
  *records = found.release();
  return 1;
}

int Concept::GetEqSynonym(ILIRecord** record) {
  if (record == nullptr) return 0;
  *record = nullptr;
  Owned<EqLinks> links(GetEqLinks(static_cast<std::int16_t>(schema::kEqSynonym)));
  EqLink* first = nullptr;
  if (links->GetCount() != 1 || links->GetFirst(&first) == 0) return 0;
  const Owned<EqLink> link(first);
  const std::uint32_t target = link->FindGetRecPtr(schema::TARGET_ILI);
  if (!lexicon::IsRecordPointer(target)) return 0;
  Owned<ILIRecord> synonym(Factory::New<ILIRecord>());
  if (!synonym ||
      synonym->Retrieve(GetDatabase(), schema::kIliStore, schema::kDefaultContainer, target) == 0) {
    return 0;
  }
  *record = synonym.release();
  return 1;
}

std::int16_t Concept::GetEqRelation(std::uint32_t iliRecordID) {
  ArbCursor cursor(GetDatabase(), schema::kEqLinks, GetStore());
  cursor.SetMasterIndex(schema::kEqLinkIliIndex, 1);
  CriteriaBuilder criteria(cursor);
  criteria.Equals(schema::TARGET_ILI, iliRecordID)
      .Op(lexicon::kAnd)
      .Equals(schema::CONCEPT, GetID());
  if (!criteria.Validate()) throw PLXException(criteria.Failure(), nullptr, 0);
  ArbRecord link;
  if (cursor.ReadFirst(link) == 0) return 0;
  return static_cast<std::int16_t>(link.FindGetWUWORD(schema::EQ_RELATION));
}

namespace {

// Writes the header line of a section and the items of `items`, each with the
// rows of `table`; nothing at all for an empty collection.
template <typename Item>
void ExportSection(Collection<Item>* items, const char* header, lexicon::ExportTable table,
                   lexicon::BoundedText& text) {
  const Owned<Collection<Item>> held(items);
  if (held->GetCount() <= 0) return;
  text.Require(20);
  text.Append(header);
  Item* next = nullptr;
  for (int found = held->GetFirst(&next); found != 0; found = held->GetNext(&next)) {
    const Owned<Item> item(next);
    lexicon::WriteWithTable(*item, table, text);
  }
}

}  // namespace

void Concept::Export(char* buffer, int size, unsigned int /*reserved*/) {
  if (buffer == nullptr || size < 20) {
    throw PLXException(ePLXBufferTooSmall, kConceptSource, __LINE__);
  }
  lexicon::BoundedText text(buffer, size);
  char line[64];
  std::snprintf(line, sizeof line, "0 @%lu@ %s\n", static_cast<unsigned long>(GetID()),
                GetType() == static_cast<std::int16_t>(schema::kWordMeaning) ? "WORD_MEANING"
                                                                             : "WORD_INSTANCE");
  text.Append(line);
  const std::uint16_t partOfSpeech = FindGetWUWORD(schema::PART_OF_SPEECH);
  if (partOfSpeech == 0) throw PLXException(ePLXLayoutError, kConceptSource, __LINE__);
  text.Require(30);
  // Codes of 6 and more have no short name; "?" is what the full export shows for them too, and
  // keeps the line well formed instead of leaving the quotes empty or reading a null name.
  const char* name = lexicon::PartOfSpeechName(partOfSpeech);
  text.Append(std::string("  1 PART_OF_SPEECH \"") + (name != nullptr ? name : "?") + "\"\n");
  ExportSection<ConceptVariant>(GetConceptVariants(), "  1 VARIANTS\n",
                                lexicon::ExportTable::kVariant, text);
  ExportSection<ConceptLink>(GetConceptLinks(0), "  1 INTERNAL_LINKS\n",
                             lexicon::ExportTable::kInternalLink, text);
  ExportSection<EqLink>(GetEqLinks(0), "  1 EQ_LINKS\n", lexicon::ExportTable::kEqLink, text);
}
