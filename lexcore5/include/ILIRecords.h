// A collection of ILI records (the collection protocol of Collection.h) over store 98, container
// 32001: all of them (Polylex::GetILIRecords) or those a concept links to
// (Concept::GetILIRecords).
#pragma once

#include "Collection.h"
#include "ILIRecord.h"
#include "LexcoreExport.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API ILIRecords : public Collection<ILIRecord> {
 public:
  ILIRecords(const ILIRecords& other) = default;
  ILIRecords& operator=(const ILIRecords& other) = default;

 protected:
  friend class lexicon::Factory;

  ILIRecords() = default;
  // Over the ILI records of `database`; throws ArbError if the cursor cannot start.
  explicit ILIRecords(void* database);
  ~ILIRecords() override;
};
