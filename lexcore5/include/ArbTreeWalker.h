// A pre-order walk over one field's subtree: the start field first, then each descendant. The
// walker reads the fields in place; it owns nothing and stays valid while their pool keeps them.
#pragma once

#include <cstdint>

#include "LexcoreExport.h"
#include "Node.h"

class LEXCORE_API ArbTreeWalker {
 public:
  ArbTreeWalker() = default;
  explicit ArbTreeWalker(node* start) { Reset(start); }

  // Starts a new walk at `start` (null gives a walk with no field).
  void Reset(node* start);
  // The field the walk stands on; null for a walk without a start.
  node* Current() const { return current_; }
  // Moves to the next field of the start field's subtree: 1 if moved, 0 (no move) at the end.
  int GoNext();

 private:
  node* current_ = nullptr;
  std::uint8_t startLevel_ = 0;
};
