// The commands of a multilingual view that carry concepts across through the inter-lingual index,
// and the connections the link strip draws between the two panes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "LexicalSchema.h"
#include "RecordingPerson.h"
#include "ViewerFixture.h"
#include "lexicon/LexiconFixture.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptItem.h"
#include "tree/FollowCommand.h"
#include "tree/IliItem.h"
#include "tree/LinkConnections.h"
#include "tree/TwinPanes.h"

using namespace fixture;
using namespace schema;

namespace {

using Focus = PersonInterface::FocusTarget;
using Pen = LinkConnections::Pen;

class TwinPanesTest : public ViewerFixture {
 protected:
  // Opens the database with English on the left and Dutch on the right.
  void Open() {
    ASSERT_EQ(database_.Open(path_), 1);
    twins_.StartWithFirstLanguage();
    ASSERT_EQ(Left().Language(), "EN");
    Right().SetLanguage("NL");
  }

  // A Dutch hyperonym of hond: concept 2 "hondachtige", linked from hond by relation 8.
  void AddDutchHyperonym() {
    Write([](void* db) {
      Put(db, kDutch, kConcepts, 2,
          {F(0, CONCEPT), N(1, CONCEPT_TYPE, 1), N(1, PART_OF_SPEECH, 1)});
      Put(db, kDutch, kDefaultContainer, 2,
          {F(0, VARIANT), P(1, CONCEPT, 2), T(1, LITERAL, "hondachtige"), N(2, SENSE, 1)});
      Put(db, kDutch, kInternalLinks, 1,
          {F(0, INTERNAL_LINK), N(1, RELATION, 8), P(1, SOURCE_CONCEPT, 1),
           P(1, TARGET_CONCEPT, 2)});
    });
  }

  ConceptPane& Left() { return twins_.Pane(TwinPanes::kLeft); }
  ConceptPane& Right() { return twins_.Pane(TwinPanes::kRight); }

  // Each line of `pane` as "<level><text>", a concept line by its first variant's literal.
  static std::vector<std::string> Shape(const ConceptPane& pane) {
    std::vector<std::string> lines;
    for (const TreeItem* line = pane.Lines().First(); line != nullptr; line = line->Next()) {
      const std::string text = line->Kind() == LineKind::kConcept && line->VariantCount() > 0
                                   ? line->Variant(1)->Text()
                                   : line->Text();
      lines.push_back(std::to_string(line->Level()) + text);
    }
    return lines;
  }

  // The `skip`-th line of `pane` (display order) of `kind` whose text or first variant starts
  // with `text`; fails the test when there is none.
  static TreeItem* Find(ConceptPane& pane, LineKind kind, const std::string& text, int skip = 0) {
    for (TreeItem* line = pane.Lines().First(); line != nullptr; line = line->Next()) {
      if (line->Kind() != kind) continue;
      const std::string shown = kind == LineKind::kConcept && line->VariantCount() > 0
                                    ? line->Variant(1)->Text()
                                    : line->Text();
      if (shown.starts_with(text) && skip-- == 0) return line;
    }
    ADD_FAILURE() << "no line " << text;
    return nullptr;
  }

  RecordingPerson person_;
  ViewerDatabase database_{person_};
  TwinPanes twins_{database_, person_};
};

TEST_F(TwinPanesTest, FindEquivalencesFillsTheOtherPaneFromEveryIliLine) {
  Open();
  Left().LookUp("dog", nullptr, 0);
  Right().AddNote("cleared first");
  twins_.FindEquivalences();
  // dog 1's synonym record reaches hond; its hyperonym record and the verb reach nothing.
  EXPECT_EQ(Shape(Right()), (std::vector<std::string>{"0hond :1", "0a member of the genus Canis"}));
  EXPECT_EQ(Right().Lines().SelectedIndex(), 0);
  EXPECT_EQ(person_.focus, (std::vector<Focus>{Focus::kRightTree}));
  EXPECT_EQ(twins_.ActiveSide(), TwinPanes::kLeft);
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(TwinPanesTest, FindEquivalencesFromAnEmptyActivePaneTakesTheOtherAsSource) {
  Open();
  Right().LookUp("hond", nullptr, 0);
  twins_.FindEquivalences();
  EXPECT_EQ(twins_.ActiveSide(), TwinPanes::kRight);
  // Both English concepts linked to record 1 as synonyms: dog 1 and puppy 1.
  const std::vector<std::string> shape = Shape(Left());
  ASSERT_EQ(shape.size(), 6u);
  EXPECT_EQ(shape[0], "0dog :1");
  EXPECT_EQ(shape[3], "0puppy :1");
  EXPECT_EQ(person_.focus, (std::vector<Focus>{Focus::kLeftTree}));
}

TEST_F(TwinPanesTest, FindEquivalencesClearsTheTargetEvenWhenNothingIsFound) {
  Open();
  Right().LookUp("hond", nullptr, 0);
  Left().LookUp("canine", nullptr, 0);
  twins_.FindEquivalences();
  EXPECT_EQ(Right().Lines().Count(), 0u);
  EXPECT_EQ(person_.messages, (std::vector<std::string>{"No Equivalence Link(s)"}));
  EXPECT_TRUE(person_.focus.empty());
}

TEST_F(TwinPanesTest, EquivalenceLinkAddsBelowWhatTheOtherPaneShows) {
  Open();
  Left().LookUp("dog", nullptr, 0);
  Right().AddNote("kept");
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kIli, "a member")));
  twins_.EquivalenceLink();
  twins_.EquivalenceLink();
  EXPECT_EQ(Shape(Right()),
            (std::vector<std::string>{"0kept", "0hond :1", "0a member of the genus Canis",
                                      "0hond :1", "0a member of the genus Canis"}));
  EXPECT_TRUE(person_.messages.empty());

  // A record without equivalents in Dutch, and the line that stands for no record.
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kIli, "<No Gloss>")));
  twins_.EquivalenceLink();
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kIli, "<No ILI links>")));
  twins_.EquivalenceLink();
  EXPECT_EQ(person_.messages, (std::vector<std::string>(2, "No Equivalence Link(s)")));
  EXPECT_EQ(Right().Lines().Count(), 5u);

  // Only an ILI line is carried across.
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kConcept, "dog")));
  twins_.EquivalenceLink();
  EXPECT_EQ(Right().Lines().Count(), 5u);
  EXPECT_EQ(person_.messages.size(), 2u);
}

TEST_F(TwinPanesTest, OneUpOneDownFollowsTheSameRelationInTheOtherLanguage) {
  AddDutchHyperonym();
  Open();
  Left().LookUp("dog", nullptr, 0);
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kConcept, "dog")));
  Left().Follow(FollowCommand::kHyperonym);
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kConcept, "canine")));
  Right().AddNote("cleared first");
  twins_.OneUpOneDown();
  EXPECT_EQ(Shape(Right()),
            (std::vector<std::string>{"0hond :1", "0a member of the genus Canis", "1has hyperonym",
                                      "2hondachtige :1", "2<No ILI links>"}));
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(TwinPanesTest, OneUpOneDownFromTheTopHyperonymWalkFollowsHyperonyms) {
  AddDutchHyperonym();
  Open();
  Left().LookUp("dog", nullptr, 0);
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kConcept, "dog")));
  Left().TopHyperonym();
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kConcept, "canine")));
  twins_.OneUpOneDown();
  EXPECT_EQ(Shape(Right())[3], "2hondachtige :1");
}

TEST_F(TwinPanesTest, OneUpOneDownSaysWhatIsMissing) {
  Open();
  // A concept whose parent is a part-of-speech line.
  Left().LookUp("dog", nullptr, 0);
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kConcept, "dog")));
  twins_.OneUpOneDown();
  // A parent concept without equivalents in Dutch (canine has no ILI record).
  Left().ClearTree();
  Left().LookUp("canine", nullptr, 0);
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kConcept, "canine")));
  Left().Follow(FollowCommand::kHyponym);
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kConcept, "dog")));
  Right().LookUp("hond", nullptr, 0);
  twins_.OneUpOneDown();
  EXPECT_EQ(person_.messages,
            (std::vector<std::string>{"One-up One-down requires a parent link",
                                      "Parent has no equivalent synonyms to Dutch"}));
  EXPECT_EQ(Right().Lines().Count(), 0u);
}

TEST_F(TwinPanesTest, ShowLinksVisitsTheMatchesInTurn) {
  Open();
  Left().LookUp("dog", nullptr, 0);
  TreeItem* record = Find(Left(), LineKind::kIli, "a member");
  ASSERT_TRUE(Left().Select(record));
  twins_.EquivalenceLink();
  twins_.EquivalenceLink();
  const int first = Right().Lines().IndexOf(*Find(Right(), LineKind::kIli, "a member"));
  const int second = Right().Lines().IndexOf(*Find(Right(), LineKind::kIli, "a member", 1));
  const int selected = Left().Lines().SelectedIndex();

  std::vector<int> visited;
  for (int i = 0; i < 3; ++i) {
    const std::optional<TwinPanes::ShownLink> shown = twins_.ShowLinks(TwinPanes::kLeft, 1);
    ASSERT_TRUE(shown.has_value());
    visited.push_back(shown->matchIndex);
    EXPECT_EQ(Right().Lines().SelectedIndex(), shown->matchIndex);
    EXPECT_EQ(shown->topIndex, std::max(0, shown->matchIndex - (selected - 1)));
  }
  EXPECT_EQ(visited, (std::vector<int>{first, second, first}));
  EXPECT_EQ(Left().Lines().Selected(), record);

  // From the right pane the same record starts again at its first match on the left.
  const std::optional<TwinPanes::ShownLink> back = twins_.ShowLinks(TwinPanes::kRight, 0);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->matchIndex, Left().Lines().IndexOf(*record));

  // A line without identifiers, and a record that the other pane does not show.
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kConcept, "dog")));
  EXPECT_FALSE(twins_.ShowLinks(TwinPanes::kLeft, 0).has_value());
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kIli, "<No Gloss>")));
  EXPECT_FALSE(twins_.ShowLinks(TwinPanes::kLeft, 0).has_value());
}

TEST_F(TwinPanesTest, ConnectionsJoinEveryPairOfLinesOfOneRecord) {
  Open();
  Left().LookUp("puppy", nullptr, 0);
  Left().LookUp("dog", nullptr, 0);
  ASSERT_TRUE(Left().Select(Find(Left(), LineKind::kIli, "a member")));
  twins_.EquivalenceLink();
  twins_.EquivalenceLink();
  const TreeListBox& left = Left().Lines();
  const TreeListBox& right = Right().Lines();
  const int leftFirst = left.IndexOf(*Find(Left(), LineKind::kIli, "a member"));
  const int leftSecond = left.IndexOf(*Find(Left(), LineKind::kIli, "a member", 1));
  const int rightFirst = right.IndexOf(*Find(Right(), LineKind::kIli, "a member"));
  const int rightSecond = right.IndexOf(*Find(Right(), LineKind::kIli, "a member", 1));

  using C = LinkConnections::Connection;
  auto same = [](const std::vector<C>& a, const std::vector<C>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (a[i].leftIndex != b[i].leftIndex || a[i].rightIndex != b[i].rightIndex ||
          a[i].pen != b[i].pen) {
        return false;
      }
    }
    return true;
  };
  // No focus: two lines on each side with the same record give four plain connections.
  EXPECT_TRUE(same(LinkConnections::Between(left, right, LinkConnections::Focus::kNone),
                   {{leftFirst, rightFirst, Pen::kConnection},
                    {leftFirst, rightSecond, Pen::kConnection},
                    {leftSecond, rightFirst, Pen::kConnection},
                    {leftSecond, rightSecond, Pen::kConnection}}));

  // Focus on the left, its first record line selected, the right's second: the left line's pairs
  // come last, the one joining both selections with the focus pen.
  ASSERT_TRUE(Left().Select(leftFirst));
  ASSERT_TRUE(Right().Select(rightSecond));
  EXPECT_TRUE(same(LinkConnections::Between(left, right, LinkConnections::Focus::kLeft),
                   {{leftSecond, rightFirst, Pen::kConnection},
                    {leftSecond, rightSecond, Pen::kConnection},
                    {leftFirst, rightFirst, Pen::kSelection},
                    {leftFirst, rightSecond, Pen::kFocus}}));
  // Focus on the right: the pairs of the right's selected line.
  EXPECT_TRUE(same(LinkConnections::Between(left, right, LinkConnections::Focus::kRight),
                   {{leftFirst, rightFirst, Pen::kConnection},
                    {leftSecond, rightFirst, Pen::kConnection},
                    {leftFirst, rightSecond, Pen::kFocus},
                    {leftSecond, rightSecond, Pen::kSelection}}));

  // Collapsed lines take no part: hiding puppy's record line leaves two connections.
  Left().CollapseLine(*Find(Left(), LineKind::kWord, "puppy"));
  EXPECT_EQ(LinkConnections::Between(Left().Lines(), right, LinkConnections::Focus::kNone).size(),
            2u);
}

TEST_F(TwinPanesTest, CopyKeepsBothPanesAndTheActiveSide) {
  Open();
  Left().LookUp("dog", nullptr, 0);
  Right().LookUp("hond", nullptr, 0);
  twins_.SetActiveSide(TwinPanes::kRight);
  TwinPanes copy(database_, person_);
  copy.CopyFrom(twins_);
  EXPECT_EQ(copy.Pane(TwinPanes::kLeft).Language(), "EN");
  EXPECT_EQ(copy.Pane(TwinPanes::kRight).Language(), "NL");
  // A copy rebuilds the top-level lines, each filled one level again.
  EXPECT_EQ(Shape(copy.Pane(TwinPanes::kLeft)),
            (std::vector<std::string>{"0dog", "1Noun", "1Verb"}));
  EXPECT_EQ(Shape(copy.Pane(TwinPanes::kRight)), (std::vector<std::string>{"0hond", "1Noun"}));
  EXPECT_EQ(copy.ActiveSide(), TwinPanes::kRight);
}

}  // namespace
