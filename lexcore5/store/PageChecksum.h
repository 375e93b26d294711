// The checksum in the reserved tail of every page of a database file. It covers the rest of the
// page and the page's number, so a page that is damaged, zeroed, or written in the wrong place all
// fail to verify.
#pragma once

#include <cstddef>
#include <cstdint>

namespace store {

// Bytes at the end of every page that the page layer leaves to us.
constexpr int kPageChecksumSize = 8;
// Reads and writes smaller than this are never whole pages (SQLite's smallest page is 512 bytes).
constexpr std::size_t kSmallestPageSize = 512;

// Writes the checksum of `page` (`size` bytes, page `number` counted from 1) into its last bytes.
void StampPage(unsigned char* page, std::size_t size, std::uint64_t number);
// Whether the page's last bytes hold its checksum.
bool PageIntact(const unsigned char* page, std::size_t size, std::uint64_t number);

}  // namespace store
