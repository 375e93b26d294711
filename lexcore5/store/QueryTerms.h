// Criteria of a cursor as the caller appends them (fields, operators, values) and as the compiler
// turns them into an expression tree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace store {

// Operator codes of the criteria.
enum class QueryOp : std::uint16_t {
  kAnd = 18,
  kOr = 19,
  kNot = 20,
  kEqual = 21,
  kMatch = 22,
  kBegin = 23,
  kContain = 24,
  kNotEqual = 25,
  kLess = 26,
  kLessEqual = 27,
  kGreater = 28,
  kGreaterEqual = 29,
  kBitAnd = 30,
  kBitOr = 31,
  kBitXor = 32,
  kMultiply = 33,
  kDivide = 34,
  kRemainder = 35,
  kAdd = 36,
  kSubtract = 37,
  kOpenParen = 39,
  kCloseParen = 40,
};

// The pseudo-field that stands for a record's own ID.
constexpr std::uint16_t kRecordIdTag = 32171;
// Context sets: 0 is the cursor's own source, 1 to 8 joined sources.
constexpr std::uint16_t kMaxContextSets = 8;
// Deeper paths than a record can hold are refused when the criteria are validated.
constexpr std::size_t kMaxQueryPathDepth = 255;

// A field operand. A single tag matches that tag anywhere in the record; a path is anchored at the
// root (path[0] is the root's tag).
struct FieldOperand {
  std::vector<std::uint16_t> path;
  bool anchored = false;
  std::uint16_t contextSet = 0;
  bool IsRecordId() const { return !anchored && path.size() == 1 && path[0] == kRecordIdTag; }
};

struct QueryValue {
  bool isText = false;
  std::int64_t number = 0;
  std::string text;  // UTF-8
};

struct CriteriaItem {
  enum class Kind : std::uint8_t { kField, kOperator, kValue } kind;
  FieldOperand field;
  QueryOp op = QueryOp::kAnd;
  QueryValue value;
};

// Compiled criteria. Nodes refer to each other by index; the last node is the root.
struct QueryNode {
  enum class Kind : std::uint8_t { kField, kConstant, kUnary, kBinary } kind;
  QueryOp op = QueryOp::kAnd;
  int left = -1;
  int right = -1;
  FieldOperand field;
  QueryValue value;
  // A text constant's code points without and with regard to letter case, prepared once when the
  // criteria are compiled. Kept here, not in QueryValue, so that the criteria items a cursor
  // collects stay small.
  std::u32string folded[2];
};

struct CompiledQuery {
  std::vector<QueryNode> nodes;
  bool Empty() const { return nodes.empty(); }
  const QueryNode& Root() const { return nodes.back(); }
};

}  // namespace store
