// XML IDs for an exported WN-LMF document: readable ("polylex-en-dog-n-1"), valid as XML names
// whatever the word, and unique within the document.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace importers {

class LmfIdentifiers {
 public:
  // Marks `id` taken: true when it was free.
  bool Claim(const std::string& id) { return taken_.insert(id).second; }
  // `candidate`, or with "-2", "-3", ... appended when it is taken; marks the result taken.
  std::string Unique(std::string candidate);
  // The text with every character that may not stand in an XML name (blanks, quotes, colons,
  // ...) as "_".
  static std::string Slug(std::string_view text);

 private:
  std::unordered_set<std::string> taken_;
};

}  // namespace importers
