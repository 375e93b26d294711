// The IDs of one WN-LMF document and what each names. XML would have every ID unique in the
// document; real files reuse an entry's ID for its sense (W305-0.xml of the shared test data), so
// IDs are unique per kind, and references are resolved by the kind they must name.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace importers {

struct LmfIdTarget {
  enum Kind : std::uint8_t { kLexicon, kEntry, kSense, kSynset, kFrame, kKindCount };
  Kind kind = kLexicon;
  std::uint32_t lexicon = 0;  // the lexicon's position in the document
  std::uint32_t index = 0;    // position in that lexicon's entries, senses, synsets or frames
  std::uint32_t line = 0;     // where the ID was given
};

class LmfIds {
 public:
  // Records `target` under `id`; the target that already holds the ID for its kind (nothing
  // recorded then), or null.
  const LmfIdTarget* Add(const std::string& id, const LmfIdTarget& target) {
    const auto [at, added] = byKind_[target.kind].try_emplace(id, target);
    return added ? nullptr : &at->second;
  }
  // What `id` names among the IDs of `kind`, or null.
  const LmfIdTarget* Find(const std::string& id, LmfIdTarget::Kind kind) const {
    const auto found = byKind_[kind].find(id);
    return found == byKind_[kind].end() ? nullptr : &found->second;
  }

 private:
  std::array<std::unordered_map<std::string, LmfIdTarget>, LmfIdTarget::kKindCount> byKind_;
};

}  // namespace importers
