#include "Concepts.h"

#include <utility>

#include "ArbRecord.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/Factory.h"
#include "lexicon/PartOfSpeechName.h"
#include "lexicon/SourceUnit.h"

namespace {

// The store's flags for records the lexical classes add.
constexpr int kAddFlags = 2;

}  // namespace

Concepts::Concepts(void* database, std::uint16_t container, std::uint32_t store)
    : Collection<Concept>(database, container, store) {}

Concepts::~Concepts() = default;

int Concepts::GetItem(std::uint32_t recordID, Concept** item) {
  if (item == nullptr) return 0;
  lexicon::Owned<Concept> found(lexicon::Factory::New<Concept>());
  if (!found || ReadRecord(recordID, *found) == 0) return 0;
  *item = found.release();
  return 1;
}

int Concepts::GetItem(const char* literal, Concept** item) {
  ClearCriteria();
  lexicon::CriteriaBuilder criteria(*this);
  if (!criteria.Equals(schema::LITERAL, literal).Validate()) {
    throw PLXException(criteria.Failure(), lexicon::kConceptSource, __LINE__);
  }
  return GetFirst(item);
}

Concept* Concepts::AddMeaning(const char* partOfSpeech) {
  const std::uint16_t code = lexicon::PartOfSpeechOfSpelling(partOfSpeech);
  if (code == 0) return nullptr;
  return Store(schema::kWordMeaning, code);
}

Concept* Concepts::AddInstance() {
  return Store(schema::kWordInstance, schema::kProperNoun);
}

Concept* Concepts::AddCoordinate(Concept& model) {
  return Store(static_cast<std::uint16_t>(model.GetType()),
               static_cast<std::uint16_t>(model.GetPartOfSpeechCode()));
}

Concept* Concepts::Store(std::uint16_t type, std::uint16_t partOfSpeech) {
  ArbRecord record(schema::CONCEPT);
  for (const auto& [tag, value] :
       {std::pair{schema::CONCEPT_TYPE, type}, std::pair{schema::PART_OF_SPEECH, partOfSpeech}}) {
    if (record.AddField(tag, ArbRecord::kLast, ArbRecord::eFromRoot, ArbRecord::eGraftChild) == 0 ||
        record.Put(value) == 0) {
      return nullptr;
    }
  }
  if (AddRecord(record, kAddFlags) == 0) return nullptr;
  lexicon::Owned<Concept> stored(lexicon::Factory::New<Concept>());
  if (!stored) return nullptr;
  *stored = record;
  // A copy that lost its fields to a lack of memory is no concept.
  if (stored->GetRecordID() == 0) return nullptr;
  return stored.release();
}
