// Languages from the codes input files give them: ISO 639-3 codes reach the ISO 639-1 code where
// there is one, the codes databases already use stay, and a code that names no language is none.
#include "Languages.h"

#include <gtest/gtest.h>

#include <string>

using importers::Language;
using importers::LanguageOf;

namespace {

std::string CodeOf(const char* input) {
  const std::optional<Language> language = LanguageOf(input);
  return language ? language->code : "<none>";
}

TEST(LanguagesTest, CodesBecomeTheDatabasesCodes) {
  // The codes databases have always used, reached by every form of the language's code.
  for (const char* dutch : {"NL", "nl", "nld", "dut", "NLD"}) EXPECT_EQ(CodeOf(dutch), "NL");
  for (const char* greek : {"GR", "gr", "el", "ell", "gre"}) EXPECT_EQ(CodeOf(greek), "GR");
  EXPECT_EQ(CodeOf("eng"), "EN");
  EXPECT_EQ(CodeOf("eus"), "EU");
  // Individual languages of a macrolanguage, as Open Multilingual Wordnet's headers name them.
  EXPECT_EQ(CodeOf("arb"), "AR");
  EXPECT_EQ(CodeOf("cmn"), "ZH");
  EXPECT_EQ(CodeOf("zsm"), "MS");
  EXPECT_EQ(CodeOf("nob"), "NB");
  EXPECT_EQ(CodeOf("als"), "SQ");
  // Region and script go to the collation, not the code.
  EXPECT_EQ(CodeOf("pt-BR"), "PT");
  EXPECT_EQ(CodeOf("zh_Hant"), "ZH");
  // Without a two-letter code the three letters stay, so they cannot meet a two-letter code.
  EXPECT_EQ(CodeOf("haw"), "HAW");
  for (const char* none : {"XX", "qq", "zzz", "", "123", "e", "-", "und", "mul", "zxx"}) {
    EXPECT_EQ(CodeOf(none), "<none>") << none;
  }
}

TEST(LanguagesTest, NamesAndCollationLocales) {
  const Language arabic = *LanguageOf("arb");
  EXPECT_EQ(arabic.name, "Arabic");
  EXPECT_EQ(arabic.locale, "ar");
  EXPECT_EQ(LanguageOf("nob")->name, "Norwegian Bokmål");
  EXPECT_EQ(LanguageOf("zh-Hant")->locale, "zh_Hant");
  EXPECT_EQ(LanguageOf("GR")->locale, "el");
  const Language dutch = *LanguageOf("nl");
  EXPECT_EQ(importers::LanguageName(dutch, dutch), "Nederlands");
  EXPECT_EQ(importers::LanguageName(arabic, arabic), "العربية");
  // As the first word of a list entry: capitalised even where the language writes it small.
  EXPECT_EQ(importers::LanguageName(dutch, *LanguageOf("fr")), "Néerlandais");
  EXPECT_EQ(importers::LanguageName(*LanguageOf("GR"), importers::English()), "Greek");
}

TEST(LanguagesTest, TagsForWnLmfFiles) {
  EXPECT_EQ(importers::LanguageTag("GR"), "el");
  EXPECT_EQ(importers::LanguageTag("ZH"), "zh");
  EXPECT_EQ(importers::LanguageTag("HAW"), "haw");
  EXPECT_EQ(importers::LanguageTag("XX"), "xx");
}

}  // namespace
