// The texts the viewer shows a person, with their string-table numbers where they have one (0 for
// texts that never had one), so that every window and every piece of logic uses the same wording.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

struct ViewerMessage {
  int id;
  const char* text;
};

namespace message {

// Titles.
inline constexpr ViewerMessage kProgramTitle{57344, "Lumivue"};
inline constexpr ViewerMessage kFrameCaption{128, "Lumivue v1.3.1"};

// Shell and database.
inline constexpr ViewerMessage kDatabaseOpenFailed{61448, "Error opening Polylex database [%s]"};
inline constexpr ViewerMessage kNoViewToSave{61452, "No active view to save !"};
inline constexpr ViewerMessage kViewWindowFailed{61447, "Error creating ViewWindow."};
inline constexpr ViewerMessage kLineStatus{0, "Ln %d LnCnt %d"};

// Errors of the library, caught around each operation. Record store codes are shown in hex.
inline constexpr ViewerMessage kLibraryError{0, "PLX error occurred %s"};
inline constexpr ViewerMessage kStoreError{0, "ARBOR error 0x%04X occurred %s"};
inline constexpr ViewerMessage kUnexpectedError{0, "unexpected exception"};

// Filters.
inline constexpr ViewerMessage kFilterOn{62007, "Filter On"};
inline constexpr ViewerMessage kFilterOff{62006, "Filter Off"};

// Concept trees.
inline constexpr ViewerMessage kNoLanguageSelected{61446, "No language selected !"};
inline constexpr ViewerMessage kWordNotFound{62008, "Word not found !"};
// A look-up that found no meaning for the form typed and shows its base forms instead.
inline constexpr ViewerMessage kShowingBaseForms{0, "%s: showing %s"};
inline constexpr ViewerMessage kLiteralNotSelected{62009, "Literal not selected !"};
inline constexpr ViewerMessage kConceptNotSelected{62010, "Literal is not selected !"};
inline constexpr ViewerMessage kCannotDeleteIli{62011, "Cannot delete an ILI record !"};
inline constexpr ViewerMessage kNoLineSelected{62012, "No line in the list selected !"};
inline constexpr ViewerMessage kHyperonymLoop{
    0, "Loop (50 times) in the Goto top Hyperonym\nDo you want to break ?"};
// The text of a relation line whose relation the database does not name.
inline constexpr ViewerMessage kUnnamedRelation{0, "Relation %d"};

// What the Follow commands say when they find no link.
inline constexpr ViewerMessage kNoNearSynonymLinks{0, "No Near Synonym links available"};
inline constexpr ViewerMessage kNoHyperonymLinks{0, "No Hyperonym links available"};
inline constexpr ViewerMessage kNoHyponymLinks{0, "No Hyponym links available"};
inline constexpr ViewerMessage kNoMeronymLinks{0, "No Mero links available"};
inline constexpr ViewerMessage kNoHolonymLinks{0, "No Holo links available"};
inline constexpr ViewerMessage kNoCauseLinks{0, "No Cause <=> links available"};
inline constexpr ViewerMessage kNoSubeventLinks{0, "No Subevent < > links available"};

// Equivalences between the two panes of a multilingual view.
inline constexpr ViewerMessage kNoEquivalenceLinks{62015, "No Equivalence Link(s)"};
inline constexpr ViewerMessage kOneUpNeedsParentLink{62016,
                                                     "One-up One-down requires a parent link"};
inline constexpr ViewerMessage kParentNotConcept{0, "Parent is not a Concept item."};
inline constexpr ViewerMessage kParentHasNoEquivalents{0,
                                                       "Parent has no equivalent synonyms to %s"};

// View (word list) files.
inline constexpr ViewerMessage kOpeningViewFile{62000, "Opening a view (word list) file ..."};
inline constexpr ViewerMessage kDone{62002, "Done."};
inline constexpr ViewerMessage kViewFileKindUnknown{
    61449,
    "The View (Word List) file must start with its window type\nFormat "
    ":#WindowType:[Lumivue,TwinBar]\nEx :#WindowType:Lumivue"};
inline constexpr ViewerMessage kViewFileLanguage{
    61450,
    "Language is not correct in the View (Word List) file\nFormat :#language:[NL,US...]\nEx "
    ":#language:US"};
inline constexpr ViewerMessage kViewFileBadLine{
    61451, "Error on line %d\n%s\nDo you want to add it as a comment"};
inline constexpr ViewerMessage kViewFileTooManyLanguages{
    61453, "Error: the View (Word List) file is a Lumivue view with more than one language !"};

// Concept export.
inline constexpr ViewerMessage kExportListEmpty{62013, "Export list is empty !"};
inline constexpr ViewerMessage kEditorNotStarted{62014, "Error starting notepad !"};
// Written into the export file in place of a concept that cannot be exported.
inline constexpr ViewerMessage kConceptNotExported{0, "# Could not export concept @%lu@\r\n\r\n"};

}  // namespace message

// `format` with printf-style arguments filled in (pass text as const char*).
template <typename... Args>
std::string FormatMessage(const char* format, Args... args) {
  const int length = std::snprintf(nullptr, 0, format, args...);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, format, args...);
  return text;
}
