// Checks a database file through and through: the checksum of every page (free pages and the file
// header included), then, when every page is intact, every record's checksum and structure and
// every index entry against the record it points to. Opens the file read-only on a session of its
// own, so it can run while the file is open elsewhere for reading. Never throws.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "LexcoreExport.h"

class LEXCORE_API DatabaseChecker {
 public:
  enum Stage { eCheckPages = 0, eCheckRecords = 1, eCheckIndexEntries = 2 };
  // Told how far the check has come within a stage; returning 0 stops the check.
  using Progress = std::function<int(Stage stage, std::uint64_t done, std::uint64_t total)>;

  // 1 when the check ran (to its end, or until the progress stopped it); the findings are then in
  // IsDamaged and GetReport. 0 when the file could not be checked at all: GetErrorCode tells why
  // (IO_PATH_NOT_FOUND, NOT_DB, OLD_DB, NEWER_DB, ACCESS_CONFLICT, ...).
  int Run(const char* path, const Progress& progress);

  int IsDamaged() const { return damaged_ ? 1 : 0; }
  int WasStopped() const { return stopped_ ? 1 : 0; }
  std::uint32_t GetErrorCode() const { return error_; }
  // What the check found, a sentence a line, the verdict last.
  const std::vector<std::string>& GetReport() const { return report_; }

 private:
  std::vector<std::string> report_;
  std::uint32_t error_ = 0;
  bool damaged_ = false;
  bool stopped_ = false;
};
