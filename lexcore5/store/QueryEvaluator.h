// Decides whether records satisfy compiled criteria.
#pragma once

#include <cstdint>
#include <vector>

#include "Node.h"
#include "store/QueryTerms.h"

namespace store {

class Collator;

// The record each context set stands for in one evaluation (null: none, so its fields have no
// values and comparisons with them fail).
struct QueryRecords {
  const node* roots[kMaxContextSets + 1] = {};
  std::uint32_t ids[kMaxContextSets + 1] = {};
};

struct QuerySettings {
  bool caseSensitive = false;
  bool wildcards = true;
  // Orders text for <, <=, > and >=; without one, text orders by code point.
  const Collator* collator = nullptr;
};

// A field operand stands for every occurrence of its field, and a comparison holds when any
// combination of its operands' values satisfies it. Numbers compare as numbers and record
// pointers as record IDs; a text never equals a number. Division by zero gives no value.
bool EvaluateQuery(const CompiledQuery& query, const QueryRecords& records,
                   const QuerySettings& settings);
// Whether the records satisfy the part of the criteria rooted at node `index`.
bool EvaluateQueryNode(const CompiledQuery& query, int index, const QueryRecords& records,
                       const QuerySettings& settings);

// The values of a field operand in the record `root` that can name a record (numbers and record
// pointers from 1 up), in field order.
void OperandRecordIds(const FieldOperand& field, const node* root, std::vector<std::uint32_t>* ids);

}  // namespace store
