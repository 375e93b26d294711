// The relation and part-of-speech filter: its items, the presets, both tests and the status text.
#include "bars/FilterState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FilterStateTest : public testing::Test {
 protected:
  // Relations numbered with gaps, as a database may have them: items 1, 2, 3.
  void SetUp() override { filter_.Rebuild({{1, "near synonym"}, {8, "has hyperonym"}, {12, "x"}}); }
  std::vector<bool> States() const {
    std::vector<bool> states;
    for (std::size_t i = 0; i < filter_.Count(); ++i) states.push_back(filter_.IsOn(i));
    return states;
  }

  FilterState filter_;
};

TEST_F(FilterStateTest, Items) {
  ASSERT_EQ(filter_.Count(), 10u);
  EXPECT_EQ(filter_.Name(3), "x");
  EXPECT_EQ(filter_.Name(4), "Part-of-speech");
  EXPECT_EQ(filter_.Name(9), "Proper Noun");
  EXPECT_EQ(filter_.PartOfSpeechRoot(), 4u);
  EXPECT_TRUE(filter_.IsRoot(4));
  EXPECT_FALSE(filter_.IsRoot(1));
  EXPECT_EQ(States(), std::vector<bool>(10, true));
  EXPECT_EQ(filter_.StatusText().id, 62006);
}

TEST_F(FilterStateTest, RelationTestFindsTheRelationsOwnItem) {
  filter_.Toggle(3);  // relation 12
  EXPECT_FALSE(filter_.PassesRelation(12));
  EXPECT_TRUE(filter_.PassesRelation(8));
  // Ids that name no item pass, whatever item their number would index.
  EXPECT_TRUE(filter_.PassesRelation(3));
  EXPECT_TRUE(filter_.PassesRelation(5));
  EXPECT_TRUE(filter_.PassesRelation(-1));
  EXPECT_TRUE(filter_.PassesRelation(0));
  EXPECT_TRUE(filter_.IsFiltering());
  EXPECT_STREQ(filter_.StatusText().text, "Filter On");

  filter_.Toggle(0);  // "Link Filters" off: everything passes
  EXPECT_TRUE(filter_.PassesRelation(12));
  EXPECT_FALSE(filter_.IsFiltering());
  EXPECT_STREQ(filter_.StatusText().text, "Filter Off");
}

TEST_F(FilterStateTest, PartOfSpeechTest) {
  filter_.Toggle(6);  // Verb
  EXPECT_FALSE(filter_.PassesPartOfSpeech('v'));
  EXPECT_TRUE(filter_.PassesPartOfSpeech('n'));
  EXPECT_TRUE(filter_.PassesPartOfSpeech('p'));
  EXPECT_FALSE(filter_.PassesPartOfSpeech('?'));
  EXPECT_TRUE(filter_.IsFiltering());

  filter_.Toggle(4);  // "Part-of-speech" off
  EXPECT_TRUE(filter_.PassesPartOfSpeech('v'));
  EXPECT_TRUE(filter_.PassesPartOfSpeech('?'));
  EXPECT_FALSE(filter_.IsFiltering());
}

TEST_F(FilterStateTest, Presets) {
  using Preset = FilterState::Preset;
  filter_.Toggle(2);
  filter_.Apply(Preset::kInvertAllLinks);  // the root "Link Filters" included
  EXPECT_EQ(States(),
            (std::vector<bool>{false, false, true, false, true, true, true, true, true, true}));
  filter_.Apply(Preset::kDeselectAllPartsOfSpeech);
  EXPECT_EQ(States(), (std::vector<bool>{false, false, true, false, false, false, false, false,
                                         false, false}));
  filter_.Apply(Preset::kNone);
  EXPECT_FALSE(filter_.IsOn(4));
  filter_.Apply(Preset::kInvertAll);
  EXPECT_EQ(States(),
            (std::vector<bool>{true, true, false, true, true, true, true, true, true, true}));
  filter_.Apply(Preset::kSelectAllLinks);
  EXPECT_EQ(States(), std::vector<bool>(10, true));
  filter_.Apply(Preset::kDeselectAll);
  EXPECT_EQ(States(), std::vector<bool>(10, false));

  filter_.Rebuild({{1, "near synonym"}});
  EXPECT_EQ(States(), std::vector<bool>(8, true));
  EXPECT_STREQ(FilterState::PresetName(Preset::kInvertAllLinks), "Invert All Links");
  EXPECT_STREQ(FilterState::PresetName(Preset::kNone), "None");
}

TEST(FilterStateEmpty, PassesEverythingBeforeTheFirstRebuild) {
  FilterState filter;
  filter.Toggle(0);
  filter.Apply(FilterState::Preset::kDeselectAll);
  EXPECT_EQ(filter.Count(), 0u);
  EXPECT_TRUE(filter.PassesRelation(8));
  EXPECT_TRUE(filter.PassesPartOfSpeech('x'));
  EXPECT_FALSE(filter.IsFiltering());
}

}  // namespace
