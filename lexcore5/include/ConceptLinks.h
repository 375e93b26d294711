// A collection of internal links (the collection protocol of Collection.h), as
// Concept::GetConceptLinks makes it.
#pragma once

#include <cstdint>

#include "Collection.h"
#include "ConceptLink.h"
#include "LexcoreExport.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API ConceptLinks : public Collection<ConceptLink> {
 public:
  ConceptLinks(const ConceptLinks& other) = default;
  ConceptLinks& operator=(const ConceptLinks& other) = default;

 protected:
  friend class lexicon::Factory;

  ConceptLinks() = default;
  ConceptLinks(void* database, std::uint16_t container, std::uint32_t store);
  ~ConceptLinks() override;
};
