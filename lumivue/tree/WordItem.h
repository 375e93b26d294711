// The line of a looked-up word form; its children are the word's parts of speech.
#pragma once

#include <string>

#include "tree/TreeItem.h"

class WordItem : public TreeItem {
 public:
  explicit WordItem(std::string word);

  // Hands the line to LineExpander::ExpandWord.
  int Expand(LineExpander& expander) override;
};
