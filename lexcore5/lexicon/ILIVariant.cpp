#include "ILIVariant.h"

#include "LexicalSchema.h"

ILIVariant::~ILIVariant() = default;

BSTR ILIVariant::GetLiteral() {
  return FindGetBSTR(schema::LITERAL);
}

std::int16_t ILIVariant::GetSense() {
  return FindGetWSWORD(schema::SENSE);
}

BSTR ILIVariant::GetStatus() {
  return FindGetBSTR(schema::STATUS);
}
