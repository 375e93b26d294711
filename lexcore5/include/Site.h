// The site record of a database (record 61 of store 0, container 32001): the name of the site that
// built it and that site's language.
//
// Text results are new strings freed with SysFreeString, null when the field is absent.
#pragma once

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API Site : public ArbRecord {
 public:
  Site(const Site& other) = default;
  Site& operator=(const Site& other) = default;
  // Copies the given record.
  Site& operator=(const ArbRecord& other);

  void Destroy() { delete this; }

  BSTR GetName();
  BSTR GetLanguageCode();

 protected:
  friend class lexicon::Factory;

  Site() = default;
  // A bare site root bound to (database, container 32001, store 0).
  explicit Site(void* database);
  ~Site() override;
};
