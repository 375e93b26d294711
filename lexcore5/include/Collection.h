// The collection protocol that every collection class of the library follows: a cursor that hands
// out its records as new item objects.
//
// Ownership: every item handed out is a new object owned by the caller, who releases it with its
// Destroy(); it stays valid after the collection is destroyed, and the other way round. Callers
// release collections with Destroy() too, never with delete, and never through a null pointer.
#pragma once

#include <cstdint>

#include "ArbCursor.h"
#include "LexcoreExport.h"

class ArbRecord;

template <typename Item>
class LEXCORE_API Collection : public ArbCursor {
 public:
  // Each makes a new Item, reads into it the record at the named position of the cursor (moving
  // the cursor there) and hands it out: 1 with *item set. 0 when no record is there (either end)
  // or the store reports an error (the cursor keeps its code) or memory runs out; *item is then
  // left as it was and no object is handed out. Never throws. GetNext on a collection that has
  // handed out nothing yet yields the first item, GetPrevious the last.
  int GetFirst(Item** item);
  int GetNext(Item** item);
  int GetPrevious(Item** item);
  int GetLast(Item** item);
  int GetCurrent(Item** item);
  // The number of records that match the criteria; a store failure throws ArbError.
  std::int32_t GetCount();
  // Releases the collection; items already handed out stay valid.
  void Destroy();

  // Copies take the source only: no criteria, indexes or position (as ArbCursor).
  Collection(const Collection& other) = default;
  Collection& operator=(const Collection& other) = default;

 protected:
  Collection() = default;
  // Starts a cursor over (database, container, store); throws ArbError if it cannot start.
  Collection(void* database, std::uint16_t container, std::uint32_t store);
  ~Collection() override;

 private:
  int HandOut(int (ArbCursor::*read)(ArbRecord&), Item** item);
};
