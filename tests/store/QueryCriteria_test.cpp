// Compiling and evaluating cursor criteria against records built in memory.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ArbCodes.h"
#include "store/Collation.h"
#include "store/FieldTree.h"
#include "store/FieldValue.h"
#include "store/Pool.h"
#include "store/QueryCompiler.h"
#include "store/QueryEvaluator.h"

using namespace store;

namespace {

CriteriaItem Field(std::uint16_t tag, std::uint16_t set = 0) {
  CriteriaItem item{CriteriaItem::Kind::kField};
  item.field.path = {tag};
  item.field.contextSet = set;
  return item;
}

CriteriaItem Path(std::vector<std::uint16_t> path) {
  CriteriaItem item{CriteriaItem::Kind::kField};
  item.field.path = std::move(path);
  item.field.anchored = true;
  return item;
}

CriteriaItem Op(QueryOp op) {
  CriteriaItem item{CriteriaItem::Kind::kOperator};
  item.op = op;
  return item;
}

CriteriaItem Num(std::int64_t n) {
  CriteriaItem item{CriteriaItem::Kind::kValue};
  item.value.number = n;
  return item;
}

CriteriaItem Text(std::string text) {
  CriteriaItem item{CriteriaItem::Kind::kValue};
  item.value.isText = true;
  item.value.text = std::move(text);
  return item;
}

// A variant-like record: root 60 with a literal (120), a sense (121), two numbers 7 and a pointer.
class QueryCriteria : public ::testing::Test {
 protected:
  void SetUp() override {
    PoolInit(&pool_, 256);
    root_ = NewField(60);
    AddChild(root_, 120);
    SetUtf8(&pool_, last_, "Żółw");
    AddChild(root_, 121);
    SetInt32(&pool_, last_, 2);
    AddChild(root_, 7);
    SetInt32(&pool_, last_, 5);
    AddChild(root_, 7);
    SetInt32(&pool_, last_, -3);
    AddChild(root_, 50);
    SetRecordPointer(&pool_, last_, 4242);
    node* nested = AddChild(root_, 80);
    AddChild(nested, 120);
    SetUtf8(&pool_, last_, "inner");
    records_.roots[0] = root_;
    records_.ids[0] = 17;
  }
  void TearDown() override { PoolFree(&pool_); }

  node* NewField(std::uint16_t tag) {
    node* field = nullptr;
    EXPECT_EQ(CreateField(&pool_, tag, 0, &field), 0u);
    return field;
  }
  node* AddChild(node* parent, std::uint16_t tag) {
    last_ = NewField(tag);
    EXPECT_EQ(GraftChild(parent, last_, 32767), 0u);
    return last_;
  }

  bool Holds(const std::vector<CriteriaItem>& items, QuerySettings settings = {}) {
    CompiledQuery query;
    EXPECT_EQ(CompileCriteria(items, &query), 0u);
    return EvaluateQuery(query, records_, settings);
  }

  PoolMemoryManager pool_{};
  node* root_ = nullptr;
  node* last_ = nullptr;
  QueryRecords records_;
};

}  // namespace

TEST_F(QueryCriteria, EveryComparisonOnNumbers) {
  EXPECT_TRUE(Holds({Field(121), Op(QueryOp::kEqual), Num(2)}));
  EXPECT_FALSE(Holds({Field(121), Op(QueryOp::kNotEqual), Num(2)}));
  EXPECT_TRUE(Holds({Field(121), Op(QueryOp::kLess), Num(3)}));
  EXPECT_TRUE(Holds({Field(121), Op(QueryOp::kLessEqual), Num(2)}));
  EXPECT_FALSE(Holds({Field(121), Op(QueryOp::kGreater), Num(2)}));
  EXPECT_TRUE(Holds({Field(121), Op(QueryOp::kGreaterEqual), Num(2)}));
}

TEST_F(QueryCriteria, AnyOccurrenceOfARepeatedFieldMaySatisfy) {
  EXPECT_TRUE(Holds({Field(7), Op(QueryOp::kEqual), Num(-3)}));
  EXPECT_TRUE(Holds({Field(7), Op(QueryOp::kGreater), Num(4)}));
  EXPECT_FALSE(Holds({Field(7), Op(QueryOp::kEqual), Num(0)}));
}

TEST_F(QueryCriteria, SingleTagMatchesAnywhereButPathsAreAnchored) {
  EXPECT_TRUE(Holds({Field(120), Op(QueryOp::kEqual), Text("inner")}));
  EXPECT_FALSE(Holds({Path({60, 120}), Op(QueryOp::kEqual), Text("inner")}));
  EXPECT_TRUE(Holds({Path({60, 80, 120}), Op(QueryOp::kEqual), Text("inner")}));
  EXPECT_FALSE(Holds({Path({61, 120}), Op(QueryOp::kEqual), Text("żółw")}));
}

TEST_F(QueryCriteria, ArithmeticAndBitwiseOperators) {
  using O = QueryOp;
  EXPECT_TRUE(Holds({Field(121), Op(O::kAdd), Num(3), Op(O::kEqual), Num(5)}));
  EXPECT_TRUE(Holds({Field(121), Op(O::kSubtract), Num(3), Op(O::kEqual), Num(-1)}));
  EXPECT_TRUE(
      Holds({Num(2), Op(O::kAdd), Field(121), Op(O::kMultiply), Num(3), Op(O::kEqual), Num(8)}));
  EXPECT_TRUE(Holds({Field(121), Op(O::kDivide), Num(2), Op(O::kEqual), Num(1)}));
  EXPECT_TRUE(Holds({Num(7), Op(O::kRemainder), Field(121), Op(O::kEqual), Num(1)}));
  EXPECT_FALSE(Holds({Field(121), Op(O::kDivide), Num(0), Op(O::kEqual), Num(0)}));
  EXPECT_TRUE(Holds({Field(121), Op(O::kBitAnd), Num(2), Op(O::kEqual), Num(2)}));
  EXPECT_TRUE(Holds({Field(121), Op(O::kBitOr), Num(1), Op(O::kEqual), Num(3)}));
  EXPECT_TRUE(Holds({Field(121), Op(O::kBitXor), Num(3), Op(O::kEqual), Num(1)}));
}

TEST_F(QueryCriteria, LogicAndParentheses) {
  using O = QueryOp;
  const auto yes = std::vector{Field(121), Op(O::kEqual), Num(2)};
  const auto no = std::vector{Field(121), Op(O::kEqual), Num(9)};
  auto join = [](std::vector<std::vector<CriteriaItem>> parts) {
    std::vector<CriteriaItem> out;
    for (auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
  };
  EXPECT_FALSE(Holds(join({yes, {Op(O::kAnd)}, no})));
  EXPECT_TRUE(Holds(join({no, {Op(O::kOr)}, yes})));
  EXPECT_TRUE(Holds(join({{Op(O::kNot)}, no})));
  // OR binds looser than AND: no AND no OR yes holds; no AND (no OR yes) does not.
  EXPECT_TRUE(Holds(join({no, {Op(O::kAnd)}, no, {Op(O::kOr)}, yes})));
  EXPECT_FALSE(Holds(
      join({no, {Op(O::kAnd), Op(O::kOpenParen)}, no, {Op(O::kOr)}, yes, {Op(O::kCloseParen)}})));
}

TEST_F(QueryCriteria, TextFollowsTheMode) {
  using O = QueryOp;
  QuerySettings exact;
  exact.caseSensitive = true;
  QuerySettings literal;
  literal.wildcards = false;
  EXPECT_TRUE(Holds({Field(120), Op(O::kEqual), Text("żÓŁW")}));
  EXPECT_FALSE(Holds({Field(120), Op(O::kEqual), Text("żÓŁW")}, exact));
  EXPECT_TRUE(Holds({Field(120), Op(O::kEqual), Text("Żół*")}, exact));
  EXPECT_FALSE(Holds({Field(120), Op(O::kEqual), Text("Żół*")}, literal));
  EXPECT_TRUE(Holds({Field(120), Op(O::kMatch), Text("?ÓŁW")}));
  EXPECT_TRUE(Holds({Field(120), Op(O::kBegin), Text("żó")}));
  EXPECT_TRUE(Holds({Field(120), Op(O::kBegin), Text("?ó")}));
  EXPECT_TRUE(Holds({Field(120), Op(O::kContain), Text("ÓŁ")}));
  EXPECT_FALSE(Holds({Field(120), Op(O::kContain), Text("x")}));
}

TEST_F(QueryCriteria, TextOrderUsesTheCollation) {
  const std::shared_ptr<const Collator> polish = SharedCollator("pl");
  ASSERT_NE(polish, nullptr);
  QuerySettings settings;
  settings.collator = polish.get();
  // In Polish, ż sorts after z, so Żółw > zebra; by code point alone it would too, but ą < b
  // only holds under the collation.
  EXPECT_TRUE(Holds({Field(120), Op(QueryOp::kGreater), Text("zebra")}, settings));
  EXPECT_TRUE(Holds({Field(120), Op(QueryOp::kLess), Text("żz")}, settings));
  SetUtf8(&pool_, root_->next, "ąb");
  EXPECT_TRUE(Holds({Path({60, 120}), Op(QueryOp::kLess), Text("b")}, settings));
  EXPECT_FALSE(Holds({Path({60, 120}), Op(QueryOp::kLess), Text("b")}));
}

TEST_F(QueryCriteria, RecordIdAndPointersCompareAsNumbers) {
  EXPECT_TRUE(Holds({Field(kRecordIdTag), Op(QueryOp::kEqual), Num(17)}));
  EXPECT_TRUE(Holds({Field(50), Op(QueryOp::kEqual), Num(4242)}));
  EXPECT_FALSE(Holds({Field(50), Op(QueryOp::kEqual), Text("4242")}));
}

TEST_F(QueryCriteria, JoinedSetsReadTheirOwnRecords) {
  const std::vector<CriteriaItem> join = {Field(kRecordIdTag, 1), Op(QueryOp::kEqual),
                                          Field(50, 2)};
  EXPECT_FALSE(Holds(join));
  records_.roots[1] = root_;
  records_.ids[1] = 4242;
  records_.roots[2] = root_;
  EXPECT_TRUE(Holds(join));
  records_.ids[1] = 4243;
  EXPECT_FALSE(Holds(join));
}

TEST(QueryCompiler, MalformedCriteriaAreRefused) {
  using O = QueryOp;
  CompiledQuery query;
  auto code = [&](std::vector<CriteriaItem> items) { return CompileCriteria(items, &query); };
  EXPECT_EQ(code({Field(5), Op(O::kEqual)}), arbcode::SYNTAX);
  EXPECT_EQ(code({Op(O::kEqual), Num(1)}), arbcode::SYNTAX);
  EXPECT_EQ(code({Op(O::kOpenParen), Field(5), Op(O::kEqual), Num(1)}), arbcode::SYNTAX);
  EXPECT_EQ(code({Field(5), Op(O::kEqual), Num(1), Op(O::kCloseParen)}), arbcode::SYNTAX);
  EXPECT_EQ(code({Field(5)}), arbcode::SYNTAX);
  EXPECT_EQ(code({Field(5), Op(O::kAdd), Num(1)}), arbcode::SYNTAX);
  EXPECT_EQ(code({Field(5), Op(O::kEqual), Num(1), Op(O::kEqual), Num(1)}), arbcode::SYNTAX);
  EXPECT_EQ(code({Field(5), Op(O::kEqual), Num(1), Op(O::kAnd), Num(3)}), arbcode::SYNTAX);
  EXPECT_EQ(code({Field(5), Op(static_cast<QueryOp>(38)), Num(1)}), arbcode::SYNTAX);
  EXPECT_EQ(code({Field(5), Op(O::kMatch), Num(1)}), arbcode::UNALLOWED_CONVERSION);
  EXPECT_EQ(code({Text("a"), Op(O::kAdd), Num(1), Op(O::kEqual), Num(2)}),
            arbcode::UNALLOWED_CONVERSION);
  EXPECT_EQ(code({Field(kRecordIdTag), Op(O::kEqual), Text("7")}), arbcode::UNALLOWED_CONVERSION);
  EXPECT_EQ(code({Field(5, 9), Op(O::kEqual), Num(1)}), arbcode::BAD_QUERY_SOURCE);
  EXPECT_EQ(code({Field(0), Op(O::kEqual), Num(1)}), arbcode::INVALID_TAG);
  EXPECT_EQ(code({Path(std::vector<std::uint16_t>(300, 5)), Op(O::kEqual), Num(1)}),
            arbcode::GED_MAXLVLNUM);
  EXPECT_TRUE(query.Empty());
  EXPECT_EQ(code({}), 0u);
}

TEST(QueryCompiler, DeepNestingIsRefusedNotOverflowed) {
  std::vector<CriteriaItem> items(100000, Op(QueryOp::kOpenParen));
  CompiledQuery query;
  EXPECT_EQ(CompileCriteria(items, &query), arbcode::LARGE);
  items.resize(3000);
  EXPECT_EQ(CompileCriteria(items, &query), arbcode::SYNTAX);
  std::vector<CriteriaItem> negations(3000, Op(QueryOp::kNot));
  negations.insert(negations.end(), {Field(5), Op(QueryOp::kEqual), Num(1)});
  EXPECT_EQ(CompileCriteria(negations, &query), arbcode::SYNTAX);
}
