// The targets of one relation (sub, similar or opposite) of one top concept, as TopConcept::GetSubs
// and its kin hand them out. The collection holds the targets' record IDs, filled completely before
// it is handed out, and reads each top concept (store 98, container 310 of the database) only when
// the walk reaches it, so a target that is missing shows up as a failed step of the walk.
//
// Positions run from 1 to GetCount(); before the first successful step the walk stands at 0, so
// GetNext starts with the first target and GetCurrent hands out nothing.
#pragma once

#include <cstdint>
#include <vector>

#include "ArbContext.h"
#include "LexcoreExport.h"
#include "TopConcepts.h"

class TopConcept;
namespace lexicon {
class Factory;
}

class LEXCORE_API LinkedTopConcepts : public ArbContext, public TopConcepts {
 public:
  // Copies take the targets and the position; each copy walks on its own.
  LinkedTopConcepts(const LinkedTopConcepts& other) = default;
  LinkedTopConcepts& operator=(const LinkedTopConcepts& other) = default;

  void Destroy() override;
  // The number of targets, cut to 16 bits.
  std::int16_t GetCount() override;
  // Each goes to a position (1, one after the present one, one before it, the last, the present
  // one) and hands out a new top concept read from there: 1 with *topConcept set. 0 with
  // *topConcept null when that position lies outside 1 to GetCount() or its record cannot be
  // read; the position then stays where it was. Never throw.
  int GetFirst(TopConcept** topConcept) override;
  int GetNext(TopConcept** topConcept) override;
  int GetPrevious(TopConcept** topConcept) override;
  int GetLast(TopConcept** topConcept) override;
  int GetCurrent(TopConcept** topConcept) override;

 protected:
  friend class TopConcept;
  friend class lexicon::Factory;

  // `count` targets (none for a count below 1), all record ID 0 until set, in `database`.
  LinkedTopConcepts(void* database, int count);
  ~LinkedTopConcepts() override;

  // Stores the record ID of the target at 1-based `position`; ignored outside 1 to the count.
  void SetRecPtr(int position, std::uint32_t recordId);
  // The step behind every walk operation (see GetFirst).
  int Goto(int position, TopConcept** topConcept);

 private:
  std::vector<std::uint32_t> targets_;
  int position_ = 0;
};
