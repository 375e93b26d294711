#include "records/CriteriaTokenizer.h"

#include <gtest/gtest.h>

#include <vector>

using records::CriteriaToken;
using records::CriteriaTokenizer;
using Kind = CriteriaToken::Kind;

namespace {

std::vector<CriteriaToken> Tokens(std::string_view text) {
  CriteriaTokenizer tokenizer(text, [](const std::string& name, std::uint16_t* tag) {
    if (name != "LITERAL") return false;
    *tag = 13;
    return true;
  });
  std::vector<CriteriaToken> out;
  CriteriaToken token;
  while (tokenizer.Next(&token)) out.push_back(token);
  return out;
}

}  // namespace

TEST(CriteriaTokenizer, ClassifiesTheWorkedExample) {
  const auto tokens = Tokens("LITERAL == 'dog' AND #20 > 2");
  ASSERT_EQ(tokens.size(), 7u);
  EXPECT_EQ(tokens[0].kind, Kind::kField);
  EXPECT_EQ(tokens[0].code, 13);
  EXPECT_EQ(tokens[1].kind, Kind::kOperator);
  EXPECT_EQ(tokens[1].code, 21);
  EXPECT_EQ(tokens[2].kind, Kind::kText);
  EXPECT_EQ(tokens[2].text, "dog");
  EXPECT_EQ(tokens[3].code, 18);
  EXPECT_EQ(tokens[4].kind, Kind::kField);
  EXPECT_EQ(tokens[4].code, 20);
  EXPECT_EQ(tokens[5].code, 28);
  EXPECT_EQ(tokens[6].kind, Kind::kNumber);
  EXPECT_EQ(tokens[6].number, 2u);
}

TEST(CriteriaTokenizer, OperatorWordsIgnoreCaseUnlessQuoted) {
  for (const char* word : {"and", "And", "AND", "&&"}) {
    const auto tokens = Tokens(word);
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].kind, Kind::kOperator);
    EXPECT_EQ(tokens[0].code, 18);
  }
  const auto quoted = Tokens("'AND'");
  ASSERT_EQ(quoted.size(), 1u);
  EXPECT_EQ(quoted[0].kind, Kind::kText);
  EXPECT_EQ(records::OperatorCode("matches_begin"), 23);
  EXPECT_EQ(records::OperatorCode(".ge."), 29);
  EXPECT_EQ(records::OperatorCode("=="), 21);
  EXPECT_EQ(records::OperatorCode("="), 0);
}

TEST(CriteriaTokenizer, NumbersFieldsAndText) {
  const auto tokens = Tokens("007 7a #007 99999999999 #x");
  ASSERT_EQ(tokens.size(), 5u);
  EXPECT_EQ(tokens[0].kind, Kind::kNumber);
  EXPECT_EQ(tokens[0].number, 7u);
  EXPECT_EQ(tokens[1].kind, Kind::kText);
  EXPECT_EQ(tokens[2].kind, Kind::kField);
  EXPECT_EQ(tokens[2].code, 7);
  EXPECT_EQ(tokens[3].kind, Kind::kText);  // too large to be a 32-bit number
  EXPECT_EQ(tokens[4].kind, Kind::kField);
  EXPECT_EQ(tokens[4].code, 0);
}

TEST(CriteriaTokenizer, BracketsAndEmptyTokensEndTheParse) {
  const auto tokens = Tokens("#5 == dog) OR #6 == cat");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[2].text, "dog");
  EXPECT_TRUE(Tokens("(#5 == 1)").empty());
  EXPECT_EQ(Tokens("#5 == '' OR #6").size(), 2u);
  EXPECT_TRUE(Tokens("   ").empty());
}

TEST(CriteriaTokenizer, Escapes) {
  const auto tokens = Tokens(R"('it\'s' a\ b \x41\X4142 "tab\there" end\)");
  ASSERT_EQ(tokens.size(), 5u);
  EXPECT_EQ(tokens[0].text, "it's");
  EXPECT_EQ(tokens[1].text, "a b");
  EXPECT_EQ(tokens[2].text, "AB");  // only the last two hex digits count
  EXPECT_EQ(tokens[3].text, "tab\there");
  EXPECT_EQ(tokens[4].text, "end");
  EXPECT_EQ(Tokens(R"(\q\xg)")[0].text, "qxg");
}

TEST(CriteriaTokenizer, UnclosedQuoteRunsToTheEnd) {
  const auto tokens = Tokens("'open text AND more");
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0].text, "open text AND more");
}
