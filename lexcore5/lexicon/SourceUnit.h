// The source unit that exceptions of the concept and variant classes name (with the line of the
// throwing place); it appears in the message text as " -- Concept (<line>)".
#pragma once

namespace lexicon {

inline constexpr char kConceptSource[] = "Concept";
inline constexpr char kTopConceptSource[] = "TopConcept";

}  // namespace lexicon
