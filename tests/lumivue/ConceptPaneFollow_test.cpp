// The Follow commands and the top-hyperonym walk on the selected concept line.
#include <gtest/gtest.h>

#include <string>

#include "ConceptPaneFixture.h"
#include "tree/FollowCommand.h"

namespace {

class ConceptPaneFollowTest : public ConceptPaneFixture {
 protected:
  bool OpensAtSetUp() const override { return false; }

  // Opens the database, looks `word` up and selects the concept line that starts with `variant`.
  void SelectConcept(const char* word, const std::string& variant) {
    Open();
    pane_.LookUp(word, nullptr, 0);
    ASSERT_TRUE(pane_.Select(&LineOf(variant)));
  }
};

TEST_F(ConceptPaneFollowTest, NeedsASelectedConceptLine) {
  Open();
  pane_.LookUp("dog", nullptr, 0);
  pane_.Follow(FollowCommand::kHyperonym);
  pane_.TopHyperonym();
  ASSERT_TRUE(pane_.Select(&LineOf("a member")));
  pane_.Follow(FollowCommand::kHyponym);
  EXPECT_EQ(person_.messages, (Lines(3, "Literal is not selected !")));
  // A number that is no Follow command does nothing.
  pane_.Select(&LineOf("dog :1"));
  const std::size_t lines = pane_.Lines().Count();
  pane_.Follow(32795);
  EXPECT_EQ(pane_.Lines().Count(), lines);
  EXPECT_EQ(person_.messages.size(), 3u);
}

TEST_F(ConceptPaneFollowTest, FollowAddsTheTargetsOrSaysThereAreNone) {
  SelectConcept("dog", "dog :1");
  pane_.Follow(FollowCommand::kHyperonym);
  EXPECT_EQ(Shape()[5], "3has hyperonym");
  EXPECT_EQ(Shape()[6], "4canine :1");
  EXPECT_EQ(Shape()[7], "4<No ILI links>+");
  EXPECT_TRUE(LineOf("dog :1").IsExpanded());
  EXPECT_TRUE(pane_.Lines().AutoExpand());
  EXPECT_TRUE(person_.messages.empty());

  const std::size_t lines = pane_.Lines().Count();
  pane_.Follow(FollowCommand::kHyponym);
  pane_.Follow(FollowCommand::kAllHolonyms);
  EXPECT_EQ(pane_.Lines().Count(), lines);
  EXPECT_EQ(person_.messages, (Lines{"No Hyponym links available", "No Holo links available"}));
}

TEST_F(ConceptPaneFollowTest, AllMeronymsFollowTheirRelationsInOrder) {
  AddLink(3, 21, kPuppy, kDog);
  AddLink(4, 15, kPuppy, kCanine);
  AddLink(5, 15, kPuppy, kDogVerb);
  SelectConcept("puppy", "puppy :1");
  pane_.Follow(FollowCommand::kAllMeronyms);
  // The database names neither relation.
  EXPECT_EQ(Shape(),
            (Lines{"0puppy", "1Noun", "2puppy :1", "2a member of the genus Canis+", "2a young dog+",
                   "3Relation 15", "4canine :1", "4<No ILI links>+", "4dog :2", "4<No ILI links>+",
                   "3Relation 21", "4dog :1|domestic dog :1|Canis familiaris :1",
                   "4a member of the genus Canis+", "4<No Gloss>+"}));
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(ConceptPaneFollowTest, UnreadableTargetEndsTheCommandKeepingItsLines) {
  AddLink(3, 8, kPuppy, kDog);
  AddLink(4, 8, kPuppy, 99);
  AddLink(5, 8, kPuppy, kCanine);
  SelectConcept("puppy", "puppy :1");
  pane_.Follow(FollowCommand::kHyperonym);
  ASSERT_EQ(person_.messages.size(), 1u);
  EXPECT_EQ(person_.messages[0].rfind("PLX error occurred ", 0), 0u) << person_.messages[0];
  EXPECT_EQ(Shape()[5], "3has hyperonym");
  EXPECT_EQ(Shape()[6], "4dog :1|domestic dog :1|Canis familiaris :1");
  EXPECT_EQ(Shape().size(), 9u);
  EXPECT_TRUE(pane_.Lines().AutoExpand());
  EXPECT_EQ(database_.LastError(), person_.messages[0]);
}

TEST_F(ConceptPaneFollowTest, TopHyperonymNestsEveryPath) {
  AddLink(3, 8, kPuppy, kDog);
  AddLink(4, 8, kPuppy, kCanine);
  SelectConcept("puppy", "puppy :1");
  pane_.TopHyperonym();
  EXPECT_EQ(Shape(),
            (Lines{"0puppy", "1Noun", "2puppy :1", "2a member of the genus Canis+", "2a young dog+",
                   "3Top hyperonym", "4dog :1|domestic dog :1|Canis familiaris :1",
                   "4a member of the genus Canis+", "4<No Gloss>+", "5canine :1",
                   "5<No ILI links>+", "4canine :1", "4<No ILI links>+"}));
  EXPECT_TRUE(person_.questions.empty());

  // Expanding the line again after a collapse walks again.
  TreeItem& top = LineOf("Top hyperonym");
  pane_.CollapseLine(top);
  EXPECT_EQ(Shape().size(), 6u);
  pane_.ExpandLine(top);
  EXPECT_EQ(Shape().size(), 13u);
}

TEST_F(ConceptPaneFollowTest, TopHyperonymOfATopConceptIsEmpty) {
  SelectConcept("canine", "canine :1");
  pane_.TopHyperonym();
  EXPECT_EQ(Shape().back(), "3Top hyperonym");
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(ConceptPaneFollowTest, HyperonymCycleAsksEveryFiftyLinks) {
  AddLink(3, 8, kCanine, kDog);
  SelectConcept("canine", "canine :1");
  person_.answers = {false, true};
  pane_.TopHyperonym();
  EXPECT_EQ(person_.questions,
            Lines(2, "Loop (50 times) in the Goto top Hyperonym\nDo you want to break ?"));
  // Links 1 to 101 got their lines; the 102nd was refused.
  std::size_t conceptLines = 0;
  for (const TreeItem* line = pane_.Lines().First(); line != nullptr; line = line->Next()) {
    if (line->Kind() == LineKind::kConcept) ++conceptLines;
  }
  EXPECT_EQ(conceptLines, 1u + 101u);
  EXPECT_TRUE(pane_.Lines().AutoExpand());

  // Each command starts counting afresh.
  person_.answers = {true};
  pane_.TopHyperonym();
  EXPECT_EQ(person_.questions.size(), 3u);
}
}  // namespace
