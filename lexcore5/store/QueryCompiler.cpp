#include "store/QueryCompiler.h"

#include "ArbCodes.h"
#include "store/TextMatch.h"

namespace store {
namespace {

enum class Shape : std::uint8_t { kCondition, kNumber, kText, kField };

struct Parsed {
  int index;
  Shape shape;
};

bool IsComparison(QueryOp op) {
  switch (op) {
    case QueryOp::kEqual:
    case QueryOp::kNotEqual:
    case QueryOp::kLess:
    case QueryOp::kLessEqual:
    case QueryOp::kGreater:
    case QueryOp::kGreaterEqual:
    case QueryOp::kMatch:
    case QueryOp::kBegin:
    case QueryOp::kContain:
      return true;
    default:
      return false;
  }
}

bool IsPatternOp(QueryOp op) {
  return op == QueryOp::kMatch || op == QueryOp::kBegin || op == QueryOp::kContain;
}

bool IsKnownOp(std::uint16_t code) {
  return (code >= 18 && code <= 37) || code == 39 || code == 40;
}

// Binary levels from loosest (0) to tightest; comparisons are handled on their own.
int LevelOf(QueryOp op) {
  switch (op) {
    case QueryOp::kOr:
      return 0;
    case QueryOp::kAnd:
      return 1;
    case QueryOp::kBitOr:
      return 2;
    case QueryOp::kBitXor:
      return 3;
    case QueryOp::kBitAnd:
      return 4;
    case QueryOp::kAdd:
    case QueryOp::kSubtract:
      return 5;
    case QueryOp::kMultiply:
    case QueryOp::kDivide:
    case QueryOp::kRemainder:
      return 6;
    default:
      return -1;
  }
}

class Compiler {
 public:
  Compiler(const std::vector<CriteriaItem>& items, CompiledQuery* out) : items_(items), out_(out) {}

  std::uint32_t Run() {
    out_->nodes.clear();
    if (items_.empty()) return arbcode::SUCCESS;
    // Every item gives at most one node, and nodes are too large to move around as the list grows.
    out_->nodes.reserve(items_.size());
    Parsed root{};
    if (!Condition(0, &root)) return Fail();
    if (pos_ != items_.size() || root.shape != Shape::kCondition) return Fail(arbcode::SYNTAX);
    return arbcode::SUCCESS;
  }

 private:
  std::uint32_t Fail(std::uint32_t code = 0) {
    if (code != 0 && code_ == 0) code_ = code;
    out_->nodes.clear();
    return code_ != 0 ? code_ : arbcode::SYNTAX;
  }
  bool Error(std::uint32_t code) {
    if (code_ == 0) code_ = code;
    return false;
  }

  const CriteriaItem* Peek() const { return pos_ < items_.size() ? &items_[pos_] : nullptr; }
  bool PeekOp(QueryOp op) const {
    const CriteriaItem* item = Peek();
    return item != nullptr && item->kind == CriteriaItem::Kind::kOperator && item->op == op;
  }

  // Nodes are made where they stay, not moved there: they are large, and the list, reserved for
  // one node per item, never grows.
  QueryNode& NewNode(QueryNode::Kind kind) {
    QueryNode& node = out_->nodes.emplace_back();
    node.kind = kind;
    return node;
  }
  int LastNode() const { return static_cast<int>(out_->nodes.size() - 1); }
  int AddOperation(QueryNode::Kind kind, QueryOp op, int left, int right = -1) {
    QueryNode& node = NewNode(kind);
    node.op = op;
    node.left = left;
    node.right = right;
    return LastNode();
  }
  int AddBinary(QueryOp op, int left, int right) {
    return AddOperation(QueryNode::Kind::kBinary, op, left, right);
  }

  // OR and AND levels: both sides must be conditions.
  bool Condition(int level, Parsed* out) {
    if (level > 1) return Negation(out);
    if (!Condition(level + 1, out)) return false;
    const QueryOp op = level == 0 ? QueryOp::kOr : QueryOp::kAnd;
    while (PeekOp(op)) {
      ++pos_;
      Parsed right{};
      if (!Condition(level + 1, &right)) return false;
      if (out->shape != Shape::kCondition || right.shape != Shape::kCondition) {
        return Error(arbcode::SYNTAX);
      }
      out->index = AddBinary(op, out->index, right.index);
    }
    return true;
  }

  bool Negation(Parsed* out) {
    if (!PeekOp(QueryOp::kNot)) return Comparison(out);
    ++pos_;
    Parsed operand{};
    const Nesting nesting(this);
    if (nesting.TooDeep() || !Negation(&operand)) return false;
    if (operand.shape != Shape::kCondition) return Error(arbcode::SYNTAX);
    *out = {AddOperation(QueryNode::Kind::kUnary, QueryOp::kNot, operand.index), Shape::kCondition};
    return true;
  }

  bool Comparison(Parsed* out) {
    if (!Arithmetic(2, out)) return false;
    const CriteriaItem* item = Peek();
    if (item == nullptr || item->kind != CriteriaItem::Kind::kOperator || !IsComparison(item->op)) {
      return true;
    }
    const QueryOp op = item->op;
    ++pos_;
    Parsed right{};
    if (!Arithmetic(2, &right)) return false;
    if (!ComparisonAllowed(op, *out, right)) return false;
    *out = {AddBinary(op, out->index, right.index), Shape::kCondition};
    return true;
  }

  bool ComparisonAllowed(QueryOp op, const Parsed& left, const Parsed& right) {
    if (left.shape == Shape::kCondition || right.shape == Shape::kCondition) {
      return Error(arbcode::SYNTAX);
    }
    if (IsPatternOp(op)) {
      if (left.shape == Shape::kNumber || right.shape == Shape::kNumber) {
        return Error(arbcode::UNALLOWED_CONVERSION);
      }
      return true;
    }
    const bool mixed = (left.shape == Shape::kText && right.shape == Shape::kNumber) ||
                       (left.shape == Shape::kNumber && right.shape == Shape::kText);
    if (mixed || (IsRecordId(left) && right.shape == Shape::kText) ||
        (IsRecordId(right) && left.shape == Shape::kText)) {
      return Error(arbcode::UNALLOWED_CONVERSION);
    }
    return true;
  }

  bool IsRecordId(const Parsed& p) const {
    const QueryNode& node = out_->nodes[static_cast<std::size_t>(p.index)];
    return node.kind == QueryNode::Kind::kField && node.field.IsRecordId();
  }

  bool Arithmetic(int level, Parsed* out) {
    if (level > 6) return Primary(out);
    if (!Arithmetic(level + 1, out)) return false;
    for (;;) {
      const CriteriaItem* item = Peek();
      if (item == nullptr || item->kind != CriteriaItem::Kind::kOperator ||
          LevelOf(item->op) != level) {
        return true;
      }
      const QueryOp op = item->op;
      ++pos_;
      Parsed right{};
      if (!Arithmetic(level + 1, &right)) return false;
      for (const Parsed* side : {out, &right}) {
        if (side->shape == Shape::kCondition) return Error(arbcode::SYNTAX);
        if (side->shape == Shape::kText) return Error(arbcode::UNALLOWED_CONVERSION);
      }
      *out = {AddBinary(op, out->index, right.index), Shape::kNumber};
    }
  }

  bool Primary(Parsed* out) {
    const CriteriaItem* item = Peek();
    if (item == nullptr) return Error(arbcode::SYNTAX);
    ++pos_;
    switch (item->kind) {
      case CriteriaItem::Kind::kField:
        return Field(item->field, out);
      case CriteriaItem::Kind::kValue: {
        QueryNode& node = NewNode(QueryNode::Kind::kConstant);
        node.value = item->value;
        if (node.value.isText) {
          node.folded[0] = FoldedText(node.value.text, false);
          node.folded[1] = FoldedText(node.value.text, true);
        }
        *out = {LastNode(), item->value.isText ? Shape::kText : Shape::kNumber};
        return true;
      }
      case CriteriaItem::Kind::kOperator:
        if (item->op != QueryOp::kOpenParen) return Error(arbcode::SYNTAX);
        const Nesting nesting(this);
        if (nesting.TooDeep() || !Condition(0, out)) return false;
        if (!PeekOp(QueryOp::kCloseParen)) return Error(arbcode::SYNTAX);
        ++pos_;
        return true;
    }
    return Error(arbcode::SYNTAX);
  }

  bool Field(const FieldOperand& field, Parsed* out) {
    if (field.contextSet > kMaxContextSets) return Error(arbcode::BAD_QUERY_SOURCE);
    if (field.path.empty()) return Error(arbcode::BAD_FIELD_NUM);
    if (field.path.size() > kMaxQueryPathDepth) return Error(arbcode::GED_MAXLVLNUM);
    for (std::uint16_t tag : field.path) {
      if (tag == 0) return Error(arbcode::INVALID_TAG);
    }
    NewNode(QueryNode::Kind::kField).field = field;
    *out = {LastNode(), Shape::kField};
    return true;
  }

  // Bounds the recursion so hostile criteria cannot exhaust the stack.
  class Nesting {
   public:
    explicit Nesting(Compiler* compiler) : compiler_(compiler) { ++compiler_->depth_; }
    ~Nesting() { --compiler_->depth_; }
    bool TooDeep() const {
      return compiler_->depth_ > kMaxNesting && !compiler_->Error(arbcode::SYNTAX);
    }

   private:
    Compiler* compiler_;
  };
  static constexpr int kMaxNesting = 200;

  const std::vector<CriteriaItem>& items_;
  CompiledQuery* out_;
  int depth_ = 0;
  std::size_t pos_ = 0;
  std::uint32_t code_ = 0;
};

}  // namespace

std::uint32_t CompileCriteria(const std::vector<CriteriaItem>& items, CompiledQuery* out) {
  // Evaluation recurses along chains of operators; no real criterion comes near this length.
  constexpr std::size_t kMaxItems = 4096;
  if (items.size() > kMaxItems) {
    out->nodes.clear();
    return arbcode::LARGE;
  }
  for (const CriteriaItem& item : items) {
    if (item.kind == CriteriaItem::Kind::kOperator &&
        !IsKnownOp(static_cast<std::uint16_t>(item.op))) {
      out->nodes.clear();
      return arbcode::SYNTAX;
    }
  }
  return Compiler(items, out).Run();
}

}  // namespace store
