#include "lexicon/UsageLabel.h"

#include "LexicalSchema.h"
#include "lexicon/CurrentFieldGuard.h"

UsageLabel::~UsageLabel() = default;

std::uint16_t UsageLabel::GetID() {
  return FindGetWUWORD(schema::USAGE_LABEL);
}

BSTR UsageLabel::GetName() {
  return FindGetBSTR(schema::NAME);
}

BSTR UsageLabel::GetValueName(std::uint16_t value) {
  const lexicon::CurrentFieldGuard guard(*this);
  for (int found = FindField(schema::VALUE); found != 0;
       found = FindField(schema::VALUE, 1, eFromCurrent, eInNextSiblings)) {
    node* entry = GetCurrentField();
    std::uint16_t number = 0;
    // An entry whose number is missing or unreadable matches no value, 0 included.
    const bool matches = FindField(schema::USAGE_LABEL_VALUE, 1, eFromChild, eInForest) != 0 &&
                         Get(&number) != 0 && number == value;
    SetCurrentField(entry);
    if (matches) return FindGetBSTR(schema::VALUE_NAME, 1, eFromChild, eInForest);
  }
  return nullptr;
}
