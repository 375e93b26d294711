// The examples of one variant as a list of texts: a copy of the variant's EXAMPLES field with its
// EXAMPLE children (or an empty EXAMPLES tree). Changes stay in this copy; nothing is stored.
//
// The list keeps a position: its current field, which starts at the EXAMPLES root (so GetNext and
// GetPrevious before any GetFirst or GetLast hand out nothing). Each Get... hands out a new string
// that the caller frees with SysFreeString: 1 with *text set, or 0 with *text left as it was (the
// position then stays too). Positions are 1-based; an index VARIANT is of type VT_I2 or VT_I4 and
// its low 16 bits, read unsigned, are the position, with 0 standing for the first.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"
#include "Variant.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API Examples : public ArbRecord {
 public:
  Examples(const Examples& other) = default;
  Examples& operator=(const Examples& other) = default;
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  // Appends an example with that text as the last one. Null or empty text adds nothing. Text the
  // record cannot hold (not valid UTF-8, too long) adds nothing and throws PLXException (kind
  // ARBOR, the record's code).
  void Add(const char* text);
  // Deletes the example at that position. Throws PLXException: ePLXUndefined for an index of
  // another type, kind ARBOR with NOT_FOUND when there is no example there.
  void Remove(const VARIANT& index);
  // The text of the example at that position as a new string; null when there is none. Throws
  // PLXException ePLXUndefined for an index of another type.
  BSTR GetItem(const VARIANT& index);
  // The number of examples.
  std::int32_t GetCount();

  int GetFirst(BSTR* text);
  int GetNext(BSTR* text);
  int GetPrevious(BSTR* text);
  int GetLast(BSTR* text);
  // The current example's text; 0 when the position is not on an example.
  int GetCurrent(BSTR* text);

 protected:
  friend class lexicon::Factory;

  // An empty EXAMPLES tree.
  Examples();
  // A copy of `group`, a variant's EXAMPLES field, with its children.
  explicit Examples(node* group);
  ~Examples() override;

 private:
  // Makes the field `found` says (1) current and hands out its text.
  int HandOut(int found, BSTR* text);
};
