// The root object of a lexical database: one open database file. It opens and checks the file,
// reports versions and path, and hands out the objects through which the data is reached.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ArbError.h"
#include "CreateOptions.h"
#include "LexcoreExport.h"
#include "SysString.h"

class ILIRecords;
class LanguageWordNet;
class LanguageWordNets;
class Relations;
class Site;
class TopConcepts;

class LEXCORE_API Polylex {
 public:
  static constexpr std::size_t kPathSize = 240;
  static constexpr std::uint16_t kCodeVersion = 2481;

  Polylex() = default;
  Polylex(const Polylex&) = delete;
  Polylex& operator=(const Polylex&) = delete;
  // Closes the database; a failure to close is swallowed.
  virtual ~Polylex();

  // Opens the file and checks that it holds a lexical database of data version 1.3 or newer with
  // its site and build records. Throws PLXException: kind ARBOR with the store's code when the file
  // cannot be opened (IO_PATH_NOT_FOUND, NOT_DB, IO_PATH_TOO_LONG for a path of 240 bytes or
  // more, ...), ePLXIncompatibleDatabase when its content does not pass; in that case the database
  // stays open until Close. Does not close a database already open.
  void Open(const char* path, const char* secondPath, int readOnly, int exclusive);
  // Throws PLXException (kind ARBOR) when the store fails to close.
  void Close();
  int IsOpen() const { return database_ != nullptr ? 1 : 0; }
  std::uint16_t GetCodeVersion() const { return kCodeVersion; }
  // The first and third characters of the version text ("1.3" gives 0x3133); throws PLXException
  // (kind ARBOR, with the code of the last open or close) when it cannot be read.
  std::uint16_t GetDataVersion();
  // The path of the last Open as a new wide string; the caller frees it.
  BSTR GetPath() const;
  void* GetDatabase() const { return database_; }
  // New collections owned by the caller (released with Destroy()): every relation definition, in
  // the order of the relation index, and every ILI record. Out of memory throws PLXException
  // (ePLXOutOfMemory); a cursor that cannot start throws ArbError.
  Relations* GetRelations();
  ILIRecords* GetILIRecords();
  // Every language wordnet, in record ID order.
  LanguageWordNets* GetLanguageWordNets();
  // Every top concept of the ontology.
  TopConcepts* GetTopConcepts();
  // The ILI as one more language wordnet (code "xx", name "ili_v", store 99), built in memory; it
  // has no exporter.
  LanguageWordNet* GetILILanguageWordNet();
  // The site record; throws PLXException (ePLXNoSiteRecord) when it cannot be retrieved.
  Site* GetSite();
  std::uint32_t GetErrorCode() const { return error_; }

 private:
  ArbError error_;
  void* database_ = nullptr;
  Create_Options options_{};
  char path_[kPathSize] = {};
  std::uint8_t flags_ = 0;
};
