// Writing small lexical databases for the widget tests record by record: each record is given as
// its fields in pre-order (depth, tag, value).
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class FxDatabase;

namespace test_records {

struct Field {
  enum class Kind { kNone, kNumber, kPointer, kText };
  Kind kind;
  int depth;
  std::uint16_t tag;
  std::int32_t number = 0;
  std::string text;
};
Field Group(int depth, std::uint16_t tag);
Field Number(int depth, std::uint16_t tag, std::int32_t value);
Field Pointer(int depth, std::uint16_t tag, std::uint32_t id);
Field Text(int depth, std::uint16_t tag, std::string text);

// Throws std::runtime_error naming `what` unless `done`.
void Require(bool done, const char* what);

// Adds the record of `fields` (the first is its root) as record `id` of (store, container).
void Put(FxDatabase& db, std::uint32_t store, std::uint16_t container, std::uint32_t id,
         std::initializer_list<Field> fields);

// Creates the database file `path`, prepares each language store (number, collation locale),
// writes the version, site and build records that make it open, then calls `write` inside one
// bulk write. Throws std::runtime_error when a step fails.
void WriteDatabase(const std::string& path,
                   const std::vector<std::pair<std::uint32_t, const char*>>& languageStores,
                   const std::function<void(FxDatabase&)>& write);

}  // namespace test_records
