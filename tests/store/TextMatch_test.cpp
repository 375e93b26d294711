#include "store/TextMatch.h"

#include <gtest/gtest.h>

#include <string>

using store::FoldedText;
using store::WildcardMatch;

namespace {

bool Match(std::string_view pattern, std::string_view text, bool sensitive = false) {
  return WildcardMatch(FoldedText(pattern, sensitive), FoldedText(text, sensitive));
}

}  // namespace

TEST(TextMatch, WildcardsCoverWholeText) {
  EXPECT_TRUE(Match("do*", "dog"));
  EXPECT_TRUE(Match("do*", "do"));
  EXPECT_FALSE(Match("do*", "udo"));
  EXPECT_TRUE(Match("*ness", "happiness"));
  EXPECT_FALSE(Match("*ness", "nessie"));
  EXPECT_TRUE(Match("d?g", "dog"));
  EXPECT_FALSE(Match("d?g", "dg"));
  EXPECT_TRUE(Match("*a*b*c*", "xxaxxbxxcxx"));
  EXPECT_FALSE(Match("*a*b*c*", "xxaxxcxxbxx"));
  EXPECT_TRUE(Match("", ""));
  EXPECT_FALSE(Match("", "a"));
}

TEST(TextMatch, CaseFoldingOnNonAsciiText) {
  EXPECT_TRUE(Match("ŻÓŁW", "żółw"));
  EXPECT_FALSE(Match("ŻÓŁW", "żółw", true));
  EXPECT_TRUE(Match("ΣΚΎΛ?Σ", "σκύλος"));
  EXPECT_TRUE(Match("ÉT?", "été"));
  EXPECT_TRUE(Match("?té", "été"));  // one character, not one byte
}

TEST(TextMatch, HostilePatternsStayFast) {
  const std::string stars(10000, '*');
  EXPECT_TRUE(Match(stars, "anything"));
  const std::string longText(60000, 'a');
  EXPECT_FALSE(Match("*" + std::string(200, 'a') + "b", longText));
  EXPECT_TRUE(Match(longText, longText));
}

TEST(TextMatch, DamagedUtf8StillCompares) {
  EXPECT_EQ(FoldedText("a\xFF", false), U"a\uFFFD");
}
