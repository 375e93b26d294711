// Where the commands of the table appear: the menu bar (shorter while no view is open), the tool
// bar and the tree's context menu. Only the actions of the CommandTable are used.
#pragma once

class CommandTable;
class QMenu;
class QMenuBar;
class QToolBar;

class MenuLayout {
 public:
  // Replaces the menus of `bar`. Without a view the bar holds File, View, Options and Help with
  // only the items that make sense before a view exists; with one all six menus.
  static void BuildMenuBar(QMenuBar& bar, const CommandTable& commands, bool withView);
  static void BuildToolBar(QToolBar& bar, const CommandTable& commands);
  // Fills an empty `menu` with the tree's context menu.
  static void BuildContextMenu(QMenu& menu, const CommandTable& commands);
};
