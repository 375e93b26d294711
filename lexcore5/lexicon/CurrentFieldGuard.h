// Getters that search or walk a record move its current field; callers who navigate the record
// themselves must not see that. The guard puts the current field back when it goes out of scope.
// Only for code that deletes no field: a deleted current field must not come back.
#pragma once

#include "ArbRecord.h"

namespace lexicon {

class CurrentFieldGuard {
 public:
  explicit CurrentFieldGuard(ArbRecord& record)
      : record_(record), saved_(record.GetCurrentField()) {}
  CurrentFieldGuard(const CurrentFieldGuard&) = delete;
  CurrentFieldGuard& operator=(const CurrentFieldGuard&) = delete;
  ~CurrentFieldGuard() { record_.SetCurrentField(saved_); }

 private:
  ArbRecord& record_;
  node* saved_;
};

}  // namespace lexicon
