// Damaging copies of a database file in reproducible ways, and reading a copy through Polylex the
// way a viewer would, with every walk bounded so that a damaged file cannot keep a case busy.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace damage {

enum class Kind { kBitFlips, kTruncation, kRandomBytes, kZeros };

// One damage: `length` bits flipped from `offset` on (scattered over the file, drawn from `seed`),
// the file cut to `offset` bytes, or `length` bytes from `offset` overwritten.
struct Mutation {
  std::uint32_t seed;
  Kind kind;
  std::size_t offset;
  std::size_t length;
};

// The damage that `seed` picks for a file of `size` bytes (size > 0).
Mutation Choose(std::uint32_t seed, std::size_t size);
// `bytes` with the damage done.
std::vector<char> Apply(const Mutation& mutation, std::vector<char> bytes);
// "seed 12: zeros, offset 4096, length 37", for failure messages.
std::string Describe(const Mutation& mutation);

// How reading a copy ended: opened and walked to the end (records the library refused on the way
// are counted), or refused as a whole with one of the library's own errors.
struct Verdict {
  bool read = false;
  std::string error;             // the library's message when refused
  std::size_t items = 0;         // records and texts handed out, damaged or not
  std::size_t refusedItems = 0;  // records whose reading the library refused
};

// Opens `path` read-only and reads all the library offers. Errors of the library's own kinds
// (PLXException, ArbError, the text layer's error codes) become a refusal; anything else thrown
// passes through, as it is a fault.
Verdict OpenAndRead(const std::string& path);

// Aborts the process, naming the case, when one case runs longer than `limit`: a hang would
// otherwise only show as the suite's time-out, without the seed that causes it.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  void Start(const std::string& label);

 private:
  void Watch();

  const std::chrono::seconds limit_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string label_;
  std::chrono::steady_clock::time_point started_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace damage
