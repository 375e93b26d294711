#include "Examples.h"

#include <limits>

#include "ArbCodes.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "lexicon/SourceUnit.h"

namespace {

constexpr std::uint16_t kPoolBlockSize = 256;

// The occurrence an index VARIANT names: 1 for position 0 or 1, or 0 for a position that no
// occurrence can reach (a negative number read through its low 16 bits lands there too).
std::int16_t OccurrenceOf(const VARIANT& index) {
  std::uint16_t position = 0;
  if (index.vt == VT_I2) {
    position = static_cast<std::uint16_t>(index.iVal);
  } else if (index.vt == VT_I4) {
    position = static_cast<std::uint16_t>(index.lVal & 0xFFFF);
  } else {
    throw PLXException(ePLXUndefined, lexicon::kConceptSource, __LINE__);
  }
  if (position == 0) return 1;
  if (position > std::numeric_limits<std::int16_t>::max()) return 0;
  return static_cast<std::int16_t>(position);
}

}  // namespace

Examples::Examples() : ArbRecord(schema::EXAMPLES, kPoolBlockSize) {}

Examples::Examples(node* group) : ArbRecord(group, kPoolBlockSize) {}

Examples::~Examples() = default;

void Examples::Add(const char* text) {
  if (text == nullptr || text[0] == '\0') return;
  if (AddField(schema::EXAMPLE, kLast, eFromRoot, eGraftChild) == 0) {
    throw PLXException(static_cast<std::uint32_t>(GetLastError()), lexicon::kConceptSource,
                       __LINE__);
  }
  if (Put(text) == 0) {
    // Keep no empty example behind for text the field refused.
    const std::uint32_t code = GetLastError();
    DeleteField(0);
    throw PLXException(code, lexicon::kConceptSource, __LINE__);
  }
}

void Examples::Remove(const VARIANT& index) {
  const std::int16_t occurrence = OccurrenceOf(index);
  if (occurrence == 0 || DeleteField(schema::EXAMPLE, occurrence) == 0) {
    throw PLXException(arbcode::NOT_FOUND, lexicon::kConceptSource, __LINE__);
  }
}

BSTR Examples::GetItem(const VARIANT& index) {
  const std::int16_t occurrence = OccurrenceOf(index);
  if (occurrence == 0) return nullptr;
  return FindGetBSTR(schema::EXAMPLE, occurrence);
}

std::int32_t Examples::GetCount() {
  return GetFieldCount(schema::EXAMPLE);
}

int Examples::HandOut(int found, BSTR* text) {
  if (found == 0 || text == nullptr) return 0;
  BSTR read = nullptr;
  if (Get(&read) == 0) return 0;
  *text = read;
  return 1;
}

int Examples::GetFirst(BSTR* text) {
  return HandOut(FindField(schema::EXAMPLE), text);
}

int Examples::GetNext(BSTR* text) {
  return HandOut(FindField(schema::EXAMPLE, 1, eFromCurrent, eInNextSiblings), text);
}

int Examples::GetPrevious(BSTR* text) {
  return HandOut(FindField(schema::EXAMPLE, 1, eFromCurrent, eInPreviousSiblings), text);
}

int Examples::GetLast(BSTR* text) {
  const std::uint16_t count = GetFieldCount(schema::EXAMPLE);
  if (count == 0 || count > std::numeric_limits<std::int16_t>::max()) return 0;
  return HandOut(FindField(schema::EXAMPLE, static_cast<std::int16_t>(count)), text);
}

int Examples::GetCurrent(BSTR* text) {
  return HandOut(GetTag() == schema::EXAMPLE ? 1 : 0, text);
}
