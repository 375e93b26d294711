// What fills a line's children when the line is expanded: the concept pane implements it with its
// look-up and the database; the line model only dispatches to it by the line's kind.
#pragma once

class ConceptItem;
class PartOfSpeechItem;
class RelationItem;
class WordItem;

class LineExpander {
 public:
  LineExpander() = default;
  LineExpander(const LineExpander&) = delete;
  LineExpander& operator=(const LineExpander&) = delete;
  virtual ~LineExpander() = default;

  // Each inserts the children of `line` into its list and returns 1 when it handled the
  // expansion completely itself (the caller then does no more, such as refreshing the status),
  // else 0.
  virtual int ExpandWord(WordItem& line) = 0;
  virtual int ExpandPartOfSpeech(PartOfSpeechItem& line) = 0;
  virtual int ExpandConcept(ConceptItem& line) = 0;
  virtual int ExpandRelation(RelationItem& line) = 0;
};
