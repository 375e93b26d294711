// Turns a cursor's criteria items into an expression tree and checks them.
//
// Precedence, from loosest to tightest: OR; AND; NOT (prefix); the comparisons (==, !=, <, <=, >,
// >=, MATCH, BEGIN, CONTAIN; one per operand pair, not chained); |; ^; &; + and -; *, / and %;
// then a field, a value or a parenthesised criterion. Binary operators of one level group from the
// left. Unlike C, the bitwise operators bind tighter than the comparisons, so "FLAGS & 4 == 4"
// tests a bit.
#pragma once

#include <cstdint>
#include <vector>

#include "store/QueryTerms.h"

namespace store {

// 0 and *out filled, or: SYNTAX for malformed criteria (unbalanced parentheses, an operator without
// its operands, a result that is not a condition, an unknown operator code), UNALLOWED_CONVERSION
// for a value of the wrong kind (text in arithmetic, a number matched as a pattern, text compared
// with the record ID), BAD_QUERY_SOURCE for a context set above 8, INVALID_TAG for tag 0,
// GED_MAXLVLNUM for a path deeper than a record can be, LARGE for more than 4,096 items. Empty
// criteria compile to an empty query that every record satisfies.
std::uint32_t CompileCriteria(const std::vector<CriteriaItem>& items, CompiledQuery* out);

}  // namespace store
