// The relation definitions of a database (the collection protocol of Collection.h), as
// Polylex::GetRelations makes it: store 96, container 32001, in the order of the relation index.
#pragma once

#include <cstdint>

#include "Collection.h"
#include "LexcoreExport.h"
#include "Relation.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API Relations : public Collection<Relation> {
 public:
  Relations(const Relations& other) = default;
  Relations& operator=(const Relations& other) = default;

  // The relation with that ID as a new object; PLXException ePLXInvalidRelation when there is none.
  Relation* GetItem(std::int16_t relationID);
  // Copies the relation's NAME with its NUL into `buffer`, never past `size` bytes, and returns 1.
  // 0 when there is no such relation, its name is empty, or the name does not fit (the buffer then
  // holds an empty string); a null buffer or a size below 1 is left alone.
  int GetRelationName(std::int16_t relationID, char* buffer, std::int16_t size);
  // Stores in *relationID the ID of the first relation (in record ID order) whose NAME equals
  // `name` (letter case aside; "*" and "?" stand for themselves) and returns 1; 0, with *relationID
  // unchanged, when none does.
  int GetRelationID(const char* name, std::int16_t* relationID);

 protected:
  friend class lexicon::Factory;

  Relations() = default;
  Relations(void* database, std::uint16_t container, std::uint32_t store);
  ~Relations() override;
};
