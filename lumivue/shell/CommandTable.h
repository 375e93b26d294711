// Every command of the viewer as one QAction, built from one table: number, menu text, prompt,
// keys and enabling rule. Menus, tool bar, context menu and accelerators all use these actions, so
// a command reads, behaves and is enabled the same wherever it appears.
#pragma once

#include <map>
#include <span>

#include <QAction>
#include <QObject>

#include "shell/CommandContext.h"

struct CommandSpec {
  int id;
  // Menu text; "&" marks the mnemonic, the text after a tab the keys the menu shows.
  const char* text;
  // "status-bar prompt\ntool tip".
  const char* prompt;
  // The keys that run the command (Qt's portable key text), empty for none. A command whose keys
  // belong to another command shows them in its text only.
  const char* keys;
  Enabling enabling;
  bool checkable;
};

class CommandTable {
 public:
  // Creates one action per command, owned by `owner`. Actions with keys are added to
  // `shortcutHost` so that their keys work anywhere in its window.
  CommandTable(QObject& owner, QWidget& shortcutHost);
  CommandTable(const CommandTable&) = delete;
  CommandTable& operator=(const CommandTable&) = delete;

  static std::span<const CommandSpec> Specs();
  static bool IsEnabled(Enabling rule, const CommandContext& context);

  // Null for a number not in the table.
  QAction* Action(int id) const;
  // Enables or disables every action by its rule.
  void Enable(const CommandContext& context);

 private:
  std::map<int, QAction*> actions_;
};
