#include "shell/WaitCursor.h"

#include "shell/PersonInterface.h"

WaitCursor::WaitCursor(PersonInterface& person) : person_(person) {
  person_.BeginWait();
}

WaitCursor::~WaitCursor() {
  person_.EndWait();
}
