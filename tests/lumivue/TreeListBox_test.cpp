// The flat list of tree lines: where lines go, which are visible, what expansion, collapse and
// deletion do, and the parent and sibling rules.
#include "tree/TreeListBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tree/AutoExpandPause.h"
#include "tree/ConceptItem.h"
#include "tree/IliItem.h"
#include "tree/LineExpander.h"
#include "tree/NoteItem.h"
#include "tree/PartOfSpeechItem.h"
#include "tree/RelationItem.h"
#include "tree/WordItem.h"

namespace {

using Lines = std::vector<std::string>;

// Each line as "<level><text>", with "+" for attached lines, "*" for expanded ones and "~" for
// hidden ones.
Lines Shape(const TreeListBox& list) {
  Lines lines;
  for (const TreeItem* line = list.First(); line != nullptr; line = line->Next()) {
    std::string text = std::to_string(line->Level()) + line->Text();
    if (line->IsAttached()) text += "+";
    if (line->IsExpanded()) text += "*";
    if (!line->IsVisible()) text += "~";
    lines.push_back(text);
  }
  return lines;
}

Lines Rows(const TreeListBox& list) {
  Lines rows;
  for (std::size_t i = 0; i < list.VisibleCount(); ++i) rows.push_back(list.VisibleLine(i)->Text());
  return rows;
}

std::unique_ptr<TreeItem> Line(const char* text) {
  return std::make_unique<PartOfSpeechItem>(text);
}
std::unique_ptr<TreeItem> Ili() {
  return IliItem::NoLinks();
}

// Fills a word line with two parts of speech, records every call.
class FakeExpander : public LineExpander {
 public:
  explicit FakeExpander(TreeListBox& list) : list_(list) {}
  int ExpandWord(WordItem& line) override {
    calls.push_back("word " + line.Text());
    list_.InsertChild(line, Line("filled 1"));
    list_.InsertChild(line, Line("filled 2"));
    return 1;
  }
  int ExpandPartOfSpeech(PartOfSpeechItem& line) override {
    calls.push_back("pos " + line.Text());
    return 0;
  }
  int ExpandConcept(ConceptItem&) override {
    calls.push_back("concept");
    return 0;
  }
  int ExpandRelation(RelationItem& line) override {
    calls.push_back("relation " + line.Text());
    return 0;
  }

  std::vector<std::string> calls;

 private:
  TreeListBox& list_;
};

class TreeListBoxTest : public testing::Test {
 protected:
  // word, under it parts a and b; under a the concept line c with one ILI line and a relation r.
  void Build() {
    word_ = list_.InsertAtTop(std::make_unique<WordItem>("w"));
    a_ = list_.InsertChild(*word_, Line("a"));
    b_ = list_.InsertChild(*word_, Line("b"));
    c_ = list_.InsertChild(*a_, Line("c"));
    ili_ = list_.InsertAttached(*c_, Ili());
    r_ = list_.InsertChild(*c_, std::make_unique<RelationItem>("r", 8));
  }

  TreeListBox list_;
  TreeItem* word_ = nullptr;
  TreeItem* a_ = nullptr;
  TreeItem* b_ = nullptr;
  TreeItem* c_ = nullptr;
  TreeItem* ili_ = nullptr;
  TreeItem* r_ = nullptr;
};

TEST_F(TreeListBoxTest, ChildrenFollowTheParentsBlock) {
  Build();
  EXPECT_EQ(Shape(list_), (Lines{"0w*", "1a*", "2c*", "2<No ILI links>+", "3r", "1b"}));
  EXPECT_EQ(list_.Count(), 6u);

  // A second attached line goes after the first, before the children.
  list_.InsertAttached(*c_, Ili());
  EXPECT_EQ(Shape(list_)[4], "2<No ILI links>+");
  EXPECT_EQ(list_.FirstChild(*c_), r_);

  EXPECT_EQ(list_.Parent(*r_), c_);
  EXPECT_EQ(list_.Parent(*c_), a_);
  EXPECT_EQ(list_.Parent(*ili_), a_);
  EXPECT_EQ(list_.Parent(*word_), nullptr);
  EXPECT_EQ(list_.NextSibling(*a_), b_);
  EXPECT_EQ(list_.NextSibling(*b_), nullptr);
  EXPECT_EQ(list_.NextSibling(*c_), nullptr);
  EXPECT_EQ(list_.NextSibling(*ili_), nullptr);
  EXPECT_EQ(list_.FirstChild(*word_), a_);
  EXPECT_EQ(list_.FirstChild(*b_), nullptr);
  EXPECT_EQ(list_.FirstChild(*ili_), nullptr);
  EXPECT_EQ(list_.TopLevelLineOf(*r_), word_);
  EXPECT_EQ(list_.TopLevelLineOf(*ili_), word_);
}

TEST_F(TreeListBoxTest, TopLevelPlacement) {
  Build();
  TreeItem* end = list_.InsertAtEnd(Line("end"));
  list_.InsertAtTop(Line("top"));
  // After a line means after its whole block; an attached anchor stands for its owner.
  list_.InsertAfter(*word_, Line("after w"));
  list_.InsertAfter(*ili_, Line("after c"));
  list_.InsertBefore(*end, Line("before end"));
  EXPECT_EQ(Shape(list_), (Lines{"0top", "0w*", "1a*", "2c*", "2<No ILI links>+", "3r", "2after c",
                                 "1b", "0after w", "0before end", "0end"}));
  EXPECT_EQ(list_.Parent(*list_.NextSibling(*c_)), a_);

  TreeListBox other;
  EXPECT_EQ(other.InsertAfter(*word_, Line("x")), nullptr);
  EXPECT_EQ(other.InsertChild(*word_, Line("x")), nullptr);
  EXPECT_EQ(other.Count(), 0u);
  EXPECT_EQ(list_.InsertChild(*ili_, Line("x")), nullptr);
  EXPECT_EQ(list_.InsertAttached(*ili_, Ili()), nullptr);
}

TEST_F(TreeListBoxTest, InsertingUnderACollapsedParent) {
  FakeExpander expander(list_);
  list_.SetExpander(&expander);
  TreeItem* word = list_.InsertAtEnd(std::make_unique<WordItem>("w"));
  // With auto-expand on, the parent is filled first and the new line goes after its lines.
  list_.InsertChild(*word, Line("mine"));
  EXPECT_EQ(Shape(list_), (Lines{"0w*", "1filled 1", "1filled 2", "1mine"}));
  EXPECT_EQ(expander.calls, (std::vector<std::string>{"word w"}));

  // While the program builds lines itself, the parent is only marked expanded.
  TreeItem* other = list_.InsertAtEnd(std::make_unique<WordItem>("v"));
  {
    const AutoExpandPause pause(list_);
    list_.InsertChild(*other, Line("built"));
  }
  EXPECT_TRUE(list_.AutoExpand());
  EXPECT_EQ(expander.calls.size(), 1u);
  EXPECT_TRUE(other->IsExpanded());

  // A hidden child leaves its parent collapsed.
  TreeItem* third = list_.InsertAtEnd(std::make_unique<WordItem>("u"));
  list_.SetDefaultFlags(line_flag::kNeverShown);
  list_.InsertChild(*third, Line("never"));
  EXPECT_EQ(Shape(list_).back(), "1never~");
  EXPECT_FALSE(third->IsExpanded());
}

TEST_F(TreeListBoxTest, ExpansionDispatchesByKind) {
  FakeExpander expander(list_);
  list_.SetExpander(&expander);
  TreeItem* word = list_.InsertAtEnd(std::make_unique<WordItem>("w"));
  TreeItem* relation = list_.InsertAtEnd(std::make_unique<RelationItem>("r", 8));
  TreeItem* concept_line = list_.InsertAtEnd(std::make_unique<ConceptItem>(nullptr));
  TreeItem* ili = list_.InsertAttached(*concept_line, Ili());
  TreeItem* note = list_.InsertAtEnd(std::make_unique<NoteItem>("n"));

  EXPECT_EQ(list_.Expand(*word), 1);
  EXPECT_EQ(list_.Expand(*relation), 0);
  EXPECT_EQ(list_.Expand(*concept_line), 0);
  EXPECT_EQ(list_.Expand(*ili), 0);
  EXPECT_EQ(list_.Expand(*note), 0);
  EXPECT_FALSE(note->IsExpanded());
  // A line that has its children is not filled a second time.
  EXPECT_EQ(list_.Expand(*word), 0);
  EXPECT_EQ(expander.calls, (std::vector<std::string>{"word w", "relation r", "concept"}));
  EXPECT_EQ(list_.Count(), 7u);

  list_.SetAutoExpand(false);
  list_.Collapse(*relation);
  list_.Expand(*relation);
  EXPECT_TRUE(relation->IsExpanded());
  EXPECT_EQ(expander.calls.size(), 3u);
}

TEST_F(TreeListBoxTest, CollapseDeletesAndExpandingRefills) {
  FakeExpander expander(list_);
  list_.SetExpander(&expander);
  TreeItem* word = list_.InsertAtEnd(std::make_unique<WordItem>("w"));
  list_.Expand(*word);
  list_.Select(2);
  list_.Collapse(*word);
  EXPECT_EQ(Shape(list_), (Lines{"0w"}));
  EXPECT_EQ(list_.Selected(), nullptr);
  list_.Expand(*word);
  EXPECT_EQ(Shape(list_), (Lines{"0w*", "1filled 1", "1filled 2"}));
  EXPECT_EQ(expander.calls.size(), 2u);
}

TEST_F(TreeListBoxTest, CollapseKeepingChildrenHidesThem) {
  list_.SetDefaultFlags(line_flag::kKeepChildren);
  Build();
  list_.Select(r_);
  list_.Collapse(*a_);
  EXPECT_EQ(list_.Selected(), nullptr);  // a hidden line is not selected
  list_.Collapse(*word_);
  EXPECT_EQ(Shape(list_), (Lines{"0w", "1a~", "2c*~", "2<No ILI links>+~", "3r~", "1b~"}));
  EXPECT_EQ(Rows(list_), (Lines{"w"}));
  // Showing again respects the collapsed line below: c and its lines stay hidden under a.
  list_.Expand(*word_);
  EXPECT_EQ(Rows(list_), (Lines{"w", "a", "b"}));
  list_.Expand(*a_);
  EXPECT_EQ(Rows(list_), (Lines{"w", "a", "c", "<No ILI links>", "r", "b"}));
  EXPECT_EQ(list_.Count(), 6u);
}

TEST_F(TreeListBoxTest, DeletingLines) {
  Build();
  list_.Select(c_);
  list_.Delete(*c_);  // with its attached line and its relation line
  EXPECT_EQ(Shape(list_), (Lines{"0w*", "1a", "1b"}));
  EXPECT_EQ(list_.Selected(), nullptr);
  // a lost its only child and is no longer expanded; w keeps b.
  list_.Delete(*a_);
  EXPECT_EQ(Shape(list_), (Lines{"0w*", "1b"}));
  EXPECT_EQ(list_.FirstChild(*word_), b_);

  TreeItem* concept_line = list_.InsertChild(*b_, std::make_unique<ConceptItem>(nullptr));
  TreeItem* first = list_.InsertAttached(*concept_line, Ili());
  list_.InsertAttached(*concept_line, Ili());
  list_.InsertChild(*concept_line, Line("r"));
  list_.Delete(*first);  // an attached line goes alone
  EXPECT_EQ(Shape(list_), (Lines{"0w*", "1b*", "2*", "2<No ILI links>+", "3r"}));
  list_.DeleteDescendants(*concept_line);
  EXPECT_EQ(Shape(list_), (Lines{"0w*", "1b*", "2*", "2<No ILI links>+"}));
  list_.DeleteAttached(*concept_line);
  EXPECT_EQ(Shape(list_), (Lines{"0w*", "1b*", "2*"}));
  list_.DeleteAll();
  EXPECT_EQ(list_.Count(), 0u);
  EXPECT_EQ(list_.First(), nullptr);
  EXPECT_EQ(list_.VisibleCount(), 0u);
}

TEST_F(TreeListBoxTest, RowsAndSelection) {
  Build();
  list_.Collapse(*a_);
  EXPECT_EQ(Rows(list_), (Lines{"w", "a", "b"}));
  EXPECT_EQ(list_.IndexOf(*b_), 2);
  EXPECT_EQ(list_.VisibleLine(3), nullptr);

  EXPECT_TRUE(list_.Select(2));
  EXPECT_EQ(list_.Selected(), b_);
  EXPECT_EQ(list_.SelectedIndex(), 2);
  EXPECT_FALSE(list_.Select(3));
  EXPECT_FALSE(list_.Select(-2));
  EXPECT_EQ(list_.Selected(), b_);
  EXPECT_TRUE(list_.Select(-1));
  EXPECT_EQ(list_.SelectedIndex(), -1);

  TreeListBox other;
  TreeItem* foreign = other.InsertAtEnd(Line("x"));
  EXPECT_FALSE(list_.Select(foreign));
  EXPECT_EQ(list_.IndexOf(*foreign), -1);
  list_.Delete(*foreign);
  EXPECT_EQ(other.Count(), 1u);
}

TEST_F(TreeListBoxTest, Notes) {
  TreeItem* only = list_.InsertNote(std::make_unique<NoteItem>("first"));
  EXPECT_EQ(list_.Selected(), only);
  Build();
  list_.Select(r_);
  list_.InsertNote(std::make_unique<NoteItem>("above w"));
  list_.Select(-1);
  list_.InsertNote(std::make_unique<NoteItem>("at the end"));
  EXPECT_EQ(Rows(list_),
            (Lines{"above w", "w", "a", "c", "<No ILI links>", "r", "b", "first", "at the end"}));
  EXPECT_EQ(list_.SelectedIndex(), 8);

  // Notes belong to no tree.
  EXPECT_EQ(list_.InsertChild(*only, Line("x")), nullptr);
  EXPECT_EQ(list_.InsertChild(*word_, std::make_unique<NoteItem>("x")), nullptr);
  EXPECT_EQ(list_.InsertAttached(*only, Ili()), nullptr);
  EXPECT_FALSE(only->IsTreeLine());
}

}  // namespace
