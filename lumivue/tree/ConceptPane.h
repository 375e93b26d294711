// One language column of a view: its lines, the look-up of words into them, how its lines are
// filled when expanded, and the commands that act on its selected line. It talks to the person only
// through PersonInterface, and shows every library failure there (ViewerDatabase::ShowError); the
// lines built before a failure stay.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Concept.h"
#include "lexicon/Factory.h"
#include "tree/LineExpander.h"
#include "tree/LineFinder.h"
#include "tree/LinkFollower.h"
#include "tree/TreeListBox.h"

class ConceptItem;
class LanguageEntry;
class PersonInterface;
class RelationItem;
class ViewerDatabase;

class ConceptPane : public LineExpander {
 public:
  // Bits of the look-up mode.
  static constexpr int kWordOnly = 0x1;   // no concept lines; without a parent: the word line only
  static constexpr int kWordAtEnd = 0x4;  // the word line goes last instead of first

  // `database` and `person` must outlive the pane. The pane starts empty, with no language.
  ConceptPane(ViewerDatabase& database, PersonInterface& person);

  // The code of the pane's language ("EN"); empty until one is set.
  const std::string& Language() const { return language_; }
  // A different code deletes every line first; the same code changes nothing.
  void SetLanguage(std::string code);
  // Whether the open database has a language of code `code` (letter case aside).
  bool HasLanguage(std::string_view code) const;

  // Owned by the pane; its expander is the pane.
  TreeListBox& Lines() { return lines_; }
  const TreeListBox& Lines() const { return lines_; }

  // Looks `word` up in the pane's language (exact literal) and builds its lines:
  //  - no parent: a new word line at the top (kWordAtEnd: at the end), with one part-of-speech line
  //    per part of speech in the order they first appear, and (mode 0) its concept lines below;
  //  - a word line as parent: its part-of-speech lines (and, mode 0, their concepts);
  //  - a part-of-speech line as parent: the concepts of that part of speech (mode 0).
  // Meanings whose part of speech the filter rejects are left out. Without a parent the first line
  // is then selected (expanding a line leaves the selection); the status is shown. Returns the word
  // line (the parent when it is one), null when the word has no variant (no line is made), when a
  // part-of-speech line is the parent, or when a failure (shown) came before the word line. Without
  // a language: "No language selected !" and null.
  TreeItem* LookUp(std::string_view word, TreeItem* parent, int mode);
  // LookUp of `word` with no parent and mode 0; when that finds no meaning, a word line for each
  // base form of it (BaseForms, every part of speech) instead, the first base form on top, and
  // "<word>: showing <base forms>" in the message pane of the status bar. The word as typed keeps
  // its priority: base forms are sought only when it has no variant. Returns the top word line;
  // null as LookUp when neither finds anything.
  TreeItem* LookUpOrBaseForms(std::string_view word);
  // The look-up the bars run: sets the language to `code` (clearing the pane when it changes) and,
  // when the database has that language, looks up the word form in `text` (SearchText::WordOf)
  // as LookUpOrBaseForms does. Null when the language is unknown (nothing shown: the bar then
  // tries its own choice of language) or as LookUpOrBaseForms.
  TreeItem* LookUpFromBar(std::string code, std::string_view text);

  // A concept line for `meaning` (taken over) with its ILI lines and variant lines: the last child
  // of `parent`, or, for a null parent, the last top-level line. Null when `meaning` is null or the
  // parent cannot take children. What the library throws passes through; the line stays.
  ConceptItem* AddConceptLine(TreeItem* parent, lexicon::Owned<Concept> meaning);
  // Where AddConceptById puts its line.
  enum class Placement { kAtTop, kAtEnd };
  // A top-level concept line, first or last, for the concept with that record id fetched again
  // from the pane's language, so that the line owns its own copy. Null when the pane has no
  // language or no such concept; a library failure is shown and also gives null.
  ConceptItem* AddConceptById(std::int32_t recordId, Placement placement);
  // The same as the last child of `parent`, a line of this pane that can take children.
  ConceptItem* AddConceptById(std::int32_t recordId, TreeItem& parent);
  // A relation line without targets as the last child of `line`: named by the database, else
  // "Relation <id>"; the "Top hyperonym" line for RelationItem::kNoRelation. Null as InsertChild.
  TreeItem* AddRelationLine(TreeItem& line, std::int16_t relation);

  // Expands or collapses a line as a double click does, filling it from the database; the status
  // is shown unless the expansion reported it handled everything.
  void ExpandLine(TreeItem& line);
  void CollapseLine(TreeItem& line);
  void ToggleLine(TreeItem& line);

  // Selects the line (null: none) or the row, and shows the status. False, unchanged, as
  // TreeListBox::Select.
  bool Select(TreeItem* line);
  bool Select(int index);
  // Shows "Ln <selected row + 1> LnCnt <visible lines>" in the status pane of lines.
  void ShowLineStatus();

  // The Follow command with number `commandId` (FollowCommand) on the selected concept line: a
  // relation line, with the targets below it, for each of its relations that has links. Without a
  // selected concept line: "Literal is not selected !"; with no target at all the command's own
  // message. An unknown command number does nothing.
  void Follow(int commandId);
  // The Follow step for one relation on `line` of this pane: a relation line with the targets of
  // its links below it, when there are any. Returns the number of targets (0 for a line without
  // concept or of another pane); says nothing. What the library throws passes through.
  int FollowRelation(ConceptItem& line, std::int16_t relation);
  // Nests every hyperonym path of the selected concept under a new "Top hyperonym" line
  // (LinkFollower::WalkToTop, which asks now and then whether to break off).
  // Without a selected concept line: "Literal is not selected !".
  void TopHyperonym();
  // Looks up, in this pane, the word of the selected concept line's current variant: "Literal not
  // selected !" when there is none, "Word not found !" when the look-up makes no line.
  void LookUpCurrentVariant();

  // Deletes the selected line with its subtree and selects its next sibling, else the row before
  // it. "No line in the list selected !" without a selected line; "Cannot delete an ILI record !"
  // for an ILI line.
  void ClearSubtree();
  // Deletes every line.
  void ClearTree();

  // A note right above the top-level line holding the selected line (at the end without one),
  // selected afterwards. An empty text adds nothing; returns the note or null.
  TreeItem* AddNote(std::string text);
  // Replaces a note's text; false, unchanged, for any other line or an empty text.
  bool EditNote(TreeItem& note, std::string text);

  // Searches the rows for `text` as LineFinder does. On a match the line becomes selected with the
  // matching variant as current (0 for its own text) and true comes back; else "Word not found !"
  // and false.
  bool Find(std::string_view text, LineFinder::Direction direction);

  // Reads every concept line's concept again from the database by its record id and rebuilds its
  // variant and ILI lines. A concept that is no longer there leaves its line without concept,
  // variants or ILI record ("<No ILI links>").
  void Refresh();

  // Copies `source` into this (empty) pane for a new window: its language, its notes, and its
  // top-level word and concept lines rebuilt from the database, each one filled one level again
  // when it was expanded. Deeper lines are not copied.
  void CopyFrom(const ConceptPane& source);

  // The selected line when it is a concept line with a concept, else null.
  ConceptItem* SelectedConcept() const;
  // The same for a command that needs one: null after "Literal is not selected !" was shown.
  ConceptItem* SelectedConceptOrSay() const;

  // The pane as the list's LineExpander, called as lines expand with auto-expand on. Each returns
  // 0: the status is left to ExpandLine. A word line gets its part-of-speech lines; a
  // part-of-speech line its concepts (under a relation line: the relation's targets of its part of
  // speech); a concept line one relation line per run of links of one relation that the filter
  // lets pass and the database names; a relation line its targets ("Top hyperonym": the walk
  // again). What the library throws while a concept or relation line fills passes through.
  int ExpandWord(WordItem& line) override;
  int ExpandPartOfSpeech(PartOfSpeechItem& line) override;
  int ExpandConcept(ConceptItem& line) override;
  int ExpandRelation(RelationItem& line) override;

 private:
  // The entry of the pane's language; null when it has none or the database lacks it.
  const LanguageEntry* Entry() const;
  // The concept with that record id in the pane's language; null when there is none.
  lexicon::Owned<Concept> ConceptById(std::int32_t recordId) const;
  // The part-of-speech line named `name` under the word line, made when it has none yet.
  TreeItem* PartOfSpeechLine(TreeItem& wordLine, const std::string& name);
  void AttachIliLines(ConceptItem& line);
  // Gives a concept line just inserted (null: none) its ILI lines and variants.
  ConceptItem* Furnish(TreeItem* inserted);
  // Concept lines for the targets of the relation line's links from `source`: grouped under new
  // part-of-speech lines where the relation asks for it, or, given a part-of-speech line below the
  // relation line, only the targets of that part of speech, under it.
  void FillTargets(RelationItem& line, Concept& source, TreeItem* partOfSpeechLine);

  ViewerDatabase& database_;
  PersonInterface& person_;
  std::string language_;
  TreeListBox lines_;
  LinkFollower follower_;
};
