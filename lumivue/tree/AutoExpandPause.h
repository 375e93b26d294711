// Switches a list's auto-expand off while the program inserts lines itself, and back to what it
// was when it goes, also when a library exception ends the insertion early.
#pragma once

class TreeListBox;

class AutoExpandPause {
 public:
  explicit AutoExpandPause(TreeListBox& list);
  AutoExpandPause(const AutoExpandPause&) = delete;
  AutoExpandPause& operator=(const AutoExpandPause&) = delete;
  ~AutoExpandPause();

 private:
  TreeListBox& list_;
  bool was_;
};
