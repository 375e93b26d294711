// A usage label definition: a copy of its record (store 96 container 360 for IDs of 1 or more, the
// language store's container 212 otherwise). The root holds the label's ID; NAME names it, and one
// VALUE entry per admissible value pairs a value number with its name.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "SysString.h"

namespace lexicon {
class Factory;
}

class UsageLabel : public ArbRecord {
 public:
  UsageLabel(const UsageLabel& other) = default;
  UsageLabel& operator=(const UsageLabel& other) = default;
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  // USAGE_LABEL read as unsigned 16-bit; 0 when absent.
  std::uint16_t GetID();
  // NAME as a new string; null when absent.
  BSTR GetName();
  // The VALUE_NAME of the VALUE entry whose USAGE_LABEL_VALUE is `value`, as a new string; null
  // when no entry has that number.
  BSTR GetValueName(std::uint16_t value);

 protected:
  friend class lexicon::Factory;

  UsageLabel() = default;
  ~UsageLabel() override;
};
