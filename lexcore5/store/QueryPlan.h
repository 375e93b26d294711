// How a cursor finds its results: which context set drives the search, through which index range,
// list of record IDs or scan, and for a join which field of the driving records names the records
// that are yielded. A plan only narrows the candidates: every candidate is still checked against
// the whole criteria, so a plan may be generous but never too narrow.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/IndexDefinition.h"
#include "store/QueryTerms.h"

namespace store {

class Collator;

// Index entry keys k with from <= k < to (`to` empty: up to the end of the index).
struct KeyRange {
  std::string from;
  std::string to;
};

struct Driver {
  // kSortedScan reads every record in storage order, keeps those that satisfy the criteria and
  // sorts them by `order`: for criteria that no index range narrows, this costs far less than
  // visiting the records in index order one seek at a time.
  enum class Kind : std::uint8_t { kIndexRange, kIdList, kScan, kSortedScan } kind = Kind::kScan;
  std::uint16_t index = 0;
  KeyRange range;
  // With an index range: collect every candidate first and hand them out in record ID order.
  bool byRecordId = false;
  std::vector<std::uint32_t> ids;
  IndexDefinition order;
};

struct QueryPlan {
  std::uint16_t drivingSet = 0;
  std::uint16_t yieldingSet = 0;
  // For a join: the field of the driving set whose values are the yielded records' IDs, and the
  // top-level conjuncts that name the driving set alone: a driving record that fails one of them
  // joins to no result, so its targets need not be read.
  bool join = false;
  FieldOperand joinField;
  std::vector<int> drivingConjuncts;
  Driver driver;
};

// What the planner knows of the set it plans a driver for.
struct SetPlanInput {
  std::uint32_t store = 0;
  // The index whose order the results must follow (0: record ID order) and every index over the
  // set's container.
  std::uint16_t orderIndex = 0;
  std::shared_ptr<const std::vector<IndexDefinition>> indexes;
  const Collator* collator = nullptr;
  bool wildcards = true;
  // Whether the driving records are themselves the results (not for a join).
  bool yieldsDrivingSet = true;
};

// The top-level conjuncts of the criteria (the operands of its outermost ANDs).
std::vector<int> TopConjuncts(const CompiledQuery& query);

// Finds a conjunct "Y.32171 == D.field" (either way round, Y != D); false when there is none.
bool FindJoin(const CompiledQuery& query, const std::vector<int>& conjuncts,
              std::uint16_t* yieldingSet, std::uint16_t* drivingSet, FieldOperand* drivingField);

// The context sets whose fields the criteria name: bit n for set n.
std::uint32_t SetsNamed(const CompiledQuery& query);

// Those of `conjuncts` that name fields of `set` and of no other set.
std::vector<int> ConjunctsOfSet(const CompiledQuery& query, const std::vector<int>& conjuncts,
                                std::uint16_t set);

// The driver for the records of `set`, from the conjuncts that name no other set.
Driver PlanDriver(const CompiledQuery& query, const std::vector<int>& conjuncts, std::uint16_t set,
                  const SetPlanInput& input);

}  // namespace store
