#include "store/CursorRecycler.h"

#include <memory>
#include <new>
#include <vector>

namespace store {
namespace {

// More than a look-up holds at once; beyond it, keeping cursors would only hold memory.
constexpr std::size_t kKeptCursors = 16;

// Set once the thread's kept cursors are gone: a cursor freed later, by an object destroyed at
// thread or process exit, is deleted at once. Trivially destructible, so it outlives the list.
thread_local bool listGone = false;

// Per thread: a cursor belongs to one thread at a time, so no lock is needed, and the cursors
// kept go with their thread.
struct KeptCursors {
  std::vector<std::unique_ptr<Cursor>> cursors;
  ~KeptCursors() { listGone = true; }
};

KeptCursors& Kept() {
  thread_local KeptCursors kept;
  return kept;
}

}  // namespace

Cursor* TakeCursor() {
  if (listGone || Kept().cursors.empty()) return new (std::nothrow) Cursor();
  std::vector<std::unique_ptr<Cursor>>& cursors = Kept().cursors;
  Cursor* cursor = cursors.back().release();
  cursors.pop_back();
  return cursor;
}

void ReturnCursor(Cursor* cursor) {
  if (listGone || Kept().cursors.size() >= kKeptCursors) {
    delete cursor;
    return;
  }
  std::vector<std::unique_ptr<Cursor>>& cursors = Kept().cursors;
  cursor->Reset();
  if (cursors.capacity() == 0) cursors.reserve(kKeptCursors);
  cursors.emplace_back(cursor);
}

}  // namespace store
