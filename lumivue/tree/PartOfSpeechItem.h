// A part-of-speech line ("Noun", ...) grouping concepts under a word or a relation line.
#pragma once

#include <string>

#include "tree/TreeItem.h"

class PartOfSpeechItem : public TreeItem {
 public:
  explicit PartOfSpeechItem(std::string name);

  // Hands the line to LineExpander::ExpandPartOfSpeech.
  int Expand(LineExpander& expander) override;
};
