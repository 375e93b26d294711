// Appends criteria to a cursor step by step and stops at the first step the store refuses. A
// failed step must never leave a shorter criterion behind that still validates: without its
// relation filter, a query for one relation's links would list every link.
#pragma once

#include <cstdint>

#include "ArbCodes.h"
#include "ArbCursor.h"

namespace lexicon {

// Operator codes of the criteria.
enum CriteriaOp : std::uint16_t {
  kAnd = 18,
  kOr = 19,
  kEqual = 21,
  kOpenParen = 39,
  kCloseParen = 40,
};

class CriteriaBuilder {
 public:
  explicit CriteriaBuilder(ArbCursor& cursor) : cursor_(cursor) {}

  // A field of the cursor's own source (set 0) or of context set 1 to 8.
  CriteriaBuilder& Field(std::uint16_t tag, std::uint16_t set = 0) {
    if (ok_) ok_ = cursor_.AddField(tag, set) != 0;
    return *this;
  }
  // A zero-ended path of tags from the record root down.
  CriteriaBuilder& Path(const std::uint16_t* tags, std::uint16_t set = 0) {
    if (ok_) ok_ = cursor_.AddField(tags, set) != 0;
    return *this;
  }
  CriteriaBuilder& Op(std::uint16_t code) {
    if (ok_) ok_ = cursor_.AddOp(code) != 0;
    return *this;
  }
  // The value's type picks its kind: std::int16_t, std::uint16_t, std::int32_t, std::uint32_t
  // or narrow text.
  template <typename V>
  CriteriaBuilder& Value(V value) {
    if (ok_) ok_ = cursor_.AddValue(value) != 0;
    return *this;
  }
  // tag == value
  template <typename V>
  CriteriaBuilder& Equals(std::uint16_t tag, V value, std::uint16_t set = 0) {
    return Field(tag, set).Op(kEqual).Value(value);
  }

  // Ends the criteria; true when every step and the validation succeeded.
  bool Validate() {
    if (ok_) ok_ = cursor_.Validate() != 0;
    return ok_;
  }
  // The store's code for the failed step. Text that is not valid UTF-8 is refused before it
  // reaches the store, so no code is kept for it: CONV_ILLEGAL stands in.
  std::uint32_t Failure() const {
    const std::uint32_t code = cursor_.GetErrorCode();
    return code != arbcode::SUCCESS ? code : arbcode::CONV_ILLEGAL;
  }

 private:
  ArbCursor& cursor_;
  bool ok_ = true;
};

}  // namespace lexicon
