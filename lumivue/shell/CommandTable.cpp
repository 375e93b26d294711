#include "shell/CommandTable.h"

#include <array>

#include <QKeySequence>
#include <QWidget>

#include "shell/CommandId.h"
#include "tree/FollowCommand.h"

namespace {

using enum Enabling;

constexpr std::array kSpecs = {
    // File
    CommandSpec{command::kNew, "&New", "Open a new view\nNew view", "Ctrl+N", kDatabase, false},
    CommandSpec{command::kNewMonolingual, "M&onolingual View",
                "Open a new view with one language tree\nNew monolingual view", "Ctrl+Shift+P",
                kDatabase, false},
    CommandSpec{command::kNewMultilingual, "M&ultilingual View",
                "Open a new view with two language trees side by side\nNew multilingual view",
                "Ctrl+Shift+T", kDatabase, false},
    CommandSpec{command::kClose, "&Close", "Close the active view\nClose", "", kView, false},
    CommandSpec{command::kOpenDatabase, "Open &Database ...",
                "Open another lexical database; every open view is closed\nOpen database", "",
                kAlways, false},
    CommandSpec{command::kCheckDatabase, "Chec&k Database...",
                "Verify every page, record and index entry of the database last opened\nCheck "
                "database",
                "", kAlways, false},
    CommandSpec{command::kOpenView, "Open &View ...\tCtrl+O",
                "Open a view (word list) file\nOpen view", "Ctrl+O", kDatabase, false},
    CommandSpec{command::kSaveView, "&Save View\tCtrl+S",
                "Save the active view to its word list file\nSave view", "Ctrl+S", kView, false},
    CommandSpec{command::kSaveViewAs, "Save View &As...",
                "Save the active view to a new word list file\nSave view as", "", kView, false},
    CommandSpec{command::kPrint, "&Print...\tCtrl+P", "Print the lines of the active view\nPrint",
                "Ctrl+P", kView, false},
    CommandSpec{command::kPrintPreview, "Print Pre&view",
                "Show the printed pages of the active view\nPrint preview", "", kView, false},
    CommandSpec{command::kPrintSetup, "P&rint Setup...",
                "Choose the printer and its options\nPrint setup", "", kAlways, false},
    CommandSpec{command::kExit, "E&xit", "Close the database and quit Lumivue\nExit", "", kAlways,
                false},
    // Edit
    CommandSpec{command::kClearSubtree, "Clear &Subtree\tDel",
                "Clear the current subtree from the view\nClear Subtree (Del)", "Del", kView,
                false},
    CommandSpec{command::kClearTree, "Clear &Tree\tCtrl+Del",
                "Clear the current tree\nClear Tree (Ctrl+Del)", "Ctrl+Del", kView, false},
    CommandSpec{command::kAddNote, "&Add Note...", "Add a note above the current tree\nAdd note",
                "", kView, false},
    CommandSpec{command::kFind, "&Find...\tCtrl+F", "Find a word among the lines\nFind", "Ctrl+F",
                kView, false},
    CommandSpec{command::kFindNext, "Find &Next\tF3", "Find the word again further down\nFind next",
                "F3", kView, false},
    CommandSpec{command::kFindPrevious, "Find &Prev\tShift+F3",
                "Find the word again further up\nFind previous", "Shift+F3", kView, false},
    // View
    CommandSpec{command::kToolBar, "&Toolbar", "Show or hide the tool bar\nToolbar", "", kAlways,
                true},
    CommandSpec{command::kStatusBar, "&Status Bar", "Show or hide the status bar\nStatus bar", "",
                kAlways, true},
    CommandSpec{command::kInputBar, "In&put Bar",
                "Show or hide the word field of the active view\nInput bar", "", kView, true},
    CommandSpec{command::kFilterBar, "&Filter Dialog\tCtrl+Shift+F",
                "Show or hide the relation and part-of-speech filter\nFilter", "Ctrl+Shift+F",
                kAlways, true},
    CommandSpec{command::kInfoBar, "&Info Dialog\tCtrl+Shift+I",
                "Show or hide the information pages\nInformation", "Ctrl+Shift+I", kAlways, true},
    CommandSpec{command::kBrowseBar, "&Browse Dialog\tCtrl+Shift+B",
                "Show or hide the word list of the language\nBrowse", "Ctrl+Shift+B", kView, true},
    // Options
    CommandSpec{command::kFont, "&Font...", "Choose the font of the trees\nFont", "", kAlways,
                false},
    CommandSpec{command::kDataTips, "Data&Tip",
                "Show the whole text of a line while the mouse rests on it\nDataTips", "", kAlways,
                true},
    // Window
    CommandSpec{command::kNewWindow, "&New Window",
                "Open another window with the trees of the active view\nNew window", "", kView,
                false},
    CommandSpec{command::kCascade, "&Cascade", "Arrange the views overlapping\nCascade", "", kView,
                false},
    CommandSpec{command::kTileHorizontally, "Tile &Horizontally\tCtrl+Shift+H",
                "Arrange the views one above the other\nTile horizontally", "Ctrl+Shift+H", kView,
                false},
    CommandSpec{command::kTileVertically, "&Tile Vertically\tCtrl+Shift+V",
                "Arrange the views side by side\nTile vertically", "Ctrl+Shift+V", kView, false},
    CommandSpec{command::kArrangeIcons, "&Arrange Icons",
                "Line up the minimized views along the bottom\nArrange icons", "", kView, false},
    // Help
    CommandSpec{command::kHelpTopics, "&Help Topics", "List the help topics\nHelp", "F1",
                kUnavailable, false},
    CommandSpec{command::kAbout, "&About Lumivue...",
                "Show the program's name, version and the owners of the data\nAbout", "", kAlways,
                false},
    // Tool bar of the multilingual view
    CommandSpec{command::kShowLinks, "Show Links",
                "Show the links in the other view by going over all of them.\nShow Links "
                "(Ctrl+Enter)",
                "", kMultilingual, false},
    CommandSpec{command::kFindEquivalences, "Find Equivalences",
                "Find all Equivalence Links\nFind Equivalences", "", kMultilingual, false},
    // Keyboard only
    CommandSpec{command::kToggleInputBar, "Input Bar",
                "Show or hide the word field of the active view\nInput bar", "Ctrl+Shift+L", kView,
                false},
    CommandSpec{command::kRefresh, "Refresh",
                "Read the concepts of the active view again from the database\nRefresh", "F5",
                kView, false},
    // The tree's context menu
    CommandSpec{command::kLookUpVariant, "&Lookup", "Lookup the current selection\nLookup", "",
                kConceptSelected, false},
    CommandSpec{command::kEquivalenceLink, "&Equivalence Link\tCtrl+F9",
                "Add the equivalence links in the other view (Ctrl+F9)\nEquivalence Links",
                "Ctrl+F9", kTwinIli, false},
    CommandSpec{command::kTopHyperonym, "Top Hyperonym\tCtrl+F11",
                "Follow the top hyperonym links (Ctrl+F11)\ntop hyperonym", "Ctrl+F11",
                kConceptSelected, false},
    CommandSpec{command::kOneUpOneDown, "One-up One-down\tCtrl+F12",
                "One-up One-down (Ctrl+F12)\nOne-up One-down", "Ctrl+F12", kTwinConcept, false},
    CommandSpec{FollowCommand::kNearSynonym, "Near Synonym",
                "Follow the all the synonyms links\nsynonym", "", kConceptSelected, false},
    CommandSpec{FollowCommand::kHyperonym, "Hyperonym", "Follow the hyperonym link\nhyperonym", "",
                kConceptSelected, false},
    CommandSpec{FollowCommand::kHyponym, "Hyponym", "Follow the hyponym link\nhyponym", "",
                kConceptSelected, false},
    CommandSpec{FollowCommand::kAllMeronyms, "All Meronyms",
                "Follow the all the meronym links\nmeronym", "", kConceptSelected, false},
    CommandSpec{FollowCommand::kAllHolonyms, "All Holonyms",
                "Follow the all the holonym links\nholonym", "", kConceptSelected, false},
    CommandSpec{FollowCommand::kCause, "Cause <=>", "Follow the all the causes links\ncauses", "",
                kConceptSelected, false},
    CommandSpec{FollowCommand::kSubevent, "SubEvent <>",
                "Follow the all the sub event links\nsub events", "", kConceptSelected, false},
    CommandSpec{command::kDropClearSubtree, "Clear &Subtree\tDel",
                "Clear the current subtree from the view\nClear Subtree (Del)", "", kLineNotIli,
                false},
    CommandSpec{command::kDropClearTree, "Clear &Tree\tCtrl+Del",
                "Clear the current tree\nClear Tree(Ctrl+Del)", "", kView, false},
    CommandSpec{command::kExportConcept, "&Export Concept\tCtrl+Shift+E",
                "Export the current concept to the export tab (Ctrl+Shift+E)\nExport",
                "Ctrl+Shift+E", kConceptSelected, false},
};

}  // namespace

CommandTable::CommandTable(QObject& owner, QWidget& shortcutHost) {
  for (const CommandSpec& spec : kSpecs) {
    auto* action = new QAction(QString::fromUtf8(spec.text), &owner);
    const QString prompt = QString::fromUtf8(spec.prompt);
    action->setStatusTip(prompt.section('\n', 0, 0));
    action->setToolTip(prompt.section('\n', 1));
    action->setCheckable(spec.checkable);
    action->setData(spec.id);
    if (*spec.keys != '\0') {
      action->setShortcut(QKeySequence(QString::fromUtf8(spec.keys)));
      shortcutHost.addAction(action);
    }
    actions_.emplace(spec.id, action);
  }
}

std::span<const CommandSpec> CommandTable::Specs() {
  return kSpecs;
}

bool CommandTable::IsEnabled(Enabling rule, const CommandContext& context) {
  switch (rule) {
    case kAlways:
      return true;
    case kDatabase:
      return context.databaseOpen;
    case kView:
      return context.hasView;
    case kConceptSelected:
      return context.hasView && context.conceptSelected;
    case kLineNotIli:
      return context.hasView && context.selectedKind && *context.selectedKind != LineKind::kIli;
    case kMultilingual:
      return context.hasView && context.multilingual;
    case kTwinIli:
      return context.hasView && context.multilingual && context.selectedKind == LineKind::kIli;
    case kTwinConcept:
      return context.hasView && context.multilingual && context.conceptSelected;
    case kUnavailable:
      return false;
  }
  return false;
}

QAction* CommandTable::Action(int id) const {
  const auto found = actions_.find(id);
  return found != actions_.end() ? found->second : nullptr;
}

void CommandTable::Enable(const CommandContext& context) {
  for (const CommandSpec& spec : kSpecs) {
    actions_.at(spec.id)->setEnabled(IsEnabled(spec.enabling, context));
  }
}
