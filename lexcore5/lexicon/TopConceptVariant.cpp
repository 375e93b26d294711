#include "TopConceptVariant.h"

#include "LexicalSchema.h"

TopConceptVariant::~TopConceptVariant() = default;

BSTR TopConceptVariant::GetLiteral() {
  return FindGetBSTR(schema::LITERAL);
}

std::int16_t TopConceptVariant::GetSense() {
  return FindGetWSWORD(schema::SENSE);
}

BSTR TopConceptVariant::GetStatus() {
  return FindGetBSTR(schema::STATUS);
}
