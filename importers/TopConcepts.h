// The top concepts of the database: "Top", under it one per part of speech, under each of those the
// lexicographer files of that part of speech. Record IDs (store 98, container 310) are fixed: 1 for
// Top, 1 + code for a part of speech (2 noun to 5 adverb), 6 + file number for a lexicographer
// file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace importers {

struct TopConcept {
  std::uint32_t id = 0;
  std::uint32_t super = 0;  // 0 for Top
  std::string word;         // "Top", "noun", "animal"
  std::string gloss;
};

// Every top concept, in record ID order (IDs 1 to 50 without gaps).
const std::vector<TopConcept>& TopConceptList();
// The record ID of the top concept of lexicographer file `file` (0 to 44).
std::uint32_t TopConceptOfFile(int file);

}  // namespace importers
