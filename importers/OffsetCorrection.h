// Debian's wordnet-base rebuilt WordNet 3.0 with two fixes that move offsets: in data.verb the
// synset "suppress, repress" (00612841) gained an 18-byte hyponym pointer that "quench" (02422967)
// lost, and in data.adj the line of "placed" (01681478) gained one byte. Everything else cites
// Princeton's offsets, so the importers recognise these editions by content and map their offsets
// back; Princeton's own files pass through unchanged.
#pragma once

#include <cstdint>

namespace importers {

struct WordNet;
enum class PosFile : std::uint8_t;

class OffsetCorrection {
 public:
  // The verb range: offsets after kSuppress up to kQuench are 18 bytes beyond Princeton's.
  static constexpr std::uint32_t kSuppress = 612841;
  static constexpr std::uint32_t kQuench = 2422967;
  static constexpr std::uint32_t kQuenchHyponym = 2423762;
  static constexpr std::uint32_t kVerbShift = 18;
  // Adjective offsets after kPlaced are one byte beyond Princeton's.
  static constexpr std::uint32_t kPlaced = 1681478;
  static constexpr std::uint32_t kPlacedLineLength = 130;  // Princeton's line is one byte shorter
  static constexpr std::uint32_t kAdjectiveShift = 1;

  // No correction.
  OffsetCorrection() = default;
  // Recognises the edited synsets among the synsets read (pointers already resolved).
  static OffsetCorrection Detect(const WordNet& wordnet);

  std::uint32_t Canonical(PosFile file, std::uint32_t offset) const;
  bool ShiftsVerbs() const { return verbs_; }
  bool ShiftsAdjectives() const { return adjectives_; }

 private:
  bool verbs_ = false;
  bool adjectives_ = false;
};

}  // namespace importers
