#include "Relations.h"

#include "ArbCursor.h"
#include "ArbRecord.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/Factory.h"

Relations::Relations(void* database, std::uint16_t container, std::uint32_t store)
    : Collection<Relation>(database, container, store) {}

Relations::~Relations() = default;

Relation* Relations::GetItem(std::int16_t relationID) {
  lexicon::Owned<Relation> relation(lexicon::Factory::New<Relation>());
  if (!relation) throw PLXException(ePLXOutOfMemory);
  if (relationID < 1 || ReadRecord(static_cast<std::uint32_t>(relationID), *relation) == 0) {
    throw PLXException(ePLXInvalidRelation);
  }
  return relation.release();
}

int Relations::GetRelationName(std::int16_t relationID, char* buffer, std::int16_t size) {
  if (buffer == nullptr || size < 1) return 0;
  buffer[0] = '\0';
  ArbRecord relation;
  if (relationID < 1 ||
      relation.Retrieve(GetDatabase(), schema::kSharedStore, schema::kDefaultContainer,
                        static_cast<std::uint32_t>(relationID)) == 0) {
    return 0;
  }
  return relation.FindGetString(buffer, static_cast<std::uint16_t>(size), schema::NAME) > 0 ? 1 : 0;
}

int Relations::GetRelationID(const char* name, std::int16_t* relationID) {
  if (relationID == nullptr) return 0;
  ArbCursor cursor(GetDatabase(), GetContainer(), GetStore());
  // A name is compared as it is: with wildcards on, "has_*" would hand out some other relation.
  cursor.Wildcards(0);
  lexicon::CriteriaBuilder criteria(cursor);
  if (!criteria.Equals(schema::NAME, name).Validate()) return 0;
  ArbRecord relation;
  if (cursor.ReadFirst(relation) == 0) return 0;
  *relationID = static_cast<std::int16_t>(relation.GetID());
  return 1;
}
