// The names under which the viewer shows the equivalence relations of concepts to ILI records, by
// the relation's number: on the information pages and in the tips of ILI lines.
#pragma once

class EqRelationNames {
 public:
  // The highest number with a name of its own.
  static constexpr int kLast = 18;

  // "Unknown" (0), "Synonym" (1), "Near Synonym" (2), ... "Generalization" (17), "LAST" (18);
  // "Unknown" for any number outside 0 to 18.
  static const char* Of(int relation);
};
