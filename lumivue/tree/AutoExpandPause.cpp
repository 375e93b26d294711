#include "tree/AutoExpandPause.h"

#include "tree/TreeListBox.h"

AutoExpandPause::AutoExpandPause(TreeListBox& list) : list_(list), was_(list.AutoExpand()) {
  list_.SetAutoExpand(false);
}

AutoExpandPause::~AutoExpandPause() {
  list_.SetAutoExpand(was_);
}
