// The concept trees of the viewer on the whole of Princeton WordNet 3.0, checked against what its
// data files say about "dog"; skipped where WordNet is not installed.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "RecordingPerson.h"
#include "importers/SharedWordNet.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"
#include "tree/RelationItem.h"

namespace {

using Lines = std::vector<std::string>;

class WordNetViewerTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string path = SharedWordNetDatabase();
    if (path.empty()) GTEST_SKIP() << WORDNET_DIR << " holds no WordNet";
    ASSERT_EQ(database_.Open(path), 1) << database_.LastError();
    pane_.SetLanguage("EN");
  }

  // A concept line by its variants ("dog :1|domestic dog :1"), any other line by its text.
  static std::string TextOf(const TreeItem& line) {
    if (line.Kind() != LineKind::kConcept) return line.Text();
    std::string text;
    for (int number = 1; number <= line.VariantCount(); ++number) {
      text += (number > 1 ? "|" : "") + line.Variant(number)->Text();
    }
    return text;
  }

  // Every line as "<level> <text>", an ILI line as "<level> +ili" (its gloss is checked apart).
  Lines Shape() const {
    Lines lines;
    for (const TreeItem* line = pane_.Lines().First(); line != nullptr; line = line->Next()) {
      const bool ili = line->Kind() == LineKind::kIli && line->IsAttached();
      lines.push_back(std::to_string(line->Level()) + " " + (ili ? "+ili" : TextOf(*line)));
    }
    return lines;
  }

  // The concept line of dog's first noun sense after a look-up.
  TreeItem& DogOne() {
    TreeItem* line = pane_.Lines().VisibleLine(2);
    EXPECT_NE(line, nullptr);
    EXPECT_EQ(TextOf(*line), "dog :1|domestic dog :1|Canis familiaris :1");
    return *line;
  }

  RecordingPerson person_;
  ViewerDatabase database_{person_};
  ConceptPane pane_{database_, person_};
};

TEST_F(WordNetViewerTest, DogHasSevenNounAndOneVerbMeaningsEachWithItsGloss) {
  TreeItem* word = pane_.LookUp("dog", nullptr, 0);
  ASSERT_NE(word, nullptr);
  EXPECT_EQ(word->Kind(), LineKind::kWord);
  // The noun senses come in WordNet's sense order: the k-th holds "dog :k".
  EXPECT_EQ(Shape(),
            (Lines{"0 dog", "1 Noun", "2 dog :1|domestic dog :1|Canis familiaris :1", "2 +ili",
                   "2 frump :1|dog :2", "2 +ili", "2 dog :3", "2 +ili",
                   "2 cad :1|bounder :1|blackguard :1|dog :4|hound :2|heel :3", "2 +ili",
                   "2 frank :2|frankfurter :1|hotdog :3|hot dog :3|dog :5|wiener :2|"
                   "wienerwurst :1|weenie :1",
                   "2 +ili", "2 pawl :1|detent :1|click :3|dog :6", "2 +ili",
                   "2 andiron :1|firedog :1|dog :7|dog-iron :1", "2 +ili", "1 Verb",
                   "2 chase :1|chase after :2|trail :2|tail :1|tag :4|give chase :1|dog :1|"
                   "go after :1|track :3",
                   "2 +ili"}));
  EXPECT_EQ(pane_.Lines().VisibleCount(), pane_.Lines().Count());
  EXPECT_TRUE(pane_.Lines().VisibleLine(3)->Text().starts_with(
      "a member of the genus Canis (probably descended from the common wolf)"));
  EXPECT_TRUE(pane_.Lines().VisibleLine(18)->Text().starts_with(
      "go after with the intent to catch; \"The policeman chased the mugger"));
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(WordNetViewerTest, DogOneFollowsEachRelationToItsTargetsAndRebuildsThem) {
  pane_.LookUp("dog", nullptr, 0);
  TreeItem& dog = DogOne();
  pane_.ExpandLine(dog);
  // WordNet's pointers of dog 1: 2 hypernyms, 2 member holonyms, 18 hyponyms, 1 part meronym.
  std::map<std::string, int> targets;
  TreeListBox& lines = pane_.Lines();
  for (TreeItem* relation = lines.FirstChild(dog); relation != nullptr;
       relation = lines.NextSibling(*relation)) {
    ASSERT_EQ(relation->Kind(), LineKind::kRelation);
    pane_.ExpandLine(*relation);
    int count = 0;
    for (TreeItem* target = lines.FirstChild(*relation); target != nullptr;
         target = lines.NextSibling(*target)) {
      EXPECT_EQ(target->Kind(), LineKind::kConcept);
      ++count;
    }
    targets[relation->Text()] = count;
  }
  EXPECT_EQ(targets, (std::map<std::string, int>{{"has hyperonym", 2},
                                                 {"has holo member", 2},
                                                 {"has hyponym", 18},
                                                 {"has mero part", 1}}));

  pane_.CollapseLine(dog);
  pane_.ExpandLine(dog);
  int relations = 0;
  for (TreeItem* relation = lines.FirstChild(dog); relation != nullptr;
       relation = lines.NextSibling(*relation)) {
    EXPECT_FALSE(relation->IsExpanded());
    EXPECT_EQ(lines.FirstChild(*relation), nullptr);
    ++relations;
  }
  EXPECT_EQ(relations, 4);
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(WordNetViewerTest, TopHyperonymOfDogOneEndsAtEntityOnBothPaths) {
  pane_.LookUp("dog", nullptr, 0);
  TreeItem& dog = DogOne();
  ASSERT_TRUE(pane_.Select(&dog));
  pane_.TopHyperonym();

  TreeListBox& lines = pane_.Lines();
  TreeItem* top = lines.FirstChild(dog);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->Text(), RelationItem::kTopHyperonymText);
  Lines hyperonyms;
  for (TreeItem* line = lines.FirstChild(*top); line != nullptr; line = lines.NextSibling(*line)) {
    hyperonyms.push_back(TextOf(*line));
  }
  EXPECT_EQ(hyperonyms, (Lines{"canine :2|canid :1", "domestic animal :1|domesticated animal :1"}));

  // Every path ends at entity, nested one level per link: 13 links through canine, 8 through
  // domestic animal.
  std::vector<int> depths;
  for (TreeItem* line = top->Next(); line != nullptr && line->Level() > top->Level();
       line = line->Next()) {
    if (line->Kind() != LineKind::kConcept || lines.FirstChild(*line) != nullptr) continue;
    EXPECT_EQ(TextOf(*line), "entity :1");
    EXPECT_TRUE(line->IsVisible());
    depths.push_back(line->Level() - top->Level());
  }
  EXPECT_EQ(depths, (std::vector<int>{13, 8}));
  EXPECT_TRUE(person_.questions.empty());
  EXPECT_TRUE(person_.messages.empty());
}

}  // namespace
