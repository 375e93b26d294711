// A WordNet gloss holds a definition and quoted example sentences ("a dog; "the dog barked"");
// variants keep them apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace importers {

struct SplitGloss {
  std::string definition;             // the text before the first quote, without trailing "; "
  std::vector<std::string> examples;  // each quoted part, without its quotes
};

// An unclosed quote runs to the end of the gloss; empty quoted parts are left out.
SplitGloss SplitGlossText(std::string_view gloss);

}  // namespace importers
