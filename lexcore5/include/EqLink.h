// One equivalence link: a copy of a link record (container 204 of a language store) that ties the
// concept named by CONCEPT to the ILI record named by TARGET_ILI through EQ_RELATION. Its fields
// are read through ArbRecord.
#pragma once

#include "ArbRecord.h"
#include "LexcoreExport.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API EqLink : public ArbRecord {
 public:
  EqLink(const EqLink& other) = default;
  EqLink& operator=(const EqLink& other) = default;
  using ArbRecord::operator=;

  void Destroy() { delete this; }

 protected:
  friend class lexicon::Factory;

  EqLink() = default;
  ~EqLink() override;
};
