// Starts the person's text editor on a file: the desktop's opener for the file first, then the
// program named by $VISUAL. The file name goes to either as one argument, blanks and all.
#pragma once

#include <QString>

class TextEditorStarter {
 public:
  // The variable naming the fallback editor; it may carry arguments of its own ("gvim -f").
  static constexpr const char* kEditorVariable = "VISUAL";

  // True when one of the two started; a relative `path` is taken from the current directory.
  static bool Start(const QString& path);
};
