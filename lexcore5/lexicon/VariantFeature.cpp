#include "lexicon/VariantFeature.h"

#include "LexicalSchema.h"
#include "lexicon/CurrentFieldGuard.h"

VariantFeature::~VariantFeature() = default;

std::uint16_t VariantFeature::GetID() {
  return FindGetWUWORD(schema::FEATURE);
}

BSTR VariantFeature::GetName() {
  return FindGetBSTR(schema::NAME);
}

int VariantFeature::TakesValue() {
  const lexicon::CurrentFieldGuard guard(*this);
  for (int found = FindField(schema::VALUE); found != 0;
       found = FindField(schema::VALUE, 1, eFromCurrent, eInNextSiblings)) {
    if (GetFieldCount(schema::FEATURE_VALUE, eFromCurrent, eInTree) != 0) return 1;
  }
  return 0;
}
