#include "GlossSplitter.h"

#include <gtest/gtest.h>

namespace {

using importers::SplitGlossText;

TEST(GlossSplitterTest, DefinitionBeforeTheFirstQuoteAndEachQuotedExample) {
  const auto split = SplitGlossText(
      "a member of the genus Canis; occurs in many breeds; \"the dog barked\"; \"a dog's life\"");
  EXPECT_EQ(split.definition, "a member of the genus Canis; occurs in many breeds");
  EXPECT_EQ(split.examples, (std::vector<std::string>{"the dog barked", "a dog's life"}));
}

TEST(GlossSplitterTest, GlossesWithOnlyOnePart) {
  EXPECT_EQ(SplitGlossText("a plain definition").definition, "a plain definition");
  EXPECT_TRUE(SplitGlossText("a plain definition").examples.empty());
  const auto examplesOnly = SplitGlossText("\"an example\"");
  EXPECT_EQ(examplesOnly.definition, "");
  EXPECT_EQ(examplesOnly.examples, (std::vector<std::string>{"an example"}));
}

TEST(GlossSplitterTest, UnclosedAndEmptyQuotes) {
  const auto split = SplitGlossText("def; \"\"; \"an open example; still open");
  EXPECT_EQ(split.definition, "def");
  EXPECT_EQ(split.examples, (std::vector<std::string>{"an open example; still open"}));
}

// Glosses as WordNet 3.0 writes them ("call" n 4, "cow" n 1, "range" n 1, "untying").
TEST(GlossSplitterTest, QuotesInsideTheDefinitionStayThere) {
  EXPECT_EQ(SplitGlossText("a demand especially in the phrase \"the call of duty\"").definition,
            "a demand especially in the phrase \"the call of duty\"");
  const auto cow = SplitGlossText("female of domestic cattle: \"`moo-cow' is a child's term\"");
  EXPECT_EQ(cow.definition, "female of domestic cattle: \"`moo-cow' is a child's term\"");
  EXPECT_TRUE(cow.examples.empty());
  const auto range = SplitGlossText(
      "an area in which something acts: \"the range of a jet\"; \"a piano has a greater range\";");
  EXPECT_EQ(range.definition, "an area in which something acts: \"the range of a jet\"");
  EXPECT_EQ(range.examples, (std::vector<std::string>{"a piano has a greater range"}));
  const auto phrase = SplitGlossText(
      "significant progress (especially in the phrase \"make strides\"); \"they made strides\"");
  EXPECT_EQ(phrase.definition, "significant progress (especially in the phrase \"make strides\")");
  EXPECT_EQ(phrase.examples, (std::vector<std::string>{"they made strides"}));
}

TEST(GlossSplitterTest, ExamplesKeepTheirSemicolonsAndSources) {
  const auto split = SplitGlossText(
      "loosening ties; \"the tying is an art; the untying is easy\"; \"all is vanity\"- Bible; "
      "\"mine; I will repay\"--Romans 12:19");
  EXPECT_EQ(split.definition, "loosening ties");
  EXPECT_EQ(split.examples, (std::vector<std::string>{"the tying is an art; the untying is easy",
                                                      "\"all is vanity\"- Bible",
                                                      "\"mine; I will repay\"--Romans 12:19"}));
}

TEST(GlossSplitterTest, ANoteAmongTheExamplesJoinsTheDefinition) {
  const auto split = SplitGlossText(
      "disposed to avoid notice; \"they weren't bashful\"; (`blate' is a Scottish term)");
  EXPECT_EQ(split.definition, "disposed to avoid notice; (`blate' is a Scottish term)");
  EXPECT_EQ(split.examples, (std::vector<std::string>{"they weren't bashful"}));
}

}  // namespace
