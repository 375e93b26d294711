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
  void Bytes(const std::string& bytes) {
    std::memcpy(out_, bytes.data(), bytes.size());
    out_ += bytes.size();
  }

  const char* End() const { return out_; }

 private:
  char* out_;
};

std::string CriteriaKey(const std::vector<CriteriaItem>& items);

}  // namespace store
