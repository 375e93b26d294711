// The tool bar's pictures, drawn by the program: a small tile per command with a glyph of its own.
#pragma once

#include <QIcon>

class ToolBarIcons {
 public:
  // The picture of the tool bar button for command `id`; a blank tile for a command without one.
  static QIcon For(int id);
};
