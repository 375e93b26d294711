// The viewer's command line: the text after the program name, with the options
//   -F <path>  the database to open (only the first -F counts; "..." keeps blanks in the path)
//   -L         open a monolingual view      -T  open a multilingual view   (in the order given)
//   <path>     open the view file at that path (a word that is no option; "..." keeps blanks)
// An option is "-" or "\" followed by its (upper-case) letter at the start of a blank-separated
// word; other letters and the text of the database path are skipped, so a path such as
// C:\Lex\db.fdb never counts as -L.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/ViewKind.h"

class CommandLine {
 public:
  static CommandLine Parse(std::string_view text);

  // The path after the first F option. A quoted path runs to the next double quote; without the
  // closing quote it ends at the first blank after the opening one. An unquoted path ends at the
  // first blank. The path may follow the letter directly (-Fdb.fdb) or after blanks.
  const std::optional<std::string>& DatabasePath() const { return databasePath_; }
  // One entry per L or T option, in order.
  const std::vector<ViewKind>& Views() const { return views_; }
  // The words that are no options, in order: view files to open after the views.
  const std::vector<std::string>& ViewFiles() const { return viewFiles_; }
  // True when the text holds nothing but blanks: the viewer then offers the New dialog.
  bool IsEmpty() const { return empty_; }

 private:
  std::optional<std::string> databasePath_;
  std::vector<ViewKind> views_;
  std::vector<std::string> viewFiles_;
  bool empty_ = true;
};
