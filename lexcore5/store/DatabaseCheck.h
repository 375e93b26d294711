// A full check of a database file: every page's checksum, then every record's checksum and
// structure, then every index entry against the record it points to.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "store/PageScan.h"
#include "store/RecordStore.h"

namespace store {

enum class CheckStage : std::uint8_t { kPages, kRecords, kIndexEntries };

// Called as the check goes on; false stops it.
using CheckProgress =
    std::function<bool(CheckStage stage, std::uint64_t done, std::uint64_t total)>;

struct CheckFindings {
  // Why the file could not be opened although it is one of ours (damage); 0 when it opened.
  std::uint32_t openCode = 0;
  PageScanResult pages;
  // Records and index entries are read only when every page is intact: a damaged page stops
  // every read that reaches it.
  bool recordsChecked = false;
  std::uint64_t records = 0;
  // Row keys (RecordAddress.h) of the records that fail their checksum or cannot be decoded.
  std::vector<std::int64_t> damagedRecords;
  // Row keys of the packs of records (RecordPack.h) that cannot be unpacked: none of their records
  // can be read. A pack holds packSlots records at most.
  std::vector<std::int64_t> damagedPacks;
  unsigned packSlots = 0;
  bool entriesChecked = false;
  std::uint64_t entries = 0;
  // Entries the intact records give but the index lacks, and entries no intact record gives.
  std::uint64_t missingEntries = 0;
  std::uint64_t strayEntries = 0;
  bool stopped = false;

  bool Damaged() const {
    return openCode != 0 || !pages.damaged.empty() || pages.headerPages != 0 ||
           !damagedRecords.empty() || !damagedPacks.empty() || missingEntries != 0 ||
           strayEntries != 0;
  }
};

// Checks the file at `path`, opened read-only in `session`. A store code when the file cannot be
// checked at all (missing, not ours, another format, locked); damage is reported in *findings with
// SUCCESS.
std::uint32_t CheckDatabaseFile(Session* session, const char* path, const CheckProgress& progress,
                                CheckFindings* findings);

}  // namespace store
