// The word forms of one language wordnet, each once however many variants (senses) carry it, in
// the order of the literal index (the language's collation). A filter narrows the listing to a
// range of forms or to the forms that match a pattern; GetEntry fetches one form.
//
// The cursor lists variant records; the dictionary hands out one entry per run of consecutive
// records with the same form, comparing forms exactly (letter case counts), so "Dog" and "dog" are
// two entries even under a case-insensitive filter. It remembers the last entry it handed out to
// tell a new form from a repeated one.
//
// Ownership: a Dictionary comes from LanguageWordNet::GetDictionary and is released with
// Destroy(). Every entry handed out is a new object owned by the caller (DictionaryEntry::
// Destroy) and stays valid after the dictionary is gone.
#pragma once

#include <cstdint>

#include "ArbCursor.h"
#include "DictionaryEntry.h"
#include "LexcoreExport.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API Dictionary : public ArbCursor {
 public:
  // A copy lists the same language afresh: same source and literal index, no filter, no walk
  // begun (cursor copies take neither criteria nor position, so a remembered entry would only hide
  // the first form from the copy's walk). ArbError when the store cursor cannot start.
  Dictionary(const Dictionary& other);
  Dictionary& operator=(const Dictionary& other);

  // The forms w with lower <= w < upper. A null or empty lower bound sets no lower limit; a null
  // upper bound no upper limit, while an empty one lists nothing. Wildcards are off; caseSensitive
  // 0 compares the bounds without regard to letter case.
  void SetFilter(const char* lower, const char* upper, int caseSensitive);
  // The forms that match `pattern` as a whole ("*" any run of characters, "?" one character);
  // caseSensitive as for the range.
  void SetFilter(const char* pattern, int caseSensitive);
  // Both filters start the walk afresh. Criteria the store refuses throw PLXException of kind
  // ePLXArborError with the store's code (CONV_ILLEGAL for text that is not UTF-8) and leave the
  // listing empty; ArbError when the store cursor cannot be restarted.

  // The first entry whose form equals `word` without regard to letter case, as a new entry owned
  // by the caller. The exact-match listing stays in force until the next filter, and the walk's
  // remembered form stays as it was. Throws PLXException of kind ePLXArborError: NOT_FOUND
  // (0xC006) when no variant carries the word, the store's code when it refuses the criterion or
  // fails to read; ePLXOutOfMemory.
  DictionaryEntry* GetEntry(const char* word);

  // The collection protocol with the repeat rule: each call that hands out an entry sets *entry to
  // a new object owned by the caller and returns 1; 0 hands out nothing and leaves *entry as it
  // was (end of the listing, store error, out of memory, or a null `entry`). Never throws.
  // GetFirst and GetLast hand out the form at either end, unless it is the form handed out last:
  // then they hand out nothing (called twice in a row, the second call returns 0; a filter starts
  // afresh). GetNext and GetPrevious hand out the next form, in their direction, that differs from
  // the last one handed out, skipping the other variants of that form; on a listing that has handed
  // out nothing yet they start at the first or last form. GetCurrent hands out the record at the
  // cursor's position and leaves the walk as it is.
  int GetFirst(DictionaryEntry** entry);
  int GetNext(DictionaryEntry** entry);
  int GetPrevious(DictionaryEntry** entry);
  int GetLast(DictionaryEntry** entry);
  int GetCurrent(DictionaryEntry** entry);

  // The number of variant records that match the filter: a form counts once per variant that
  // carries it. ArbError on a store failure.
  std::int32_t GetCount();

  // Releases the dictionary; entries already handed out stay valid.
  void Destroy() { delete this; }

 protected:
  friend class lexicon::Factory;

  // A dictionary of the variants in (database, container, store), listed through the literal
  // index. ArbError when the store cursor cannot start or the store has no literal index over
  // that container.
  Dictionary(void* database, std::uint16_t container, std::uint32_t store);
  // Releases the remembered entry, then the cursor.
  ~Dictionary() override;

 private:
  using Read = int (ArbCursor::*)(ArbRecord&);

  void UseLiteralIndex();
  // Empties the criteria and forgets the walk.
  void Restart();
  // Reads with `step` while the record repeats the remembered form; hands out the first record
  // with another form and remembers it.
  int HandOutNewForm(Read step, DictionaryEntry** entry);
  // Reads the record at one end; hands it out and remembers it unless it repeats the remembered
  // form.
  int HandOutEnd(Read read, DictionaryEntry** entry);

  DictionaryEntry remembered_;
};
