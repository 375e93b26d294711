#include "Language.h"

#include <cctype>
#include <cstring>

#include "LexicalSchema.h"

Language::~Language() = default;

Language& Language::operator=(const ArbRecord& other) {
  ArbRecord::operator=(other);
  return *this;
}

BSTR Language::GetCode() {
  return FindGetBSTR(schema::LANGUAGE_CODE);
}

namespace {

// Whether the name starts with the two-letter code, letter case ignored.
bool NamedIn(const char16_t* name, const char* code) {
  for (int i = 0; i < 2; ++i) {
    if (name[i] == 0 || name[i] > 0x7F ||
        std::tolower(static_cast<unsigned char>(name[i])) !=
            std::tolower(static_cast<unsigned char>(code[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

BSTR Language::GetName(const char* code) {
  if (code == nullptr) return FindGetBSTR(schema::NAME);
  node* const saved = GetCurrentField();
  BSTR found = nullptr;
  if (std::strlen(code) == 2 && FindField(schema::NAME) != 0 && GotoChild() != 0) {
    do {
      BSTR name = nullptr;
      if (Get(&name) != 0 && name != nullptr && NamedIn(name, code)) {
        found = SysAllocString(name + 2);
      }
      SysFreeString(name);
    } while (found == nullptr && GotoNext() != 0);
  }
  SetCurrentField(saved);
  return found;
}
