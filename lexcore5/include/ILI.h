// A cursor class of the inter-lingual index that adds nothing to ArbCursor. The library makes no
// ILI object; the class stays for callers that name it.
#pragma once

#include "ArbCursor.h"
#include "LexcoreExport.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API ILI : public ArbCursor {
 public:
  // Copies take the source only (as ArbCursor).
  ILI(const ILI& other) = default;
  ILI& operator=(const ILI& other) = default;

  void Destroy() { delete this; }

 protected:
  friend class lexicon::Factory;

  ILI() = default;
  ~ILI() override;
};
