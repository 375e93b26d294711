// What decides whether a command can run now: the database, the active view and the line selected
// in its active pane. The main frame gathers it; CommandTable applies it to every action.
#pragma once

#include <optional>

#include "tree/LineKind.h"

struct CommandContext {
  bool databaseOpen = false;
  bool hasView = false;
  // The active view shows two languages.
  bool multilingual = false;
  // The kind of the active pane's selected line; none without a view or a selection.
  std::optional<LineKind> selectedKind;
  // The selected line is a concept line that still holds its concept.
  bool conceptSelected = false;
};

// When a command is enabled.
enum class Enabling {
  kAlways,
  kDatabase,         // a database is open
  kView,             // a view is active
  kConceptSelected,  // the active pane's selected line is a concept line
  kLineNotIli,       // a line is selected and it is not an ILI line
  kMultilingual,     // the active view is multilingual
  kTwinIli,          // ... and its active pane's selected line is an ILI line
  kTwinConcept,      // ... and its active pane's selected line is a concept line
  // Commands of windows this program does not have (help): shown in menus and tool bar so that
  // the layout stays familiar, never enabled.
  kUnavailable,
};
