// The language wordnets of a database: a cursor over the language records (store 96, container
// 300) that hands out each as a new LanguageWordNet (the collection protocol of Collection.h:
// owned by the caller, released with Destroy(), null out-parameter when nothing is handed out).
#pragma once

#include <cstdint>

#include "ArbCursor.h"
#include "LanguageWordNet.h"
#include "LexcoreExport.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API LanguageWordNets : public ArbCursor {
 public:
  LanguageWordNets(const LanguageWordNets& other) = default;
  LanguageWordNets& operator=(const LanguageWordNets& other) = default;

  int GetFirst(LanguageWordNet** item);
  int GetNext(LanguageWordNet** item);
  int GetPrevious(LanguageWordNet** item);
  int GetLast(LanguageWordNet** item);
  int GetCurrent(LanguageWordNet** item);
  // The number of language records the cursor matches; a store failure throws ArbError.
  std::int16_t GetCount();
  // The language wordnet whose language record has this record ID (not a position), bound to its
  // concepts (container 200 of its store). A failed retrieval throws PLXException (kind ARBOR).
  LanguageWordNet* GetItem(std::uint32_t recordID);
  // The language wordnet with this LANGUAGE_CODE (letter case ignored), bound to its concepts. The
  // code stays the cursor's criterion, so a later walk lists that language only. No such language
  // or criteria the store refuses throw PLXException (kind ARBOR, the cursor's code); a record
  // without STORE_ID throws PLXException (kind ARBOR, 0xC083).
  LanguageWordNet* GetItem(const char* code);

  void Destroy() { delete this; }

 protected:
  friend class lexicon::Factory;

  LanguageWordNets() = default;
  explicit LanguageWordNets(void* database);
  ~LanguageWordNets() override;

 private:
  int HandOut(int (ArbCursor::*read)(ArbRecord&), LanguageWordNet** item);
  LanguageWordNet* Bound(ArbRecord& record, std::uint32_t store);
};
