#include "ArbTreeWalker.h"

void ArbTreeWalker::Reset(node* start) {
  current_ = start;
  startLevel_ = start != nullptr ? start->level : 0;
}

int ArbTreeWalker::GoNext() {
  // In the pre-order list the next field is the first child, else the next sibling, else the next
  // sibling of the nearest ancestor that has one; it lies outside the subtree once it is no deeper
  // than the start.
  if (current_ == nullptr) return 0;
  node* candidate = current_->next;
  if (candidate == nullptr || candidate->level <= startLevel_) return 0;
  current_ = candidate;
  return 1;
}
