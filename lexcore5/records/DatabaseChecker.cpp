#include "DatabaseChecker.h"

#include <cstdio>

#include "ArbCodes.h"
#include "ArbError.h"
#include "store/DatabaseCheck.h"
#include "store/RecordAddress.h"
#include "store/RecordPack.h"

namespace {

// Long lists of damage help nobody: the first few places, then how many more.
constexpr std::size_t kPlacesShown = 10;

std::string CodeText(std::uint32_t code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%04X", code);
  return std::string(ArbError::NameOf(code)) + " (store error " + hex + ")";
}

std::string Count(std::uint64_t count, const char* noun) {
  return std::to_string(count) + " " + noun;
}

template <typename Item, typename Describe>
std::string Places(const std::vector<Item>& items, Describe describe) {
  std::string text;
  for (std::size_t i = 0; i < items.size() && i < kPlacesShown; ++i) {
    text += (i == 0 ? ": " : ", ") + describe(items[i]);
  }
  if (items.size() > kPlacesShown) {
    text += " and " + std::to_string(items.size() - kPlacesShown) + " more";
  }
  return text;
}

std::string RecordAddressText(std::int64_t rowKey) {
  const auto key = static_cast<std::uint64_t>(rowKey);
  return "store " + std::to_string(key >> 48) + " container " +
         std::to_string((key >> 32) & 0xFFFF) + " record " +
         std::to_string(store::RecordIdOfRowKey(rowKey));
}

std::string PackAddressText(std::int64_t rowKey, unsigned slots) {
  return RecordAddressText(rowKey) + " to " +
         std::to_string(store::RecordIdOfRowKey(rowKey) + slots - 1);
}

std::vector<std::string> ReportOf(const store::CheckFindings& findings) {
  std::vector<std::string> report;
  if (findings.openCode != 0) {
    report.push_back("The database cannot be opened: " + CodeText(findings.openCode) + ".");
  }
  const store::PageScanResult& pages = findings.pages;
  report.push_back(
      "Pages: " + Count(pages.pages, "checked") + ", " + Count(pages.damaged.size(), "damaged") +
      Places(pages.damaged, [](std::uint64_t page) { return "page " + std::to_string(page); }) +
      ".");
  if (pages.headerPages != 0) {
    report.push_back("The header counts " + Count(pages.headerPages, "pages") +
                     " but the file holds " + std::to_string(pages.pages) +
                     ": the file was cut short or added to.");
  }
  if (findings.recordsChecked) {
    report.push_back("Records: " + Count(findings.records, "checked") + ", " +
                     Count(findings.damagedRecords.size(), "damaged") +
                     Places(findings.damagedRecords, RecordAddressText) + ".");
    if (!findings.damagedPacks.empty()) {
      report.push_back("Packs of records: " + Count(findings.damagedPacks.size(), "damaged") +
                       Places(findings.damagedPacks,
                              [&findings](std::int64_t rowKey) {
                                return PackAddressText(rowKey, findings.packSlots);
                              }) +
                       "; none of their records can be read.");
    }
  } else if (!findings.stopped) {
    report.push_back(
        "Records and index entries were not checked: no read gets past a damaged page.");
  }
  if (findings.entriesChecked) {
    report.push_back("Index entries: " + Count(findings.entries, "checked") + ", " +
                     Count(findings.missingEntries, "missing") + ", " +
                     Count(findings.strayEntries, "without a record that gives them") + ".");
  }
  if (findings.stopped) report.push_back("The check was stopped before its end.");
  if (findings.Damaged()) {
    report.push_back("The database is damaged.");
  } else {
    report.push_back(findings.stopped ? "No damage found in the part checked."
                                      : "No damage found.");
  }
  return report;
}

}  // namespace

int DatabaseChecker::Run(const char* path, const Progress& progress) {
  report_.clear();
  damaged_ = false;
  stopped_ = false;
  store::Session* session = nullptr;
  error_ = store::CreateSession(0, 0, &session);
  if (error_ != arbcode::SUCCESS) return 0;
  const store::CheckProgress stepped = [&progress](store::CheckStage stage, std::uint64_t done,
                                                   std::uint64_t total) {
    return !progress || progress(static_cast<Stage>(stage), done, total) != 0;
  };
  store::CheckFindings findings;
  error_ = store::CheckDatabaseFile(session, path, stepped, &findings);
  store::CloseSession(&session);
  if (error_ != arbcode::SUCCESS) return 0;
  damaged_ = findings.Damaged();
  stopped_ = findings.stopped;
  report_ = ReportOf(findings);
  return 1;
}
