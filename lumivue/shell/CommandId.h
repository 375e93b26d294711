// The numbers of the viewer's commands. They are the numbers menus, tool bar, accelerators and
// view files have always used, so they stay as they are.
#pragma once

namespace command {

// File
inline constexpr int kNew = 57600;
inline constexpr int kNewMonolingual = 200;
inline constexpr int kNewMultilingual = 201;
inline constexpr int kClose = 57602;
inline constexpr int kOpenDatabase = 57601;
inline constexpr int kCheckDatabase = 32830;
inline constexpr int kOpenView = 203;
inline constexpr int kSaveView = 32783;
inline constexpr int kSaveViewAs = 313;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kExit = 57665;

// Edit
inline constexpr int kClearSubtree = 302;
inline constexpr int kClearTree = 301;
inline constexpr int kAddNote = 300;
inline constexpr int kFind = 57636;
inline constexpr int kFindNext = 320;
inline constexpr int kFindPrevious = 321;

// View
inline constexpr int kToolBar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kInputBar = 59396;
inline constexpr int kFilterBar = 59398;
inline constexpr int kInfoBar = 59401;
inline constexpr int kBrowseBar = 110;

// Options
inline constexpr int kDataTips = 401;
inline constexpr int kFont = 402;

// Window
inline constexpr int kNewWindow = 57648;
inline constexpr int kArrangeIcons = 57649;
inline constexpr int kCascade = 57650;
inline constexpr int kTileHorizontally = 57651;
inline constexpr int kTileVertically = 57652;

// Help
inline constexpr int kHelpTopics = 57667;
inline constexpr int kAbout = 57664;

// Tool bar only (multilingual view)
inline constexpr int kFindEquivalences = 210;
inline constexpr int kShowLinks = 211;

// Keyboard only
inline constexpr int kToggleInputBar = 32806;
inline constexpr int kRefresh = 32819;

// The tree's context menu. The Follow commands' own numbers are in FollowCommand.
inline constexpr int kLookUpVariant = 32795;
inline constexpr int kEquivalenceLink = 32797;
inline constexpr int kTopHyperonym = 32794;
inline constexpr int kOneUpOneDown = 32823;
inline constexpr int kDropClearSubtree = 32811;
inline constexpr int kDropClearTree = 32810;
inline constexpr int kExportConcept = 32809;

// Stands for a separator in menu and tool bar layouts.
inline constexpr int kSeparator = 0;

}  // namespace command
