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
  const auto split = SplitGlossText("def; \"\" \"an open example");
  EXPECT_EQ(split.definition, "def");
  EXPECT_EQ(split.examples, (std::vector<std::string>{"an open example"}));
}

}  // namespace
