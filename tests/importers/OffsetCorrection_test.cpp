// Debian's edition of WordNet 3.0 is recognised by its two edited synsets and mapped back to
// Princeton's offsets; Princeton's files (and anything else) stay unshifted.
#include "OffsetCorrection.h"

#include <gtest/gtest.h>

#include "ImporterTestSupport.h"
#include "WordNetLoader.h"

namespace {

using importers::OffsetCorrection;
using importers::PosFile;

// data.verb with "suppress" at 00612841, "quench" at 02422967 and the hyponym of quench at
// 02423762, plus one verb inside and one past the shifted range; data.adj with "placed" at
// 01681478 followed by one more adjective.
void WriteEditionSnippet(const std::string& directory, bool debian, WordNetSnippet* snippet) {
  snippet->PadTo("verb", OffsetCorrection::kSuppress);
  snippet->Synset("verb", "suppress",
                  std::string("31 v 02 suppress 0 repress 0 00") + (debian ? "1" : "0") +
                      (debian ? " ~ {hyponym} v 0000" : "") + " | put out of one's consciousness");
  snippet->Synset("verb", "forget", "31 v 01 forget 0 000 | dismiss from the mind");
  snippet->PadTo("verb", OffsetCorrection::kQuench);
  snippet->Synset("verb", "quench", "41 v 01 quench 2 000 | suppress sparking");
  snippet->PadTo("verb", OffsetCorrection::kQuenchHyponym);
  snippet->Synset("verb", "hyponym", "41 v 01 damp 0 000 | deaden");
  snippet->PadTo("adj", OffsetCorrection::kPlaced);
  // Debian's line of "placed" is one byte longer than Princeton's.
  const std::string placed = "00 s 01 placed 0 000 | put in position";
  const std::size_t length = OffsetCorrection::kPlacedLineLength - (debian ? 0 : 1);
  snippet->Synset("adj", "placed", placed + std::string(length - 10 - placed.size(), ' '));
  snippet->Synset("adj", "after", "00 a 01 unplaced 0 000 | not placed");
  snippet->Write(directory);
}

class OffsetCorrectionTest : public testing::Test {
 protected:
  importers::WordNet Load(bool debian) {
    WriteEditionSnippet(dir_.Path(), debian, &snippet_);
    importers::Progress progress;
    importers::Diagnostics diagnostics(progress);
    return importers::LoadWordNet(dir_.Path(), &diagnostics);
  }
  std::uint32_t Canonical(const importers::WordNet& wordnet, PosFile file, const char* name) {
    return wordnet.synsets[wordnet.Find(file, snippet_.OffsetOf(name))].canonicalOffset;
  }

  ScratchDir dir_;
  WordNetSnippet snippet_;
};

TEST_F(OffsetCorrectionTest, DebianEditionMapsToPrincetonOffsets) {
  const importers::WordNet wordnet = Load(true);
  EXPECT_TRUE(wordnet.correction.ShiftsVerbs());
  EXPECT_TRUE(wordnet.correction.ShiftsAdjectives());
  EXPECT_EQ(Canonical(wordnet, PosFile::kVerb, "suppress"), OffsetCorrection::kSuppress);
  EXPECT_EQ(Canonical(wordnet, PosFile::kVerb, "forget"), snippet_.OffsetOf("forget") - 18);
  EXPECT_EQ(Canonical(wordnet, PosFile::kVerb, "quench"), OffsetCorrection::kQuench - 18);
  EXPECT_EQ(Canonical(wordnet, PosFile::kVerb, "hyponym"), OffsetCorrection::kQuenchHyponym);
  EXPECT_EQ(Canonical(wordnet, PosFile::kAdjective, "placed"), OffsetCorrection::kPlaced);
  EXPECT_EQ(Canonical(wordnet, PosFile::kAdjective, "after"), snippet_.OffsetOf("after") - 1);
  // Offset-keyed data finds synsets by Princeton's numbers.
  const std::uint32_t forget = wordnet.Find(PosFile::kVerb, snippet_.OffsetOf("forget"));
  EXPECT_EQ(wordnet.FindCanonical(PosFile::kVerb, snippet_.OffsetOf("forget") - 18), forget);
  EXPECT_EQ(wordnet.FindCanonical(PosFile::kVerb, snippet_.OffsetOf("forget")),
            importers::kNoSynset);
}

TEST_F(OffsetCorrectionTest, PrincetonEditionStaysUnshifted) {
  const importers::WordNet wordnet = Load(false);
  EXPECT_FALSE(wordnet.correction.ShiftsVerbs());
  EXPECT_FALSE(wordnet.correction.ShiftsAdjectives());
  for (const importers::WordNetSynset& synset : wordnet.synsets) {
    EXPECT_EQ(synset.canonicalOffset, synset.offset);
  }
}

}  // namespace
