// Reading Open Multilingual Wordnet tab files against a WordNet: keys by Princeton offset, the
// lines that are skipped with a warning, and sense numbers by English frequency.
#include "TabFileReader.h"

#include <gtest/gtest.h>

#include "ImporterTestSupport.h"
#include "WordNetLoader.h"

namespace {

class TabFileReaderTest : public testing::Test {
 protected:
  TabFileReaderTest() : diagnostics_(progress_) {
    progress_.warn = [this](const std::string& text) { warnings_.push_back(text); };
    snippet_.Synset("noun", "frump", "18 n 01 dog 2 000 | a dull woman");
    snippet_.Synset("noun", "dog", "05 n 01 dog 0 000 | a domestic dog");
    snippet_.Synset("adj", "big", "00 a 01 big 0 000 | large");
    snippet_.Synset("adj", "huge", "00 s 01 huge 0 001 & {big} a 0000 | very large");
    snippet_.IndexLine("noun", "dog n 2 0 2 1 {dog} {frump}");
    snippet_.ExtraFile("cntlist.rev", "dog%1:05:00:: 1 42\n");
    snippet_.Write(dir_.Path());
    wordnet_ = importers::LoadWordNet(dir_.Path(), &diagnostics_);
    warnings_.clear();
  }

  importers::TabWordNet Read(const std::string& lines) {
    WriteTextFile(dir_.Path("wn-data-nld.tab"), lines);
    return importers::ReadTabFile(dir_.Path("wn-data-nld.tab"), wordnet_, &diagnostics_);
  }
  std::uint32_t IndexOf(const std::string& name) const {
    return wordnet_.Find(name == "dog" || name == "frump" ? importers::PosFile::kNoun
                                                          : importers::PosFile::kAdjective,
                         snippet_.OffsetOf(name));
  }
  std::string Key(const std::string& name, char pos) const {
    return snippet_.OffsetText(name) + "-" + pos;
  }

  ScratchDir dir_;
  WordNetSnippet snippet_;
  importers::WordNet wordnet_;
  importers::Progress progress_;
  std::vector<std::string> warnings_;
  importers::Diagnostics diagnostics_;
};

TEST_F(TabFileReaderTest, ReadsHeaderLemmasDefinitionsAndExamples) {
  const auto tab = Read(
      "# Open Dutch WordNet\tnld\thttp://example.org\tCC BY SA 4.0\n" + Key("dog", 'n') +
      "\tnld:lemma\thond\n" + Key("dog", 'n') + "\tnld:lemma\t viervoeter \r\n" + Key("dog", 'n') +
      "\tnld:exe\t1\tde hond blaft\n" + Key("dog", 'n') + "\tnld:exe\t0\teen hond\n" +
      Key("dog", 'n') + "\tnld:def\t0\thuisdier\n" + Key("huge", 's') +
      "\tnld:lemma\treusachtig\n" + Key("big", 'a') + "\tnld:def\t0\tgroot, zonder lemma\n");
  EXPECT_EQ(tab.name, "Open Dutch WordNet");
  EXPECT_EQ(tab.licence, "CC BY SA 4.0");
  ASSERT_EQ(tab.synsets.size(), 2u);  // "big" has a definition but no lemma
  const importers::TabSynset& dog = tab.synsets.at(IndexOf("dog"));
  ASSERT_EQ(dog.lemmas.size(), 2u);
  EXPECT_EQ(dog.lemmas[1].text, "viervoeter");
  ASSERT_EQ(dog.examples.size(), 2u);
  EXPECT_EQ(dog.examples[0].text, "een hond");
  EXPECT_EQ(dog.definitions.at(0).text, "huisdier");
  EXPECT_TRUE(tab.synsets.contains(IndexOf("huge")));
  EXPECT_TRUE(warnings_.empty());
}

TEST_F(TabFileReaderTest, FaultyLinesAreSkippedWithFileAndLine) {
  const auto tab = Read("# header\n" + Key("dog", 'n') + "\tnld:lemma\thond\n" +  // 2
                        "99999999-n\tnld:lemma\tspook\n" +                        // 3
                        Key("dog", 'n') + "\tnld:lemma\thond\n" +                 // 4
                        Key("dog", 'n') + "\tnld:lemma\t  \n" +                   // 5
                        Key("dog", 'n') + "\tnld:lemma\th\xC3\n" +                // 6
                        "just text\n" +                                           // 7
                        Key("dog", 'n') + "\tnld:gloss\tx\n" +                    // 8
                        "0000x-n\tnld:lemma\tx\n" +                               // 9
                        Key("dog", 'v') + "\tnld:lemma\tx\n");                    // 10
  ASSERT_EQ(tab.synsets.size(), 1u);
  EXPECT_EQ(tab.synsets.begin()->second.lemmas.size(), 1u);
  const char* expected[] = {":3: no WordNet 3.0 synset 99999999-n",
                            ":4: lemma 'hond' given twice",
                            ":5: empty lemma",
                            ":6: text is not valid UTF-8",
                            ":7: not offset-pos, type and text",
                            ":8: unknown type 'nld:gloss'",
                            ":9: malformed synset key",
                            ":10: no WordNet 3.0 synset"};
  ASSERT_EQ(warnings_.size(), std::size(expected));
  for (std::size_t i = 0; i < warnings_.size(); ++i) {
    EXPECT_NE(warnings_[i].find("wn-data-nld.tab" + std::string(expected[i])), std::string::npos)
        << warnings_[i];
  }
}

TEST_F(TabFileReaderTest, SensesPutTheMostFrequentEnglishMeaningFirst) {
  // The file lists the rare meaning first; dog's synset is tagged 42 times, frump's never.
  auto tab = Read(Key("frump", 'n') + "\tnld:lemma\tHond\n" + Key("dog", 'n') +
                  "\tnld:lemma\thond\n" + Key("big", 'a') + "\tnld:lemma\thond\n");
  importers::NumberTabSenses(&tab, wordnet_);
  EXPECT_EQ(tab.synsets.at(IndexOf("dog")).lemmas[0].sense, 1);
  EXPECT_EQ(tab.synsets.at(IndexOf("frump")).lemmas[0].sense, 2);
  // Another part of speech counts on its own.
  EXPECT_EQ(tab.synsets.at(IndexOf("big")).lemmas[0].sense, 1);
}

}  // namespace
