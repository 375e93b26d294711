// A collection of top concept variants (the collection protocol of Collection.h): the words naming
// one top concept in one language, as TopConcept::GetTopConceptVariants and
// LanguageWordNet::GetTopConceptVariants make it.
#pragma once

#include <cstdint>

#include "Collection.h"
#include "LexcoreExport.h"
#include "TopConceptVariant.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API TopConceptVariants : public Collection<TopConceptVariant> {
 public:
  TopConceptVariants(const TopConceptVariants& other) = default;
  TopConceptVariants& operator=(const TopConceptVariants& other) = default;

 protected:
  friend class lexicon::Factory;

  TopConceptVariants() = default;
  // Over (database, container, store) without criteria; throws ArbError if the cursor cannot
  // start. lexicon::SelectTopConceptVariants gives it its order and criterion.
  TopConceptVariants(void* database, std::uint16_t container, std::uint32_t store);
  ~TopConceptVariants() override;
};
