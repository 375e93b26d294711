// A query cursor of the record store: a source (this object's ArbContext), criteria appended as
// fields, operators and values (or written as text with SetCriteria), indexes, joined sources
// (context sets) and a position in the result set. Every collection class of the library derives
// from it.
//
// Results are int 1 (success) or 0 with the store's code kept (see GetErrorCode). Starting and
// freeing the store's cursor, index and mode settings, context sets, counts and the current
// record ID throw the code as ArbError instead.
#pragma once

#include <cstdint>

#include "ArbContext.h"
#include "ArbError.h"
#include "LexcoreExport.h"
#include "Node.h"

class ArbRecord;
namespace store {
struct Cursor;
}

class LEXCORE_API ArbCursor : public ArbContext {
 public:
  // Mode bits.
  static constexpr std::uint16_t kWildcardsOff = 1;
  static constexpr std::uint16_t kWildcardsOn = 2;
  static constexpr std::uint16_t kCaseInsensitive = 4;
  static constexpr std::uint16_t kCaseSensitive = 8;

  // No store cursor yet: call Init before use.
  ArbCursor();
  // Each of these takes the source only (a copy takes neither criteria, indexes, mode nor
  // position) and starts a store cursor; throws ArbError if that fails.
  ArbCursor(const ArbCursor& other);
  explicit ArbCursor(const ArbContext& context);
  ArbCursor(void* database, std::uint16_t container, std::uint32_t store);
  ArbCursor& operator=(const ArbCursor& other);
  ~ArbCursor() override;

  // Sets the source, releases a store cursor already held and starts a new one; throws on failure.
  void Init(void* database, std::uint16_t container, std::uint32_t store);
  // Releases the store cursor (throws if that fails) and clears the source.
  void Free();
  store::Cursor* GetCursor() const { return cursor_; }
  std::uint32_t GetErrorCode() const { return error_; }
  void ThrowError();
  // Deletes this object (allocated with new), then throws the code it held.
  void DeleteAndThrowError();

  // Criteria. contextSet 0 is the own source, 1 to 8 a context set; the last argument is unused.
  int AddField(std::uint16_t tag, std::uint16_t contextSet = 0, std::int16_t unused = 0);
  // A zero-ended path of tags from the record root down.
  int AddField(const std::uint16_t* tagPath, std::uint16_t contextSet = 0, std::int16_t unused = 0);
  int AddOp(std::uint16_t code);
  int AddValue(std::uint16_t value);
  int AddValue(std::int16_t value);
  int AddValue(std::uint32_t value);
  int AddValue(std::int32_t value);
  // Narrow (UTF-8) text; null counts as empty. 0 and nothing added when it is not valid UTF-8.
  int AddValue(const char* text);
  // Wide text; null counts as empty.
  int AddValue(const char16_t* text);
  // The value a record field holds: text as text, a number as signed (isSigned != 0) or unsigned
  // 32-bit, a record pointer as unsigned 32-bit; other types add nothing and give 0.
  int AddValue(const node* field, int isSigned);
  int Validate();
  // Starts the store cursor anew with empty criteria, keeping only the master index.
  void ClearCriteria();
  // Appends criteria written as text (null: ClearCriteria) and validates them; never throws.
  int SetCriteria(const char* text);
  void Wildcards(int on);
  void CaseSensitive(int on);

  // Indexes and joined sources.
  void SetIndex(std::uint16_t contextSet, std::uint16_t index);
  std::uint16_t GetIndex(std::uint16_t contextSet);
  void SetMasterIndex(std::uint16_t index, std::uint8_t option);
  std::uint16_t GetMasterIndex() { return GetIndex(0); }
  // The first free context set 1 to 8, now in use; 0 when all are taken. Bookkeeping only.
  std::uint16_t OpenContextSet();
  void CloseContextSet(std::uint16_t set);
  void ClearContextSets();
  void AddContextToSet(std::uint16_t set, void* database, std::uint32_t store,
                       std::uint16_t container);
  void AddContextToSet(std::uint16_t set, const ArbContext& context);

  // Reading and moving; 0 at either end of the result set. A damaged or unreadable file
  // (BLOCK_CHECKSUM, BTREE_ERROR, DATA_ERROR, IO_ERR) throws the code as ArbError instead, so that
  // it cannot pass for the end.
  int ReadFirst(ArbRecord& record);
  int ReadNext(ArbRecord& record);
  int ReadPrevious(ArbRecord& record);
  int ReadLast(ArbRecord& record);
  int ReadCurrent(ArbRecord& record);
  int GoFirst(std::uint32_t* recordId = nullptr);
  int GoNext(std::uint32_t* recordId = nullptr);
  int GoPrevious(std::uint32_t* recordId = nullptr);
  int GoLast(std::uint32_t* recordId = nullptr);
  std::uint32_t CurrentRecordID();
  std::uint32_t GetRecCount();
  // Retrieves a record of the cursor's source by ID; the cursor's own code is not touched.
  int ReadRecord(std::uint32_t recordId, ArbRecord& record);
  // Replaces the criteria by `tag op value`, validates and reads the first match.
  int ReadMatching(std::uint16_t tag, std::uint16_t op, std::uint32_t value, ArbRecord& record);

  // Changes through the cursor's source. On success the record gets the cursor's source (and, for
  // an added record, the ID it was stored under).
  int AddRecord(ArbRecord& record, std::uint32_t recordId, int flags);
  int AddRecord(ArbRecord& record, int flags) { return AddRecord(record, 0, flags); }
  int UpdateRecord(ArbRecord& record, int flags);
  int DeleteRecord(std::uint32_t recordId, int flags);
  int DeleteRecord(ArbRecord& record, int flags);

 protected:
  // Starts a store cursor over the present source; 1 on success.
  int Init();

  ArbError error_;

 private:
  friend class ArbRecord;

  void StartOrThrow();
  void ApplyMode();
  int Read(int move, ArbRecord& record);
  int Go(int move, std::uint32_t* recordId);
  void Check(std::uint32_t code);

  store::Cursor* cursor_ = nullptr;
  std::uint16_t slots_[8] = {};
  std::uint16_t mode_ = 0;
};
