// A collection of equivalence links (the collection protocol of Collection.h), as the concept
// operations that reach the inter-lingual index make it.
#pragma once

#include <cstdint>

#include "Collection.h"
#include "EqLink.h"
#include "LexcoreExport.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API EqLinks : public Collection<EqLink> {
 public:
  EqLinks(const EqLinks& other) = default;
  EqLinks& operator=(const EqLinks& other) = default;

 protected:
  friend class lexicon::Factory;

  EqLinks() = default;
  EqLinks(void* database, std::uint16_t container, std::uint32_t store);
  ~EqLinks() override;
};
