#include "store/QueryPlan.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "store/Collation.h"
#include "store/IndexKeys.h"
#include "store/TextMatch.h"

namespace store {
namespace {

const QueryNode& At(const CompiledQuery& query, int index) {
  return query.nodes[static_cast<std::size_t>(index)];
}

// The context sets whose fields the part of the criteria rooted at `index` names, one bit each
// (the compiler admits sets 0 to kMaxContextSets only): planning asks this of every conjunct of
// every cursor, so it must not allocate.
std::uint32_t SetsUnder(const CompiledQuery& query, int index) {
  if (index < 0) return 0;
  const QueryNode& node = At(query, index);
  if (node.kind == QueryNode::Kind::kField) return 1u << node.field.contextSet;
  return SetsUnder(query, node.left) | SetsUnder(query, node.right);
}

bool OnlySet(const CompiledQuery& query, int index, std::uint16_t set) {
  return SetsUnder(query, index) == 1u << set;
}

QueryOp Mirrored(QueryOp op) {
  switch (op) {
    case QueryOp::kLess:
      return QueryOp::kGreater;
    case QueryOp::kLessEqual:
      return QueryOp::kGreaterEqual;
    case QueryOp::kGreater:
      return QueryOp::kLess;
    case QueryOp::kGreaterEqual:
      return QueryOp::kLessEqual;
    default:
      return op;
  }
}

// A comparison of a field of `set` with a constant, read as "field op constant".
struct FieldTest {
  const FieldOperand* field;
  QueryOp op;
  const QueryValue* value;
};

bool AsFieldTest(const CompiledQuery& query, int index, std::uint16_t set, FieldTest* out) {
  const QueryNode& node = At(query, index);
  if (node.kind != QueryNode::Kind::kBinary) return false;
  const QueryNode& left = At(query, node.left);
  const QueryNode& right = At(query, node.right);
  if (left.kind == QueryNode::Kind::kField && right.kind == QueryNode::Kind::kConstant &&
      left.field.contextSet == set) {
    *out = {&left.field, node.op, &right.value};
    return true;
  }
  if (right.kind == QueryNode::Kind::kField && left.kind == QueryNode::Kind::kConstant &&
      right.field.contextSet == set) {
    *out = {&right.field, Mirrored(node.op), &left.value};
    return true;
  }
  return false;
}

// An OR of "32171 == number" tests on `set`, collected into `ids`.
bool CollectIdTests(const CompiledQuery& query, int index, std::uint16_t set,
                    std::vector<std::uint32_t>* ids) {
  const QueryNode& node = At(query, index);
  if (node.kind == QueryNode::Kind::kBinary && node.op == QueryOp::kOr) {
    return CollectIdTests(query, node.left, set, ids) &&
           CollectIdTests(query, node.right, set, ids);
  }
  FieldTest test{};
  if (!AsFieldTest(query, index, set, &test) || !test.field->IsRecordId() ||
      test.op != QueryOp::kEqual || test.value->isText) {
    return false;
  }
  if (test.value->number > 0 && test.value->number <= std::numeric_limits<std::uint32_t>::max()) {
    ids->push_back(static_cast<std::uint32_t>(test.value->number));
  }
  return true;
}

// Whether the operand names the leading component of an index. A single tag stands for the
// component whose path ends in it: an index is defined on the place where its tag lives.
bool NamesComponent(const FieldOperand& field, const IndexComponent& component) {
  if (field.IsRecordId() || field.path.empty()) return false;
  if (field.anchored) {
    return field.path.size() == component.depth &&
           std::equal(field.path.begin(), field.path.end(), component.path);
  }
  return field.path.size() == 1 && field.path[0] == component.path[component.depth - 1];
}

void Narrow(KeyRange* range, const std::string& from, const std::string& to) {
  if (from > range->from) range->from = from;
  if (!to.empty() && (range->to.empty() || to < range->to)) range->to = to;
}

class RangeBuilder {
 public:
  RangeBuilder(const IndexDefinition& index, const SetPlanInput& input)
      : component_(index.components[0]), input_(input) {
    AppendIndexPrefix(index.store, index.entries, &prefix_);
    base_ = prefix_ + kComponentPresent;
  }

  KeyRange Whole() const { return {prefix_, PrefixEnd(prefix_)}; }

  // Narrows `range` by the test; false when the test does not bear on the component.
  bool Apply(const FieldTest& test, KeyRange* range) const {
    if (!NamesComponent(*test.field, component_)) return false;
    if (component_.type == KeyType::kText) {
      return test.value->isText && ApplyText(test.op, test.value->text, range);
    }
    return !test.value->isText && ApplyNumber(test.op, test.value->number, range);
  }

 private:
  bool ApplyNumber(QueryOp op, std::int64_t value, KeyRange* range) const {
    const bool pointer = component_.type == KeyType::kPointer;
    const std::int64_t low = pointer ? 0 : std::numeric_limits<std::int32_t>::min();
    const std::int64_t high = pointer ? std::numeric_limits<std::uint32_t>::max()
                                      : std::numeric_limits<std::int32_t>::max();
    const std::int64_t clamped = std::clamp(value, low, high);
    std::string key = base_;
    if (pointer) {
      AppendPointerKey(static_cast<std::uint32_t>(clamped), &key);
    } else {
      AppendNumberKey(static_cast<std::int32_t>(clamped), &key);
    }
    switch (op) {
      case QueryOp::kEqual:
        if (clamped != value) {
          Narrow(range, key, key);  // no stored value can equal it
        } else {
          Narrow(range, key, PrefixEnd(key));
        }
        return true;
      case QueryOp::kGreater:
      case QueryOp::kGreaterEqual:
        Narrow(range, value > high ? PrefixEnd(base_) : key, {});
        return true;
      case QueryOp::kLess:
      case QueryOp::kLessEqual:
        Narrow(range, base_, value < low ? base_ : PrefixEnd(key));
        return true;
      default:
        return false;
    }
  }

  bool ApplyText(QueryOp op, const std::string& text, KeyRange* range) const {
    if (input_.collator == nullptr) return false;
    switch (op) {
      case QueryOp::kEqual:
      case QueryOp::kMatch:
      case QueryOp::kBegin: {
        const std::size_t wild = input_.wildcards ? text.find_first_of("*?") : std::string::npos;
        const bool prefix = op == QueryOp::kBegin || wild != std::string::npos;
        const std::string stem = text.substr(0, wild);
        if (prefix && stem.empty()) return false;
        return NarrowText(stem, CollationBound::kLower,
                          prefix ? CollationBound::kUpperLong : CollationBound::kUpper, range);
      }
      case QueryOp::kGreater:
      case QueryOp::kGreaterEqual:
        return NarrowText(text, CollationBound::kLower, std::nullopt, range);
      case QueryOp::kLess:
      case QueryOp::kLessEqual:
        return NarrowText(text, std::nullopt, CollationBound::kUpper, range);
      default:
        return false;
    }
  }

  bool NarrowText(const std::string& text, std::optional<CollationBound> low,
                  std::optional<CollationBound> high, KeyRange* range) const {
    std::string from = base_;
    std::string to;
    if (low && !input_.collator->AppendPrimaryBound(text, *low, &from)) return false;
    if (high) {
      to = base_;
      if (!input_.collator->AppendPrimaryBound(text, *high, &to)) return false;
    }
    Narrow(range, from, to);
    return true;
  }

  const IndexComponent& component_;
  const SetPlanInput& input_;
  std::string prefix_;
  std::string base_;
};

// The range of `index` that the conjuncts allow; false when none of them bears on its leading
// component.
bool RangeOf(const IndexDefinition& index, const CompiledQuery& query,
             const std::vector<int>& conjuncts, std::uint16_t set, const SetPlanInput& input,
             KeyRange* range) {
  const RangeBuilder builder(index, input);
  *range = builder.Whole();
  bool narrowed = false;
  for (int conjunct : conjuncts) {
    FieldTest test{};
    if (AsFieldTest(query, conjunct, set, &test) && builder.Apply(test, range)) narrowed = true;
  }
  return narrowed;
}

}  // namespace

std::vector<int> TopConjuncts(const CompiledQuery& query) {
  std::vector<int> out;
  if (query.Empty()) return out;
  std::vector<int> pending = {static_cast<int>(query.nodes.size() - 1)};
  while (!pending.empty()) {
    const int index = pending.back();
    pending.pop_back();
    const QueryNode& node = At(query, index);
    if (node.kind == QueryNode::Kind::kBinary && node.op == QueryOp::kAnd) {
      pending.push_back(node.right);
      pending.push_back(node.left);
    } else {
      out.push_back(index);
    }
  }
  return out;
}

std::uint32_t SetsNamed(const CompiledQuery& query) {
  return query.Empty() ? 0 : SetsUnder(query, static_cast<int>(query.nodes.size() - 1));
}

std::vector<int> ConjunctsOfSet(const CompiledQuery& query, const std::vector<int>& conjuncts,
                                std::uint16_t set) {
  std::vector<int> own;
  for (int conjunct : conjuncts) {
    if (OnlySet(query, conjunct, set)) own.push_back(conjunct);
  }
  return own;
}

bool FindJoin(const CompiledQuery& query, const std::vector<int>& conjuncts,
              std::uint16_t* yieldingSet, std::uint16_t* drivingSet, FieldOperand* drivingField) {
  for (int conjunct : conjuncts) {
    const QueryNode& node = At(query, conjunct);
    if (node.kind != QueryNode::Kind::kBinary || node.op != QueryOp::kEqual) continue;
    const QueryNode& left = At(query, node.left);
    const QueryNode& right = At(query, node.right);
    if (left.kind != QueryNode::Kind::kField || right.kind != QueryNode::Kind::kField) continue;
    for (const auto& [id, other] : {std::pair{&left, &right}, std::pair{&right, &left}}) {
      if (id->field.IsRecordId() && !other->field.IsRecordId() &&
          id->field.contextSet != other->field.contextSet) {
        *yieldingSet = id->field.contextSet;
        *drivingSet = other->field.contextSet;
        *drivingField = other->field;
        return true;
      }
    }
  }
  return false;
}

Driver PlanDriver(const CompiledQuery& query, const std::vector<int>& conjuncts, std::uint16_t set,
                  const SetPlanInput& input) {
  const std::vector<int> own = ConjunctsOfSet(query, conjuncts, set);
  Driver driver;
  if (input.orderIndex == 0) {
    for (int conjunct : own) {
      std::vector<std::uint32_t> ids;
      if (CollectIdTests(query, conjunct, set, &ids)) {
        std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
        driver.kind = Driver::Kind::kIdList;
        driver.ids = std::move(ids);
        return driver;
      }
    }
  }
  for (const IndexDefinition& index : *input.indexes) {
    const bool ordering = index.number == input.orderIndex;
    if (input.orderIndex != 0 && !ordering) continue;
    KeyRange range;
    const bool narrowed = RangeOf(index, query, own, set, input, &range);
    if (ordering && !narrowed && !own.empty() && input.yieldsDrivingSet) {
      driver.kind = Driver::Kind::kSortedScan;
      driver.order = index;
      return driver;
    }
    if (narrowed || ordering) {
      driver.kind = Driver::Kind::kIndexRange;
      driver.index = index.number;
      driver.range = std::move(range);
      driver.byRecordId = !ordering;
      return driver;
    }
  }
  driver.kind = Driver::Kind::kScan;
  return driver;
}

}  // namespace store
