// One word form of a language's dictionary: a copy of a concept variant record read through the
// literal index, whose LITERAL field holds the form.
//
// Entries come from a Dictionary; the caller owns each one and releases it with Destroy().
#pragma once

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

class Dictionary;
namespace lexicon {
class Factory;
}

class LEXCORE_API DictionaryEntry : public ArbRecord {
 public:
  DictionaryEntry(const DictionaryEntry& other) = default;
  DictionaryEntry& operator=(const DictionaryEntry& other) = default;
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  // The LITERAL text as a new string freed with SysFreeString; null when the record has none.
  BSTR GetLiteral();

  // What a word form leads to: always its concepts, never domains, ILI records or top concepts.
  int HasConcepts() const { return 1; }
  int HasDomains() const { return 0; }
  int HasILIRecords() const { return 0; }
  int HasTopConcepts() const { return 0; }

  // 1 when both entries lack a LITERAL, or both hold one with the same UTF-16 code units (letter
  // case and accents count); 0 otherwise. operator!= is its negation.
  int operator==(DictionaryEntry& other);
  int operator!=(DictionaryEntry& other) { return *this == other ? 0 : 1; }

 protected:
  friend class lexicon::Factory;
  // A dictionary keeps the last entry it handed out by value.
  friend class Dictionary;

  DictionaryEntry() = default;
  ~DictionaryEntry() override;
};
