// One word of an ILI record: a copy of an ILI variant record (root ILI_VARIANT, container 32001 of
// store 99 or of a language store), with TARGET_ILI naming its ILI record.
//
// Text results are new strings freed with SysFreeString, null when the field is absent.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API ILIVariant : public ArbRecord {
 public:
  ILIVariant(const ILIVariant& other) = default;
  ILIVariant& operator=(const ILIVariant& other) = default;
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  BSTR GetLiteral();
  // SENSE; 0 when absent.
  std::int16_t GetSense();
  BSTR GetStatus();

 protected:
  friend class lexicon::Factory;

  ILIVariant() = default;
  ~ILIVariant() override;
};
