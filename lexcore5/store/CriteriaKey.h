// A byte string that names a cursor's criteria items completely: two lists of items compile and
// select alike exactly when their names are equal. Kept results and compiled criteria are found
// again under it.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "store/QueryTerms.h"

namespace store {

// Writes a key into memory sized beforehand: keys are built for every cursor, so appending piece
// by piece to a growing string would cost more than the look-up they save.
class KeyWriter {
 public:
  explicit KeyWriter(char* out) : out_(out) {}

  template <typename Value>
  void Put(Value value) {
    std::memcpy(out_, &value, sizeof value);
    out_ += sizeof value;
  }
  void Text(const std::string& text) {
    // Length first, so that text and the items after it cannot run into each other.
    Put(static_cast<std::uint32_t>(text.size()));
    std::memcpy(out_, text.data(), text.size());
    out_ += text.size();
  }

  const char* End() const { return out_; }

 private:
  char* out_;
};

// The key is written straight into the name of a cursor's results (ResultReuse.h): the bytes that
// `WriteCriteriaKey` puts there number `CriteriaKeySize`.
std::size_t CriteriaKeySize(const std::vector<CriteriaItem>& items);
void WriteCriteriaKey(const std::vector<CriteriaItem>& items, KeyWriter* key);

}  // namespace store
