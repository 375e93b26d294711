// The document behind one or more view windows: its title. Its windows share it; it lives
// while one of them does.
#pragma once

#include <QString>

#include "shell/ViewKind.h"

class CLumivueDoc {
 public:
  // A new, unsaved document: "Monolingual View <number>" or "Multilingual View <number>".
  CLumivueDoc(ViewKind kind, int number);

  // The title of its window number `window` (1-based) out of `windows`: the document's title, and
  // ":<window>" after it while more than one window shows the document.
  QString WindowTitle(int window, int windows) const;

 private:
  QString title_;
};
