// Cursors freed lately, kept per thread for the next CursorInit: a look-up starts and frees about
// nine cursors, and a fresh one allocates its object, its criteria list and its key again. A
// kept cursor is reset before it is kept, so it carries nothing of its earlier use.
#pragma once

#include "store/CursorState.h"

namespace store {

// A cursor in the state of a new one, or null when memory runs out.
Cursor* TakeCursor();
// Resets `cursor` and keeps it, or deletes it when enough are kept already.
void ReturnCursor(Cursor* cursor);

}  // namespace store
