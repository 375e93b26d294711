// A feature definition: a copy of its record (store 96 container 370 for IDs of 1 or more, the
// language store's container 213 otherwise). The root holds the feature's ID and NAME names it; a
// VALUE entry with a FEATURE_VALUE child says that the feature takes a text value.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "SysString.h"

namespace lexicon {
class Factory;
}

class VariantFeature : public ArbRecord {
 public:
  VariantFeature(const VariantFeature& other) = default;
  VariantFeature& operator=(const VariantFeature& other) = default;
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  // FEATURE read as unsigned 16-bit; 0 when absent.
  std::uint16_t GetID();
  // NAME as a new string; null when absent.
  BSTR GetName();
  // 1 when the feature takes a value, else 0.
  int TakesValue();

 protected:
  friend class lexicon::Factory;

  VariantFeature() = default;
  ~VariantFeature() override;
};
