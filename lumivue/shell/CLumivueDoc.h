// The document behind one or more view windows: its kind, its title and the view file it was read
// from or saved to. Its windows share it; it lives while one of them does.
#pragma once

#include <QString>

#include "shell/ViewKind.h"

class CLumivueDoc {
 public:
  // A new, unsaved document: "Monolingual View <number>" or "Multilingual View <number>".
  CLumivueDoc(ViewKind kind, int number);

  ViewKind Kind() const { return kind_; }
  // The view file's path; empty until the document was read from or saved to one.
  const QString& Path() const { return path_; }
  // The document now belongs to the view file at `path` and takes its name as title.
  void SetPath(const QString& path);

  // The title of its window number `window` (1-based) out of `windows`: the document's title, and
  // ":<window>" after it while more than one window shows the document.
  QString WindowTitle(int window, int windows) const;

 private:
  ViewKind kind_;
  QString title_;
  QString path_;
};
