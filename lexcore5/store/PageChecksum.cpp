#include "store/PageChecksum.h"

#include <cstring>

namespace store {
namespace {

constexpr std::uint64_t kLaneMultiplier = 0x9E3779B97F4A7C15ULL;
constexpr std::uint64_t kOtherLaneMultiplier = 0xC2B2AE3D27D4EB4FULL;

std::uint64_t WordAt(const unsigned char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// The high bits of a product carry its differences downwards again, so that two changes in the
// top bits of different words cannot cancel out.
std::uint64_t Mix(std::uint64_t lane, std::uint64_t word, std::uint64_t multiplier) {
  lane = (lane ^ word) * multiplier;
  return lane ^ (lane >> 29);
}

std::uint64_t Finish(std::uint64_t value) {
  value ^= value >> 33;
  value *= 0xFF51AFD7ED558CCDULL;
  value ^= value >> 33;
  value *= 0xC4CEB9FE1A85EC53ULL;
  return value ^ (value >> 33);
}

// Two independent lanes over alternate words halve the chain of dependent multiplications.
std::uint64_t ChecksumOf(const unsigned char* page, std::size_t size, std::uint64_t number) {
  const std::size_t covered = size - kPageChecksumSize;
  std::uint64_t even = Finish(number);
  std::uint64_t odd = ~even;
  std::size_t at = 0;
  for (; at + 16 <= covered; at += 16) {
    even = Mix(even, WordAt(page + at), kLaneMultiplier);
    odd = Mix(odd, WordAt(page + at + 8), kOtherLaneMultiplier);
  }
  for (; at < covered; ++at) even = Mix(even, page[at], kLaneMultiplier);
  return Finish(even ^ (odd * kLaneMultiplier) ^ covered);
}

}  // namespace

void StampPage(unsigned char* page, std::size_t size, std::uint64_t number) {
  const std::uint64_t checksum = ChecksumOf(page, size, number);
  std::memcpy(page + size - kPageChecksumSize, &checksum, sizeof checksum);
}

bool PageIntact(const unsigned char* page, std::size_t size, std::uint64_t number) {
  if (size < kSmallestPageSize) return false;
  return ChecksumOf(page, size, number) == WordAt(page + size - kPageChecksumSize);
}

}  // namespace store
