// A note the person wrote into a tree: a line of text at the top level that belongs to no tree.
#pragma once

#include <string>

#include "tree/TreeItem.h"

class NoteItem : public TreeItem {
 public:
  explicit NoteItem(std::string text);
};
