// One record tree in memory: the fields of a record of the store, a current-field position, typed
// getters and setters, searches by tag, structural edits, and retrieve/add/update/remove against a
// database. Every field lives in the record's own pool; operations that empty the pool (Retrieve,
// assignment, CopyNode, Clear) invalidate every field pointer taken from the record before.
//
// Results are int 1 (success, found, moved) or 0. Operations that talk to the store keep its code
// in the record (GetLastError) and report failure by 0; only ThrowError and DeleteAndThrowError
// throw (ArbError). An operation that needs a field answers 0 on an empty record. Database handles
// are the store's (void* here), not owned by the record.
#pragma once

#include <cstdint>

#include "ArbContext.h"
#include "ArbError.h"
#include "ArbPool.h"
#include "LexcoreExport.h"
#include "Node.h"
#include "SysString.h"

class ArbCursor;
namespace store {
struct NameTable;
}

class LEXCORE_API ArbRecord {
 public:
  // Where a search or an insertion starts. Any other value finds no start field.
  enum eFindStart : std::int32_t {
    eFromRoot = 0,
    eFromCurrent = 1,
    eFromParent = 2,    // the parent of the current field
    eFromChild = 3,     // the first child of the current field
    eFromNext = 4,      // the next sibling of the current field
    eFromPrevious = 5,  // the previous sibling of the current field
  };
  // Which fields a search covers, around the start field S. Any other value finds nothing.
  enum eFindArea : std::int32_t {
    eInTree = 0,              // S and its descendants, in pre-order
    eInForest = 1,            // S's subtree, then the subtrees of S's following siblings
    eInNextSiblings = 2,      // S's following siblings, without descending
    eInPreviousSiblings = 3,  // S's preceding siblings, backward, without descending
    eInSiblings = 4,          // counting: every sibling of S, S included; searching: as eInTree
  };
  enum eGraftMode : std::int32_t { eGraftChild = 0, eGraftSibling = 1 };

  // Insertion positions. For a child: the 0-based index among the anchor's children, any index past
  // the end being the last, any negative one the first. For a sibling: 0 right after the anchor,
  // p > 0 after p further siblings, -1 right before the anchor, -p before p-1 further preceding
  // siblings (kLast and kFirst reach the ends).
  static constexpr std::int16_t kLast = 32767;
  static constexpr std::int16_t kFirst = -32767;

  // An empty record, or (rootTag not 0) one holding a root with that tag, which is current.
  explicit ArbRecord(std::uint16_t rootTag = 0, std::uint16_t poolBlockSize = 256);
  // A copy of `field` and its descendants (empty for null).
  ArbRecord(node* field, std::uint16_t poolBlockSize);
  // A copy of the other record's root tree, in a pool of 256-byte blocks.
  ArbRecord(const ArbRecord& other);
  // Replace this record by a copy of the given field's tree (the other record's root tree); root
  // and current become the copy's root. The source may live in this record's own pool.
  ArbRecord& operator=(node* field);
  ArbRecord& operator=(const ArbRecord& other);
  // Releases the name table, then the pool with all fields.
  virtual ~ArbRecord();

  // Root and current become `field`, which is not copied: it stays in its owner's pool and the
  // caller keeps it alive while this record uses it.
  void SetRoot(node* field);
  // Empties the pool; root and current become null.
  void Clear();

  operator node*() const { return root_; }
  PoolMemoryManager* GetPool() { return pool_; }
  node* GetCurrentField() const { return current_; }
  // `field` must be a field of this record's tree (or null).
  void SetCurrentField(void* field) { current_ = static_cast<node*>(field); }
  // The code of the last store operation the record made.
  const ArbError& GetLastError() const { return error_; }

  // Identity and source. A record without a source yields null and 0s; the record ID is 0 when the
  // root carries none or the record is empty. `recordId` may be null.
  std::uint32_t GetID() const;
  void GetSource(void** database, std::uint16_t* container, std::uint32_t* store,
                 std::uint32_t* recordId) const;
  void* GetDatabase() const;
  std::uint32_t GetStore() const;
  std::uint16_t GetContainer() const;
  // Gives the root the source and the record ID (0 keeps the root's present one). The root field
  // is replaced by a new one in the same place, value and children kept; a current root follows.
  // 0 for an empty record or when out of memory (code kept).
  int SetSource(void* database, std::uint16_t container, std::uint32_t store,
                std::uint32_t recordId);
  int SetSource(const ArbContext& context, std::uint32_t recordId);

  // Navigation: 1 if the current field moved, 0 (no move) if the target does not exist. The root
  // has no parent and no siblings, even when SetRoot made an inner field of a larger tree the root.
  void GotoRoot() { current_ = root_; }
  int GotoParent();
  int GotoChild();
  int GotoNext();
  int GotoPrevious();
  // To the first or last sibling of the current field: 1 (also when already there), 0 if empty.
  int GotoFirst();
  int GotoLast();

  // Searches match the tag only. Occurrences count matches from 1; 1 or less means the first.
  // FindField makes the match current; 0 and no move if none.
  int FindField(std::uint16_t tag, std::int16_t occurrence = 1, eFindStart start = eFromRoot,
                eFindArea area = eInTree);
  // The number of fields with `tag` in the area (65535 at most); 0 if the start field does not
  // exist.
  std::uint16_t GetFieldCount(std::uint16_t tag, eFindStart start = eFromRoot,
                              eFindArea area = eInTree);

  // The current field: tag, value length in bytes (0 without a current field), root's tag.
  std::uint16_t GetTag() const;
  std::uint16_t GetLength() const;
  std::uint16_t GetRootTag() const;

  // Frees the string *text holds and sets it null, then stores a new BSTR of the current field's
  // text in it (empty text gives an empty BSTR, owned by the caller). 1 if *text is not null.
  int Get(BSTR* text);
  // The current field's text as UTF-8 with its NUL in `buffer`, never past `size` bytes. The buffer
  // is emptied first (size not 0); text that does not fit leaves it empty and keeps CONV_ILLEGAL.
  // 1 when the kept code is 0.
  int Get(char* buffer, std::uint16_t size);
  // Integers: the output is 0 first, then the value; a value out of the type's range or of another
  // type fails with the store's conversion code. 1 on success.
  int Get(std::int32_t* value);
  int Get(std::uint32_t* value);
  int Get(std::int16_t* value);
  int Get(std::uint16_t* value);
  // The current field's text length in UTF-16 units in *chars (0 on failure). 1 on success.
  int StringLength(std::uint16_t* chars);

  // Find and read: the current field stays where it is, whatever is found. Not found or not
  // readable gives null / 0.
  BSTR FindGetBSTR(std::uint16_t tag, std::int16_t occurrence = 1, eFindStart start = eFromRoot,
                   eFindArea area = eInTree);
  // Reads the match as Get(buffer, size); the result is the length of the text in `buffer`.
  int FindGetString(char* buffer, std::uint16_t size, std::uint16_t tag,
                    std::int16_t occurrence = 1, eFindStart start = eFromRoot,
                    eFindArea area = eInTree);
  std::int16_t FindGetWSWORD(std::uint16_t tag, std::int16_t occurrence = 1,
                             eFindStart start = eFromRoot, eFindArea area = eInTree);
  std::uint16_t FindGetWUWORD(std::uint16_t tag, std::int16_t occurrence = 1,
                              eFindStart start = eFromRoot, eFindArea area = eInTree);
  std::int32_t FindGetWSDWORD(std::uint16_t tag, std::int16_t occurrence = 1,
                              eFindStart start = eFromRoot, eFindArea area = eInTree);
  std::uint32_t FindGetWUDWORD(std::uint16_t tag, std::int16_t occurrence = 1,
                               eFindStart start = eFromRoot, eFindArea area = eInTree);
  // The record ID a context field holds: 0 if no field matches, 0xFFFFFFFF if the match holds no
  // record ID or is no context field.
  std::uint32_t FindGetRecPtr(std::uint16_t tag, std::int16_t occurrence = 1,
                              eFindStart start = eFromRoot, eFindArea area = eInTree);

  // Writing the current field. Null or empty text deletes the field instead (as DeleteField(0,
  // ...)). Text that is not valid UTF-16/UTF-8 fails with CONV_ILLEGAL, over 65,535 stored bytes
  // with LARGE; the field keeps its value on failure.
  int Put(const OLECHAR* text);
  int Put(const char* text);
  int Put(std::uint32_t value);
  int Put(std::int32_t value);
  int Put(std::uint16_t value);
  int Put(std::int16_t value);

  // A new valueless field with `tag`, attached to the start field by `mode` at `position`; it
  // becomes current. 0 if the start field does not exist, the mode is unknown, or the store refuses
  // (tag 0: INVALID_TAG; a sibling of the root: GED_BAD_LEVEL; code kept).
  int AddField(std::uint16_t tag, std::int16_t position, eFindStart start, eGraftMode mode);
  // The same with a copy of the other record's root tree (the copy's root drops its record ID and
  // source); the copy's root becomes current. `other` may be this record.
  int AddRecord(ArbRecord& other, std::int16_t position, eFindStart start, eGraftMode mode);
  // Removes the match of `tag` (tag 0: the current field) with its descendants. The new current
  // field is the target's next sibling, else its previous sibling, else its parent; deleting the
  // root empties the record. Removed fields stay in the pool until it is emptied. 0 if no target.
  int DeleteField(std::uint16_t tag, std::int16_t occurrence = 1, eFindStart start = eFromRoot,
                  eFindArea area = eInTree);
  // Makes the presence of a match agree with `include`: deletes a match when include is 0, adds
  // `tag` as the start field's last child when include is not 0 and there is no match.
  void IncludeField(std::uint16_t tag, int include, std::int16_t occurrence = 1,
                    eFindStart start = eFromRoot, eFindArea area = eInTree);
  // Finds the field, or adds one as a child of the start field at `position` (giving up silently
  // when that fails), and puts the value into it; empty text deletes the field again.
  void AssignField(std::uint16_t tag, const char* value, std::int16_t occurrence = 1,
                   std::int16_t position = kLast, eFindStart start = eFromRoot,
                   eFindArea area = eInTree);
  void AssignField(std::uint16_t tag, std::int16_t value, std::int16_t occurrence = 1,
                   std::int16_t position = kLast, eFindStart start = eFromRoot,
                   eFindArea area = eInTree);
  void AssignField(std::uint16_t tag, std::int32_t value, std::int16_t occurrence = 1,
                   std::int16_t position = kLast, eFindStart start = eFromRoot,
                   eFindArea area = eInTree);

  // Database operations; record ID 0 means the root's record ID. Retrieve replaces this record by
  // the stored one (root carrying record ID and source; current = root); on failure the record is
  // empty, and a damaged or unreadable file (BLOCK_CHECKSUM, BTREE_ERROR, DATA_ERROR, IO_ERR)
  // throws the code as ArbError rather than pass for a missing record. Add stores the tree as a new
  // record (with ID 0 and no ID on the root, the store assigns one, which is not reported back);
  // the record gets no source. Update replaces, Remove deletes the stored record. An empty record
  // cannot be added or updated (NULL_RECORD).
  int Retrieve(void* database, std::uint32_t store, std::uint16_t container,
               std::uint32_t recordId);
  int Retrieve(const ArbContext& context, std::uint32_t recordId = 0);
  int Add(void* database, std::uint32_t store, std::uint16_t container, std::uint32_t recordId);
  int Add(const ArbContext& context, std::uint32_t recordId = 0);
  int Update(void* database, std::uint32_t store, std::uint16_t container, std::uint32_t recordId);
  int Update(const ArbContext& context, std::uint32_t recordId = 0);
  int Remove(void* database, std::uint32_t store, std::uint16_t container, std::uint32_t recordId);
  int Remove(const ArbContext& context, std::uint32_t recordId = 0);

  // Throws the kept code as ArbError.
  [[noreturn]] void ThrowError();
  // Deletes this record (which must come from new), then throws its kept code as ArbError.
  [[noreturn]] void DeleteAndThrowError();

  // The record as indented text, one line per field of the root's tree:
  //   "<2L blanks><L> [@<record ID>@ ]<name or TAG_<tag>>[ <value>]\r\n"
  // with names from the dictionary of the record's database and store. The text stays
  // NUL-terminated and never passes `size` bytes; only whole lines are written. The first field
  // whose value cannot be read ends the output with "    # Error: <code name>" on its line and
  // gives that code; a line that does not fit gives CONV_DEST_OVERFLOW; an empty record gives
  // NULL_RECORD. 1 when the kept code is 0.
  int Format(char* buffer, std::uint16_t size);

 protected:
  friend class ArbCursor;

  // Lets a derived class keep the code of a store operation it made on the record's behalf (a
  // cursor it set up), so that GetLastError reports it.
  void SetLastError(std::uint32_t code) { error_ = code; }

  // Empty the record, then read the cursor's first, next, previous, last or current record into
  // it; its root becomes current and carries the record ID and the source of the set it came from
  // (the cursor's own source, or for a join the joined set's). The result is the store's code.
  std::uint32_t CursorFirst(ArbCursor& cursor);
  std::uint32_t CursorNext(ArbCursor& cursor);
  std::uint32_t CursorPrev(ArbCursor& cursor);
  std::uint32_t CursorLast(ArbCursor& cursor);
  std::uint32_t CursorCurrent(ArbCursor& cursor);

  // The operation behind the copy constructor and the assignments.
  void CopyNode(node* field);
  // The field names of the record's database and store, loaded on first use and kept (reloaded
  // when the record's source moves to another database or store); null without a database or
  // dictionary.
  store::NameTable* GetNameTable();

 private:
  node* StartField(eFindStart start) const;
  // Tree steps that never leave the root's subtree.
  node* ParentOf(const node* field) const;
  node* NextOf(const node* field) const;
  node* PreviousOf(const node* field) const;
  int MoveTo(node* field);
  // Walks `area` from `start` counting the fields with `tag`; returns the match that brings the
  // count to `wanted` (null when the count stays below it; wanted 0 counts everything).
  node* ScanArea(node* start, eFindArea area, std::uint16_t tag, std::uint32_t wanted,
                 std::uint32_t* matches);
  node* Locate(std::uint16_t tag, std::int16_t occurrence, eFindStart start, eFindArea area);
  int Graft(node* anchor, node* subtree, std::int16_t position, eGraftMode mode);
  int DeleteTarget(node* target);
  int FindOrAdd(std::uint16_t tag, std::int16_t occurrence, std::int16_t position, eFindStart start,
                eFindArea area);
  BSTR ReadBSTR(const node* field);
  int ReadNarrow(const node* field, char* buffer, std::uint16_t size);
  template <typename T>
  int ReadInteger(const node* field, std::uint32_t (*read)(const node*, T*), T* value);
  template <typename T>
  T FindInteger(std::uint32_t (*read)(const node*, T*), std::uint16_t tag, std::int16_t occurrence,
                eFindStart start, eFindArea area);
  std::uint32_t CursorRead(ArbCursor& cursor, int move);
  // The record ID an operation addresses: `recordId`, or the root's when it is 0.
  std::uint32_t TargetId(std::uint32_t recordId) const;

  ArbError error_;
  node* root_ = nullptr;
  node* current_ = nullptr;
  ArbPool pool_;
  store::NameTable* nameTable_ = nullptr;
  void* nameTableDatabase_ = nullptr;
  std::uint32_t nameTableStore_ = 0;
};
