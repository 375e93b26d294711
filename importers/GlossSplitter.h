// A WordNet gloss holds a definition followed by example sentences, each in double quotes after
// "; " ("a dog; "the dog barked""); variants keep them apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace importers {

struct SplitGloss {
  std::string definition;
  std::vector<std::string> examples;
};

// The examples start at the first quote that opens the gloss or follows "; "; quotes before that
// belong to the definition ("especially in the phrase "the call of duty""), and so do quotes after
// a colon or anywhere else inside its sentence. Each example runs to its closing quote and the
// source that may follow it, up to the next "; " outside quotes: a "; " inside the quotes stays in
// the example, an unclosed quote runs to the end of the gloss. An example keeps its text without
// the quotes, or, when a source follows ("..."- Shakespeare), its quotes and the source as they
// stand. A piece among the examples that is not quoted (a note such as "(`blate' is Scottish)")
// belongs to the definition, after it and "; ". Blanks and semicolons at the ends of the gloss and
// of each part separate them and are not kept; empty examples are left out. Nothing else of the
// gloss is dropped.
SplitGloss SplitGlossText(std::string_view gloss);

}  // namespace importers
