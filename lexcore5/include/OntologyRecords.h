// A cursor over ontology records, for builders of the ontology: it only binds a source; reading,
// criteria and changes are those of ArbCursor. Nothing in the library creates one.
#pragma once

#include <cstdint>

#include "ArbCursor.h"
#include "LexcoreExport.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API OntologyRecords : public ArbCursor {
 public:
  // Copies take the source only (as ArbCursor).
  OntologyRecords(const OntologyRecords& other) = default;
  OntologyRecords& operator=(const OntologyRecords& other) = default;

  void Destroy() { delete this; }

 protected:
  friend class lexicon::Factory;

  // Over (database, container, store); throws ArbError if the cursor cannot start.
  OntologyRecords(void* database, std::uint16_t container, std::uint32_t store);
  ~OntologyRecords() override;
};
