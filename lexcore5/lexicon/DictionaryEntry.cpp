#include "DictionaryEntry.h"

#include <memory>
#include <string_view>

#include "LexicalSchema.h"

namespace {

struct StringFreer {
  void operator()(OLECHAR* text) const { SysFreeString(text); }
};
using HeldString = std::unique_ptr<OLECHAR, StringFreer>;

std::u16string_view ViewOf(const HeldString& text) {
  return {text.get(), SysStringLen(text.get())};
}

}  // namespace

DictionaryEntry::~DictionaryEntry() = default;

BSTR DictionaryEntry::GetLiteral() {
  return FindGetBSTR(schema::LITERAL);
}

int DictionaryEntry::operator==(DictionaryEntry& other) {
  const HeldString mine(GetLiteral());
  const HeldString theirs(other.GetLiteral());
  if (!mine || !theirs) return !mine && !theirs ? 1 : 0;
  return ViewOf(mine) == ViewOf(theirs) ? 1 : 0;
}
