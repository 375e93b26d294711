#include "shell/MenuLayout.h"

#include <span>

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "shell/CommandId.h"
#include "shell/CommandTable.h"
#include "shell/ToolBarIcons.h"
#include "tree/FollowCommand.h"

namespace {

struct Entry {
  int id;
  // Left out of the menu while no view is open.
  bool viewOnly = false;
  // A submenu with this title and these items in place of a command.
  const char* submenu = nullptr;
  std::span<const Entry> items = {};
};

struct Menu {
  const char* title;
  bool viewOnly;
  std::span<const Entry> items;
};

using namespace command;

constexpr Entry kNewItems[] = {{kNewMonolingual}, {kNewMultilingual}};
constexpr Entry kFileItems[] = {
    {kSeparator, false, "&New", kNewItems},
    {kClose, true},
    {kOpenDatabase},
    {kCheckDatabase},
    {kOpenView},
    {kSaveView, true},
    {kSaveViewAs, true},
    {kSeparator},
    {kPrint, true},
    {kPrintPreview, true},
    {kPrintSetup},
    {kSeparator},
    {kExit},
};
constexpr Entry kEditItems[] = {{kClearSubtree}, {kClearTree}, {kAddNote},     {kSeparator},
                                {kFind},         {kFindNext},  {kFindPrevious}};
constexpr Entry kViewItems[] = {{kToolBar},         {kStatusBar},     {kInputBar, true},
                                {kFilterBar, true}, {kInfoBar, true}, {kBrowseBar, true}};
constexpr Entry kOptionItems[] = {{kFont}, {kDataTips}};
constexpr Entry kWindowItems[] = {
    {kNewWindow}, {kCascade}, {kTileHorizontally}, {kTileVertically}, {kArrangeIcons}};
constexpr Entry kHelpItems[] = {{kHelpTopics}, {kSeparator}, {kAbout}};

constexpr Menu kMenus[] = {
    {"&File", false, kFileItems},    {"&Edit", true, kEditItems},
    {"&View", false, kViewItems},    {"&Options", false, kOptionItems},
    {"&Window", true, kWindowItems}, {"&Help", false, kHelpItems},
};

constexpr Entry kFollowItems[] = {
    {kEquivalenceLink},
    {kTopHyperonym},
    {kOneUpOneDown},
    {kSeparator},
    {FollowCommand::kNearSynonym},
    {FollowCommand::kHyperonym},
    {FollowCommand::kHyponym},
    {FollowCommand::kAllMeronyms},
    {FollowCommand::kAllHolonyms},
    {FollowCommand::kCause},
    {FollowCommand::kSubevent},
};
constexpr Entry kContextItems[] = {
    {kLookUpVariant}, {kSeparator, false, "&Follow", kFollowItems},
    {kSeparator},     {kDropClearSubtree},
    {kDropClearTree}, {kSeparator},
    {kExportConcept},
};

constexpr int kToolBarItems[] = {
    kNewMonolingual, kNewMultilingual,  kSeparator, kOpenView,  kSaveView,       kSeparator,
    kInputBar,       kInfoBar,          kFilterBar, kSeparator, kClearTree,      kClearSubtree,
    kAddNote,        kSeparator,        kShowLinks, kSeparator, kTileVertically, kTileHorizontally,
    kSeparator,      kFindEquivalences, kSeparator, kAbout,
};

void Fill(QMenu& menu, std::span<const Entry> items, const CommandTable& commands, bool withView) {
  for (const Entry& entry : items) {
    if (entry.viewOnly && !withView) continue;
    if (entry.submenu != nullptr) {
      Fill(*menu.addMenu(QString::fromUtf8(entry.submenu)), entry.items, commands, withView);
    } else if (entry.id == kSeparator) {
      menu.addSeparator();
    } else {
      menu.addAction(commands.Action(entry.id));
    }
  }
}

}  // namespace

void MenuLayout::BuildMenuBar(QMenuBar& bar, const CommandTable& commands, bool withView) {
  // The old menus go with their submenus; the actions belong to the table and stay.
  for (QAction* old : bar.actions()) delete old->menu();
  bar.clear();
  for (const Menu& menu : kMenus) {
    if (menu.viewOnly && !withView) continue;
    Fill(*bar.addMenu(QString::fromUtf8(menu.title)), menu.items, commands, withView);
  }
}

void MenuLayout::BuildToolBar(QToolBar& bar, const CommandTable& commands) {
  for (const int id : kToolBarItems) {
    if (id == kSeparator) {
      bar.addSeparator();
      continue;
    }
    QAction* action = commands.Action(id);
    if (action->icon().isNull()) action->setIcon(ToolBarIcons::For(id));
    bar.addAction(action);
  }
}

void MenuLayout::BuildContextMenu(QMenu& menu, const CommandTable& commands) {
  Fill(menu, kContextItems, commands, true);
}
