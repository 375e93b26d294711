// One relation definition: a copy of its record (store 96, container 32001), whose record ID is the
// relation's ID and whose NAME is its display name.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API Relation : public ArbRecord {
 public:
  Relation(const Relation& other) = default;
  Relation& operator=(const Relation& other) = default;
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  std::int16_t GetRelationID() { return static_cast<std::int16_t>(GetID()); }
  // NAME as a new string freed with SysFreeString; null when absent.
  BSTR GetName();

 protected:
  friend class lexicon::Factory;

  Relation() = default;
  ~Relation() override;
};
