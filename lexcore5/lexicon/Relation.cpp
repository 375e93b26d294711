#include "Relation.h"

#include "LexicalSchema.h"

Relation::~Relation() = default;

BSTR Relation::GetName() {
  return FindGetBSTR(schema::NAME);
}
