// The commands that read a database: info, dump and query.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ArbCodes.h"
#include "ArbCursor.h"
#include "ArbRecord.h"
#include "Commands.h"
#include "ErrorText.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "Polylex.h"

namespace polylex {
namespace {

// Records print through a buffer of the largest size Format takes.
constexpr std::uint16_t kFormatSize = 65535;

bool OpenOrSay(Polylex& database, const std::string& path) {
  try {
    database.Open(path.c_str(), nullptr, 1, 0);
    return true;
  } catch (const PLXException& error) {
    std::fprintf(stderr, "polylex: %s\n", Describe(error, path).c_str());
    return false;
  }
}

std::string TextOf(ArbRecord& record, std::uint16_t tag) {
  char text[512];
  return record.FindGetString(text, sizeof text, tag) > 0 ? text : "";
}

std::uint32_t CountOf(void* db, std::uint32_t store, std::uint16_t container) {
  ArbCursor cursor(db, container, store);
  return cursor.GetRecCount();
}

// The variants of the language's concepts: the names of top concepts share their container.
std::uint32_t ConceptVariantCountOf(void* db, std::uint32_t store) {
  ArbCursor cursor(db, schema::kDefaultContainer, store);
  cursor.SetMasterIndex(schema::kVariantConceptIndex, 1);
  return cursor.GetRecCount();
}

// The text followed by blanks up to `width` characters (not bytes: "Norwegian Bokmål").
std::string Padded(const std::string& text, std::size_t width) {
  std::size_t characters = 0;
  for (const char byte : text) characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return text + std::string(width > characters ? width - characters : 0, ' ');
}

void PrintRecord(ArbRecord& record) {
  std::vector<char> text(kFormatSize);
  const int ok = record.Format(text.data(), kFormatSize);
  std::fputs(text.data(), stdout);
  if (!ok) {
    std::printf("# record %u not shown in full: %s\n", record.GetID(),
                static_cast<const char*>(record.GetLastError()));
  }
}

}  // namespace

int RunInfo(const std::string& path) {
  Polylex database;
  if (!OpenOrSay(database, path)) return 1;
  return WithLibraryErrors(path, [&] {
    void* db = database.GetDatabase();
    ArbRecord record;
    std::printf("Database:     %s\n", path.c_str());
    std::printf("Data version: %c.%c\n", database.GetDataVersion() >> 8,
                database.GetDataVersion() & 0xFF);
    if (record.Retrieve(db, schema::kSiteStore, schema::kDefaultContainer, schema::kSiteRecord)) {
      std::printf("Site:         %s (%s)\n", TextOf(record, schema::SITE_NAME).c_str(),
                  TextOf(record, schema::SITE_LANGUAGE).c_str());
    }
    std::printf("ILI records:  %u\n", CountOf(db, schema::kIliStore, schema::kDefaultContainer));
    std::printf("Languages:\n");
    ArbCursor languages(db, schema::kLanguages, schema::kSharedStore);
    while (languages.ReadNext(record)) {
      std::uint32_t store = record.FindGetWUDWORD(schema::STORE_ID);
      const std::string locale = TextOf(record, schema::LOCALE);
      std::printf("  %-3s %s %-8s store %u: %u concepts, %u variants, %u links\n",
                  TextOf(record, schema::LANGUAGE_CODE).c_str(),
                  Padded(TextOf(record, schema::NAME), 18).c_str(),
                  locale.empty() ? "-" : locale.c_str(), store,
                  CountOf(db, store, schema::kConcepts), ConceptVariantCountOf(db, store),
                  CountOf(db, store, schema::kInternalLinks));
    }
    std::printf("Relations:\n");
    ArbCursor relations(db, schema::kDefaultContainer, schema::kSharedStore);
    relations.SetMasterIndex(schema::kRelationIndex, 1);
    while (relations.ReadNext(record)) {
      std::printf("  %3d %s\n", record.FindGetWSWORD(schema::RELATION),
                  TextOf(record, schema::NAME).c_str());
    }
    database.Close();
    return 0;
  });
}

int RunDump(const std::string& path, std::uint32_t store, std::uint16_t container,
            std::uint32_t recordId) {
  Polylex database;
  if (!OpenOrSay(database, path)) return 1;
  ArbRecord record;
  if (!record.Retrieve(database.GetDatabase(), store, container, recordId)) {
    const std::uint32_t code = record.GetLastError();
    if (code == arbcode::NOT_FOUND) {
      std::fprintf(stderr, "polylex: no record %u in store %u, container %u\n", recordId, store,
                   container);
    } else {
      std::fprintf(stderr, "polylex: %s\n", DescribeStoreCode(code, path).c_str());
    }
    return 1;
  }
  PrintRecord(record);
  return 0;
}

int RunQuery(const std::string& path, std::uint32_t store, std::uint16_t container,
             const std::string& criteria, std::uint16_t index, std::uint32_t limit) {
  Polylex database;
  if (!OpenOrSay(database, path)) return 1;
  try {
    ArbCursor cursor(database.GetDatabase(), container, store);
    if (index != 0) cursor.SetMasterIndex(index, 1);
    if (!cursor.SetCriteria(criteria.c_str())) {
      std::fprintf(stderr, "polylex: the criteria cannot be used: %s\n",
                   static_cast<const char*>(ArbError(cursor.GetErrorCode())));
      return 1;
    }
    ArbRecord record;
    std::uint32_t shown = 0;
    while (shown < limit && cursor.ReadNext(record)) {
      PrintRecord(record);
      ++shown;
    }
    const std::uint32_t code = cursor.GetErrorCode();
    if (code != arbcode::SUCCESS && code != arbcode::EOF_HIT) {
      std::fprintf(stderr, "polylex: %s\n", DescribeStoreCode(code, path).c_str());
      return 1;
    }
    std::printf("# %u of %u matching records shown\n", shown, cursor.GetRecCount());
  } catch (const ArbError& error) {
    std::fprintf(stderr, "polylex: %s\n", DescribeStoreCode(error, path).c_str());
    return 1;
  }
  return 0;
}

}  // namespace polylex
