// Every top concept of a database (store 98, container 310), in record ID order: the collection
// that Polylex::GetTopConcepts hands out. The walk follows the cursor: GetNext before any other
// call yields the first top concept, GetPrevious the last; past either end the cursor stays on the
// record it stood on (Collection.h).
#pragma once

#include <cstdint>

#include "Collection.h"
#include "LexcoreExport.h"
#include "TopConcept.h"
#include "TopConcepts.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API CursorTopConcepts : public Collection<TopConcept>, public TopConcepts {
 public:
  // Copies take the cursor's source only, not its position.
  CursorTopConcepts(const CursorTopConcepts& other) = default;
  CursorTopConcepts& operator=(const CursorTopConcepts& other) = default;

  void Destroy() override;
  // The cursor's record count cut to 16 bits; a store failure throws ArbError.
  std::int16_t GetCount() override;
  // The collection protocol of Collection.h; never throw.
  int GetFirst(TopConcept** topConcept) override;
  int GetNext(TopConcept** topConcept) override;
  int GetPrevious(TopConcept** topConcept) override;
  int GetLast(TopConcept** topConcept) override;
  int GetCurrent(TopConcept** topConcept) override;

 protected:
  friend class lexicon::Factory;

  CursorTopConcepts() = default;
  // Over the top concepts of `database`, without criteria; throws ArbError if the cursor cannot
  // start.
  explicit CursorTopConcepts(void* database);
  ~CursorTopConcepts() override;
};
