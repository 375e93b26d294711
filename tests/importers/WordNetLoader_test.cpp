// Reading WordNet folders: synset lines, pointers, frames, sense numbers from the index files,
// sense keys, tag counts, and the faults that stop a build or are skipped with a warning.
#include "WordNetLoader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "BuildFailure.h"
#include "ImporterTestSupport.h"
#include "RelationTable.h"

namespace {

using importers::WordNet;
using importers::WordNetSynset;

class WordNetLoaderTest : public testing::Test {
 protected:
  WordNetLoaderTest() : diagnostics_(progress_) {
    progress_.warn = [this](const std::string& text) { warnings_.push_back(text); };
    snippet_.ExtraFile("cntlist.rev", "");
  }

  void AddSmallWordNet() {
    snippet_.Synset("noun", "animal", "05 n 01 animal 0 001 ~ {dog} n 0000 | a living organism");
    snippet_.Synset("noun", "dog",
                    "05 n 03 dog 0 domestic_dog 0 Dog 1 002 @ {animal} n 0000 + {bark} v 0101 "
                    "| a domesticated canine; \"the dog barked\"");
    snippet_.Synset("verb", "bark", "32 v 01 bark 0 001 + {dog} n 0101 02 + 02 00 + 09 01 | speak");
    snippet_.Synset("adj", "big", "00 a 01 big(a) 0 001 & {huge} s 0000 | large");
    snippet_.Synset("adj", "huge", "00 s 02 huge(p) 2 immense(ip) 0 001 & {big} a 0000 | very big");
    snippet_.IndexLine("noun", "dog n 1 2 @ + 1 1 {dog}");
    snippet_.IndexLine("noun", "domestic_dog n 1 1 @ 1 0 {dog}");
    snippet_.IndexLine("noun", "animal n 1 1 ~ 1 0 {animal}");
    snippet_.IndexLine("verb", "bark v 1 1 + 1 0 {bark}");
    snippet_.IndexLine("adj", "big a 1 1 & 1 0 {big}");
    snippet_.IndexLine("adj", "huge a 1 1 & 1 0 {huge}");
    snippet_.IndexLine("adj", "immense a 1 1 & 1 0 {huge}");
  }

  WordNet Load() {
    snippet_.Write(dir_.Path());
    return importers::LoadWordNet(dir_.Path(), &diagnostics_);
  }
  // The failure text of a load (of the folder as written) that must fail.
  std::string LoadFailure() {
    try {
      importers::LoadWordNet(dir_.Path(), &diagnostics_);
    } catch (const importers::BuildFailure& failure) {
      return failure.what();
    }
    ADD_FAILURE() << "the load did not fail";
    return {};
  }
  const WordNetSynset& SynsetAt(const WordNet& wordnet, importers::PosFile file,
                                const std::string& name) {
    return wordnet.synsets.at(wordnet.Find(file, snippet_.OffsetOf(name)));
  }

  ScratchDir dir_;
  WordNetSnippet snippet_;
  importers::Progress progress_;
  std::vector<std::string> warnings_;
  importers::Diagnostics diagnostics_;
};

TEST_F(WordNetLoaderTest, ReadsSynsetsInDatabaseOrder) {
  AddSmallWordNet();
  const WordNet wordnet = Load();
  ASSERT_EQ(wordnet.synsets.size(), 5u);
  EXPECT_EQ(wordnet.synsets[0].words[0].lemma, "animal");
  EXPECT_EQ(wordnet.synsets[2].words[0].lemma, "bark");
  EXPECT_EQ(wordnet.synsets[4].words[0].lemma, "huge");
  EXPECT_EQ(wordnet.fileStart[2], 3u);
  EXPECT_TRUE(warnings_.empty()) << warnings_.front();
}

TEST_F(WordNetLoaderTest, ReadsWordsPointersFramesAndGloss) {
  AddSmallWordNet();
  const WordNet wordnet = Load();
  const WordNetSynset& dog = SynsetAt(wordnet, importers::PosFile::kNoun, "dog");
  // "Dog" differs from "dog" only in letter case: a member of its own, with the sense number the
  // index gives "dog".
  ASSERT_EQ(dog.words.size(), 3u);
  EXPECT_EQ(dog.words[1].lemma, "domestic_dog");
  EXPECT_EQ(dog.words[2].lemma, "Dog");
  EXPECT_EQ(dog.words[2].sense, 1);
  EXPECT_EQ(dog.words[0].sense, 1);
  EXPECT_EQ(dog.gloss, "a domesticated canine; \"the dog barked\"");
  ASSERT_EQ(dog.pointers.size(), 2u);
  EXPECT_EQ(dog.pointers[0].relation, 8);
  EXPECT_EQ(dog.pointers[0].target, 0u);
  EXPECT_EQ(dog.pointers[1].relation, 2);
  EXPECT_EQ(dog.pointers[1].sourceWord, 1);
  EXPECT_EQ(dog.pointers[1].targetWord, 1);

  const WordNetSynset& bark = SynsetAt(wordnet, importers::PosFile::kVerb, "bark");
  ASSERT_EQ(bark.frames.size(), 2u);
  EXPECT_EQ(bark.frames[0].frame, 2);
  EXPECT_EQ(bark.frames[0].word, 0);
  EXPECT_EQ(bark.frames[1].frame, 9);
  EXPECT_EQ(bark.frames[1].word, 1);

  const WordNetSynset& huge = SynsetAt(wordnet, importers::PosFile::kAdjective, "huge");
  EXPECT_EQ(huge.type, 's');
  EXPECT_EQ(huge.words[0].lemma, "huge");
  EXPECT_EQ(huge.words[0].position, importers::AdjectivePosition::kPredicative);
  EXPECT_EQ(huge.words[1].position, importers::AdjectivePosition::kPostnominal);
}

TEST_F(WordNetLoaderTest, SenseNumbersFollowTheIndexOrder) {
  snippet_.Synset("noun", "frump", "18 n 01 dog 2 000 | a dull unattractive woman");
  snippet_.Synset("noun", "pet", "05 n 01 dog 0 000 | a pet");
  snippet_.IndexLine("noun", "dog n 2 0 2 1 {pet} {frump}");
  const WordNet wordnet = Load();
  EXPECT_EQ(SynsetAt(wordnet, importers::PosFile::kNoun, "pet").words[0].sense, 1);
  EXPECT_EQ(SynsetAt(wordnet, importers::PosFile::kNoun, "frump").words[0].sense, 2);
}

TEST_F(WordNetLoaderTest, WordsMissingFromTheIndexAreNumberedAfterTheOthers) {
  snippet_.Synset("noun", "a", "05 n 01 cat 0 000 | one");
  snippet_.Synset("noun", "b", "05 n 01 cat 1 000 | two");
  snippet_.IndexLine("noun", "cat n 1 0 1 0 {b}");
  const WordNet wordnet = Load();
  EXPECT_EQ(SynsetAt(wordnet, importers::PosFile::kNoun, "b").words[0].sense, 1);
  EXPECT_EQ(SynsetAt(wordnet, importers::PosFile::kNoun, "a").words[0].sense, 2);
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_NE(warnings_[0].find("data.noun:2:"), std::string::npos) << warnings_[0];
}

TEST_F(WordNetLoaderTest, SenseKeysAndTagCounts) {
  AddSmallWordNet();
  snippet_.ExtraFile("cntlist.rev",
                     "dog%1:05:00:: 1 42\nhuge%5:00:02:big:00 1 3\nnot a count line\n");
  const WordNet wordnet = Load();
  const WordNetSynset& dog = SynsetAt(wordnet, importers::PosFile::kNoun, "dog");
  EXPECT_EQ(dog.words[0].senseKey, "dog%1:05:00::");
  EXPECT_EQ(dog.words[0].tagCount, 42u);
  EXPECT_TRUE(dog.words[0].tagged);
  EXPECT_FALSE(dog.words[1].tagged);
  const WordNetSynset& huge = SynsetAt(wordnet, importers::PosFile::kAdjective, "huge");
  EXPECT_EQ(huge.words[0].senseKey, "huge%5:00:02:big:00");
  EXPECT_EQ(huge.words[0].tagCount, 3u);
  EXPECT_EQ(huge.words[1].senseKey, "immense%5:00:00:big:00");
  EXPECT_EQ(SynsetAt(wordnet, importers::PosFile::kVerb, "bark").words[0].senseKey,
            "bark%2:32:00::");
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_NE(warnings_[0].find("cntlist.rev:3:"), std::string::npos) << warnings_[0];
}

TEST_F(WordNetLoaderTest, DanglingPointersAreSkippedWithAWarning) {
  snippet_.Synset("noun", "cat",
                  "05 n 01 cat 0 003 @ 00099999 n 0000 ~ {cat} n 0005 ?? {cat} n 0000 | a cat");
  snippet_.IndexLine("noun", "cat n 1 0 1 0 {cat}");
  const WordNet wordnet = Load();
  EXPECT_TRUE(wordnet.synsets[0].pointers.empty());
  ASSERT_EQ(warnings_.size(), 3u);
  for (const std::string& warning : warnings_) {
    EXPECT_NE(warning.find("data.noun:2:"), std::string::npos) << warning;
  }
}

TEST_F(WordNetLoaderTest, DamagedDataFilesStopTheLoad) {
  struct Case {
    const char* body;
    const char* message;
  };
  const Case cases[] = {
      {"05 n 01 cat 0 000 no gloss", "no gloss"},
      {"05 n 01 cat 0 001 @ 0000xx01 n 0000 | a cat", "bad pointer offset"},
      {"05 n 01 cat 0 001 @ {cat} q 0000 | a cat", "bad pointer part of speech"},
      {"05 v 01 cat 0 000 | a cat", "synset type"},
      {"77 n 01 cat 0 000 | a cat", "lexicographer file"},
      {"05 n 02 cat 0 000 | a cat", "missing lex_id"},
      {"05 n 01 cat 0 000 \xC3\x28 | a cat", "UTF-8"},
  };
  for (const Case& c : cases) {
    WordNetSnippet snippet;
    snippet.Synset("noun", "cat", c.body);
    snippet.Write(dir_.Path());
    const std::string text = LoadFailure();
    EXPECT_NE(text.find("data.noun:2: "), std::string::npos) << text;
    EXPECT_NE(text.find(c.message), std::string::npos) << text;
  }
}

TEST_F(WordNetLoaderTest, AnOffsetThatIsNotTheLinePositionStops) {
  snippet_.Synset("noun", "cat", "05 n 01 cat 0 000 | a cat");
  snippet_.Write(dir_.Path());
  WriteTextFile(dir_.Path("data.noun"), "  1 header\n00000099 05 n 01 cat 0 000 | a cat\n");
  const std::string failure = LoadFailure();
  EXPECT_NE(failure.find("data.noun:2: offset 99 is not the line's position 11"), std::string::npos)
      << failure;
}

TEST_F(WordNetLoaderTest, ATruncatedDataFileStops) {
  snippet_.Synset("noun", "cat", "05 n 01 cat 0 000 | a cat");
  snippet_.Write(dir_.Path());
  WriteTextFile(dir_.Path("data.noun"), "  1 header\n00000011 05 n 01 cat 0 000 | a c");
  const std::string failure = LoadFailure();
  EXPECT_NE(failure.find("data.noun:2: the last line is cut off"), std::string::npos) << failure;
}

TEST_F(WordNetLoaderTest, MissingFolderOrFileStops) {
  EXPECT_THROW(importers::LoadWordNet(dir_.Path("absent"), &diagnostics_), importers::BuildFailure);
  snippet_.Synset("noun", "cat", "05 n 01 cat 0 000 | a cat");
  snippet_.Write(dir_.Path());
  std::filesystem::remove(dir_.Path("index.adv"));
  const std::string failure = LoadFailure();
  EXPECT_NE(failure.find("index.adv: cannot be opened"), std::string::npos) << failure;
}

}  // namespace
