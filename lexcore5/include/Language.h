// The code and the names of a language: a copy of a language record (store 96, container 300).
// The record's NAME field holds the name; each of its children holds the name in one language,
// written as that language's two-letter code followed by the name ("nlEngels").
//
// Text results are new strings freed with SysFreeString, null when absent.
#pragma once

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API Language : public ArbRecord {
 public:
  Language(const Language& other) = default;
  Language& operator=(const Language& other) = default;
  // Copies the given record.
  Language& operator=(const ArbRecord& other);

  void Destroy() { delete this; }

  // LANGUAGE_CODE ("EN"; "xx" for the ILI).
  BSTR GetCode();
  // With a null code the value of the NAME field; otherwise the name in the language whose code is
  // given, letter case ignored (the first child of NAME whose first two characters equal the whole
  // code, without those two characters). A code of other than two characters never matches.
  BSTR GetName(const char* code);

 protected:
  friend class lexicon::Factory;

  Language() = default;
  ~Language() override;
};
