// WordNet marks usage with pointers to usage domains (";u"): "slang", "colloquialism", ... The
// database turns them into values of one shared usage label, "usage", numbered 1..k in the order
// the domains first occur; a variant carries the values of its synset's (or its own) usage
// pointers.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "WordNetModel.h"

namespace importers {

class UsageLabels {
 public:
  static constexpr std::int32_t kUsageLabel = 1;

  explicit UsageLabels(const WordNet& wordnet);

  // The value names, value 1 first: each domain synset's first lemma, with blanks for underscores.
  const std::vector<std::string>& ValueNames() const { return names_; }
  // The value of the usage domain `synset`, or 0 when no usage pointer leads to it.
  std::uint16_t ValueOf(std::uint32_t synset) const;

 private:
  std::vector<std::string> names_;
  std::unordered_map<std::uint32_t, std::uint16_t> values_;
};

}  // namespace importers
