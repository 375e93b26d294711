// One index as the database keeps it: which store and container it covers, and the field paths
// whose values make up its keys. Components are stored in the file as a compact blob: per component
// its depth, key type and path tags (16-bit, little-endian).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/RecordStore.h"

namespace store {

constexpr std::size_t kMaxIndexComponents = 8;

struct IndexDefinition {
  std::uint32_t store = 0;
  std::uint16_t number = 0;
  std::uint16_t container = 0;
  std::vector<IndexComponent> components;
  // The index number its entries are kept under: its own, or that of a twin it shares them with.
  std::uint16_t entries = 0;

  bool OwnsEntries() const { return entries == number; }
};

// Same store, container and components: the indexes would hold the same keys.
bool AreTwins(const IndexDefinition& a, const IndexDefinition& b);

// BAD_IX unless there are 1 to kMaxIndexComponents components, each with a depth of 1 to
// kMaxPathDepth, nonzero tags and a known key type.
std::uint32_t CheckComponents(const IndexComponent* components, std::size_t count);

std::string EncodeComponents(const std::vector<IndexComponent>& components);
// DATA_ERROR when the blob is not a valid component list.
std::uint32_t DecodeComponents(std::string_view blob, std::vector<IndexComponent>* components);

}  // namespace store
