#include "store/QueryEvaluator.h"

#include <array>
#include <cstddef>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

#include "store/Collation.h"
#include "store/FieldValue.h"
#include "store/TextMatch.h"

namespace store {
namespace {

// Arithmetic over repeated fields multiplies the candidates; beyond this many the rest are dropped.
constexpr std::size_t kMaxOperandValues = 4096;

struct Operand {
  bool isText = false;
  std::int64_t number = 0;
  std::string_view text;
  // Set for a constant: its folded forms, prepared when the criteria were compiled.
  const std::u32string* folded = nullptr;
};

using Operands = std::pmr::vector<Operand>;

bool ReadValue(const node* field, Operand* out) {
  switch (field->FieldKind()) {
    case kFieldText:
      out->isText = true;
      return GetUtf8(field, &out->text) == 0;
    case kFieldNumber: {
      std::int32_t value;
      if (GetInt32(field, &value) == 0) {
        out->number = value;
        return true;
      }
      std::uint32_t unsignedValue;
      if (GetUInt32(field, &unsignedValue) != 0) return false;
      out->number = unsignedValue;
      return true;
    }
    case kFieldContext: {
      std::uint32_t recordId;
      if (GetRecordPointer(field, &recordId) != 0) return false;
      out->number = recordId;
      return true;
    }
    default:
      return false;
  }
}

void CollectAnywhere(const node* root, std::uint16_t tag, Operands* out) {
  for (const node* field = root; field != nullptr; field = field->next) {
    if (field != root && field->level == 0) break;
    Operand value;
    if (field->tag == tag && ReadValue(field, &value)) out->push_back(value);
  }
}

// Follows the path from the root down, every matching child at each step.
void CollectPath(const node* field, const std::vector<std::uint16_t>& path, std::size_t depth,
                 Operands* out) {
  if (field->tag != path[depth]) return;
  if (depth + 1 == path.size()) {
    Operand value;
    if (ReadValue(field, &value)) out->push_back(value);
    return;
  }
  for (const node* child = field->next; child != nullptr && child->level > field->level;
       child = child->next) {
    if (child->level == field->level + 1) CollectPath(child, path, depth + 1, out);
  }
}

void CollectField(const FieldOperand& field, const node* root, Operands* out) {
  if (field.anchored) {
    CollectPath(root, field.path, 0, out);
  } else {
    CollectAnywhere(root, field.path[0], out);
  }
}

class Evaluator {
 public:
  Evaluator(const CompiledQuery& query, const QueryRecords& records, const QuerySettings& settings)
      : query_(query), records_(records), settings_(settings) {}
  Evaluator(const Evaluator&) = delete;
  Evaluator& operator=(const Evaluator&) = delete;

  bool Holds(int index) {
    const QueryNode& node = query_.nodes[static_cast<std::size_t>(index)];
    if (node.kind == QueryNode::Kind::kUnary) return !Holds(node.left);
    switch (node.op) {
      case QueryOp::kAnd:
        return Holds(node.left) && Holds(node.right);
      case QueryOp::kOr:
        return Holds(node.left) || Holds(node.right);
      default:
        break;
    }
    const Operands left = Values(node.left);
    if (left.empty()) return false;
    const Operands right = Values(node.right);
    for (const Operand& a : left) {
      for (const Operand& b : right) {
        if (Compare(node.op, a, b)) return true;
      }
    }
    return false;
  }

 private:
  Operands Values(int index) {
    const QueryNode& node = query_.nodes[static_cast<std::size_t>(index)];
    Operands out(&arena_);
    switch (node.kind) {
      case QueryNode::Kind::kConstant:
        out.push_back(node.value.isText ? Operand{true, 0, node.value.text, node.folded}
                                        : Operand{false, node.value.number, {}, node.folded});
        break;
      case QueryNode::Kind::kField:
        FieldValues(node.field, &out);
        break;
      case QueryNode::Kind::kBinary:
        Arithmetic(node, &out);
        break;
      case QueryNode::Kind::kUnary:
        break;
    }
    return out;
  }

  void FieldValues(const FieldOperand& field, Operands* out) const {
    const node* root = records_.roots[field.contextSet];
    if (root == nullptr) return;
    if (field.IsRecordId()) {
      out->push_back({false, records_.ids[field.contextSet], {}});
    } else {
      CollectField(field, root, out);
    }
  }

  void Arithmetic(const QueryNode& node, Operands* out) {
    const Operands left = Values(node.left);
    const Operands right = Values(node.right);
    for (const Operand& a : left) {
      for (const Operand& b : right) {
        if (out->size() >= kMaxOperandValues) return;
        std::int64_t result;
        if (!a.isText && !b.isText && Compute(node.op, a.number, b.number, &result)) {
          out->push_back({false, result, {}});
        }
      }
    }
  }

  static bool Compute(QueryOp op, std::int64_t a, std::int64_t b, std::int64_t* out) {
    // Operands come from 32-bit fields, so sums and products of two fit in 64 bits; wrap-around
    // beyond that is done in unsigned arithmetic to stay defined.
    const auto ua = static_cast<std::uint64_t>(a);
    const auto ub = static_cast<std::uint64_t>(b);
    switch (op) {
      case QueryOp::kAdd:
        *out = static_cast<std::int64_t>(ua + ub);
        return true;
      case QueryOp::kSubtract:
        *out = static_cast<std::int64_t>(ua - ub);
        return true;
      case QueryOp::kMultiply:
        *out = static_cast<std::int64_t>(ua * ub);
        return true;
      case QueryOp::kDivide:
      case QueryOp::kRemainder:
        if (b == 0 || (b == -1 && a == INT64_MIN)) return false;
        *out = op == QueryOp::kDivide ? a / b : a % b;
        return true;
      case QueryOp::kBitAnd:
        *out = a & b;
        return true;
      case QueryOp::kBitOr:
        *out = a | b;
        return true;
      case QueryOp::kBitXor:
        *out = a ^ b;
        return true;
      default:
        return false;
    }
  }

  bool Compare(QueryOp op, const Operand& a, const Operand& b) const {
    if (a.isText != b.isText) return op == QueryOp::kNotEqual;
    if (!a.isText) return CompareNumbers(op, a.number, b.number);
    return CompareTexts(op, a, b);
  }

  static bool CompareNumbers(QueryOp op, std::int64_t a, std::int64_t b) {
    switch (op) {
      case QueryOp::kEqual:
        return a == b;
      case QueryOp::kNotEqual:
        return a != b;
      case QueryOp::kLess:
        return a < b;
      case QueryOp::kLessEqual:
        return a <= b;
      case QueryOp::kGreater:
        return a > b;
      case QueryOp::kGreaterEqual:
        return a >= b;
      default:
        return false;
    }
  }

  bool CompareTexts(QueryOp op, const Operand& a, const Operand& b) const {
    const bool sensitive = settings_.caseSensitive;
    switch (op) {
      case QueryOp::kEqual:
      case QueryOp::kNotEqual:
      case QueryOp::kMatch:
      case QueryOp::kBegin:
      case QueryOp::kContain: {
        // Records are compared by the thousand; their text is folded into reused buffers.
        thread_local std::u32string text;
        thread_local std::u32string pattern;
        FoldInto(a.text, sensitive, &text);
        const std::u32string* folded = &pattern;
        if (b.folded != nullptr) {
          folded = &b.folded[sensitive ? 1 : 0];
        } else {
          FoldInto(b.text, sensitive, &pattern);
        }
        const bool matched = Matches(op, text, *folded);
        return op == QueryOp::kNotEqual ? !matched : matched;
      }
      default:
        return Ordered(op, Order(a.text, b.text));
    }
  }

  bool Matches(QueryOp op, const std::u32string& text, const std::u32string& pattern) const {
    const bool wild = settings_.wildcards && HasWildcard(pattern);
    switch (op) {
      case QueryOp::kBegin:
        if (!wild) return text.compare(0, pattern.size(), pattern) == 0;
        return WildcardMatch(pattern + U"*", text);
      case QueryOp::kContain:
        if (!wild) return text.find(pattern) != std::u32string::npos;
        return WildcardMatch(U"*" + pattern + U"*", text);
      default:
        return wild ? WildcardMatch(pattern, text) : text == pattern;
    }
  }

  int Order(std::string_view a, std::string_view b) const {
    if (settings_.collator != nullptr) {
      return settings_.collator->Compare(a, b, settings_.caseSensitive);
    }
    const std::u32string x = FoldedText(a, settings_.caseSensitive);
    const std::u32string y = FoldedText(b, settings_.caseSensitive);
    return x < y ? -1 : (x == y ? 0 : 1);
  }

  static bool Ordered(QueryOp op, int order) { return CompareNumbers(op, order, 0); }

  const CompiledQuery& query_;
  const QueryRecords& records_;
  const QuerySettings& settings_;
  // Every candidate record is weighed by a fresh evaluator: the operand lists of one evaluation
  // live on its stack, not in the heap, unless repeated fields make them long.
  std::array<std::byte, 2048> buffer_;
  std::pmr::monotonic_buffer_resource arena_{buffer_.data(), buffer_.size()};
};

}  // namespace

bool EvaluateQuery(const CompiledQuery& query, const QueryRecords& records,
                   const QuerySettings& settings) {
  return query.Empty() ||
         EvaluateQueryNode(query, static_cast<int>(query.nodes.size() - 1), records, settings);
}

bool EvaluateQueryNode(const CompiledQuery& query, int index, const QueryRecords& records,
                       const QuerySettings& settings) {
  return Evaluator(query, records, settings).Holds(index);
}

void OperandRecordIds(const FieldOperand& field, const node* root,
                      std::vector<std::uint32_t>* ids) {
  ids->clear();
  if (root == nullptr || field.IsRecordId()) return;
  Operands values;
  CollectField(field, root, &values);
  for (const Operand& value : values) {
    if (!value.isText && value.number > 0 && value.number <= 0xFFFFFFFF) {
      ids->push_back(static_cast<std::uint32_t>(value.number));
    }
  }
}

}  // namespace store
