// A collection of ILI variants (the collection protocol of Collection.h): the words of one ILI
// record, as a language wordnet's ILI variant look-up makes it.
#pragma once

#include <cstdint>

#include "Collection.h"
#include "ILIVariant.h"
#include "LexcoreExport.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API ILIVariants : public Collection<ILIVariant> {
 public:
  ILIVariants(const ILIVariants& other) = default;
  ILIVariants& operator=(const ILIVariants& other) = default;

 protected:
  friend class lexicon::Factory;

  ILIVariants() = default;
  ILIVariants(void* database, std::uint16_t container, std::uint32_t store);
  ~ILIVariants() override;
};
