// Shows the wait cursor for as long as it lives, so that an exception leaving a long operation
// never leaves the cursor stuck.
#pragma once

class PersonInterface;

class WaitCursor {
 public:
  explicit WaitCursor(PersonInterface& person);
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor();

 private:
  PersonInterface& person_;
};
