#include "ArbCursor.h"
#include "ArbRecord.h"
#include "records/FileDamage.h"
#include "store/Cursor.h"

std::uint32_t ArbRecord::CursorRead(ArbCursor& cursor, int move) {
  Clear();
  node* root = nullptr;
  error_ =
      store::CursorRead(cursor.GetCursor(), static_cast<store::CursorMove>(move), pool_, &root);
  if (error_ == 0) root_ = current_ = root;
  if (IsFileDamage(error_)) ThrowError();
  return error_;
}

std::uint32_t ArbRecord::CursorFirst(ArbCursor& cursor) {
  return CursorRead(cursor, static_cast<int>(store::CursorMove::kFirst));
}

std::uint32_t ArbRecord::CursorNext(ArbCursor& cursor) {
  return CursorRead(cursor, static_cast<int>(store::CursorMove::kNext));
}

std::uint32_t ArbRecord::CursorPrev(ArbCursor& cursor) {
  return CursorRead(cursor, static_cast<int>(store::CursorMove::kPrevious));
}

std::uint32_t ArbRecord::CursorLast(ArbCursor& cursor) {
  return CursorRead(cursor, static_cast<int>(store::CursorMove::kLast));
}

std::uint32_t ArbRecord::CursorCurrent(ArbCursor& cursor) {
  return CursorRead(cursor, static_cast<int>(store::CursorMove::kCurrent));
}
