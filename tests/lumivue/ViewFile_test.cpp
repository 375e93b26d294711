// Saving a view to a view (word list) file and reopening it against the database.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "ConceptPaneFixture.h"
#include "LexicalSchema.h"
#include "files/ViewFileKind.h"
#include "files/ViewFileReader.h"
#include "files/ViewFileWriter.h"
#include "lexicon/LexiconFixture.h"
#include "shell/MessageTexts.h"
#include "tree/ConceptItem.h"
#include "tree/FollowCommand.h"
#include "tree/WordItem.h"

namespace {

class ViewFileTest : public ConceptPaneFixture {
 protected:
  std::string FilePath() const { return path_ + ".wl"; }

  void WriteFile(const std::string& text) const {
    std::ofstream file(FilePath(), std::ios::binary);
    file << text;
  }
  std::string ReadFile() const {
    std::ifstream file(FilePath(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }
  int ReadInto(ConceptPane& left, ConceptPane* right = nullptr) {
    return ViewFileReader(person_).Read(FilePath(), left, right);
  }

  ConceptPane right_{database_, person_};
};

TEST_F(ViewFileTest, SavedViewReopensWithTheSameLinesExpanded) {
  pane_.LookUp("dog", nullptr, 0);
  pane_.ExpandLine(LineOf("dog :1"));
  pane_.AddConceptById(kPuppy, ConceptPane::Placement::kAtEnd);
  pane_.Lines().InsertAtEnd(std::make_unique<NoteItem>("first\nsecond"));
  const Lines before = Shape();

  ASSERT_EQ(ViewFileWriter(person_).Write(FilePath(), pane_, nullptr), 1);
  EXPECT_EQ(ReadFile(),
            "#WindowType:Lumivue\n#Language:EN\n#Outline:0WO|1PONoun|2CO1|3RC8|1POVerb|2CC3|\n"
            "L|dog|OOOCOC\nC|4|C\n//first\n//second\n");
  EXPECT_EQ(person_.status[PersonInterface::StatusPane::kMessage], "Done.");

  pane_.SetLanguage("NL");
  ASSERT_EQ(ReadInto(pane_), 1);
  EXPECT_EQ(pane_.Language(), "EN");
  // The multi-line note comes back as one note per line.
  Lines expected = before;
  expected.back() = "0first";
  expected.push_back("0second");
  EXPECT_EQ(Shape(), expected);
  EXPECT_TRUE(LineOf("dog :1").IsExpanded());
  EXPECT_FALSE(LineOf("puppy :1").IsExpanded());
  EXPECT_EQ(person_.waitDepth, 0);
}

TEST_F(ViewFileTest, MultilingualViewFillsBothPanesAndKeepsAnEmptyRightSection) {
  right_.SetLanguage("NL");
  ASSERT_EQ(ViewFileWriter(person_).Write(FilePath(), pane_, &right_), 1);
  EXPECT_EQ(ReadFile(), "#WindowType:TwinBar\n#Language:EN\n#Language:NL\n");

  WriteFile("#WindowType: TwinBar\n#Language:  ENglish\nL|puppy|O\n#Language:NL\nC|1|\n");
  pane_.SetLanguage("");
  right_.SetLanguage("");
  ASSERT_EQ(ReadInto(pane_, &right_), 1);
  EXPECT_EQ(pane_.Language(), "EN");
  EXPECT_EQ(Shape(), (Lines{"0puppy", "1Noun"}));
  EXPECT_TRUE(pane_.Lines().First()->IsExpanded());
  EXPECT_EQ(right_.Language(), "NL");
  ASSERT_NE(right_.Lines().First(), nullptr);
  EXPECT_EQ(right_.Lines().First()->Variant(1)->Text(), "hond :1");
}

TEST_F(ViewFileTest, LinesOutsideAnEntryGetNoLetters) {
  // A concept line that lost its concept starts no entry; its child must not leave a stray line
  // of letters behind.
  TreeItem* lost = pane_.Lines().InsertAtEnd(std::make_unique<ConceptItem>(nullptr));
  pane_.Lines().InsertChild(*lost, std::make_unique<WordItem>("child"));
  pane_.LookUp("puppy", nullptr, ConceptPane::kWordOnly | ConceptPane::kWordAtEnd);
  EXPECT_EQ(ViewFileWriter::TextOf(pane_, nullptr),
            "#WindowType:Lumivue\n#Language:EN\nL|puppy|C\n");
}

TEST_F(ViewFileTest, EntriesThatNameNothingBecomeNotes) {
  WriteFile(
      "#WindowType:Lumivue\r\n#Language:EN\r\n#HeaderBar:Word,120|\r\nL|cat|O\r\nC|99|C\r\n"
      "C|x1|\r\nL|dog\r\nC|4|\r\n\r\n//kept\r\n");
  ASSERT_EQ(ReadInto(pane_), 1);
  EXPECT_EQ(Shape(), (Lines{"0L|cat|O", "0C|99|C", "0C|x1|", "0L|dog", "0puppy :1",
                            "0a member of the genus Canis+", "0a young dog+", "0kept"}));
  EXPECT_FALSE(LineOf("puppy :1").IsExpanded());

  // The next save keeps them as notes.
  ASSERT_EQ(ViewFileWriter(person_).Write(FilePath(), pane_, nullptr), 1);
  EXPECT_NE(ReadFile().find("//L|cat|O\n//C|99|C\n//C|x1|\n//L|dog\nC|4|C\n//kept\n"),
            std::string::npos);
}

TEST_F(ViewFileTest, ALineOfUnknownKindIsAddedAsANoteOnlyOnYes) {
  WriteFile("#WindowType:Lumivue\n#Language:EN\nplain text\nmore text\n");
  person_.answers = {true, false};
  ASSERT_EQ(ReadInto(pane_), 1);
  ASSERT_EQ(person_.questions.size(), 2u);
  EXPECT_EQ(person_.questions[0],
            "Error on line 3\nplain text\nDo you want to add it as a comment");
  EXPECT_EQ(Shape(), Lines{"0plain text"});
  EXPECT_EQ(ViewFileWriter::TextOf(pane_, nullptr),
            "#WindowType:Lumivue\n#Language:EN\n//plain text\n");
}

TEST_F(ViewFileTest, NotesWithLineBreaksAtTheirEndsSaveTheSameEachTime) {
  // A line of unknown kind may begin with a carriage return; kept as a note, it must not turn
  // into an empty "//" line that the next open drops.
  WriteFile("#WindowType:Lumivue\n#Language:EN\n\rstray\n//kept\n");
  person_.answers = {true};
  ASSERT_EQ(ReadInto(pane_), 1);
  pane_.Lines().InsertAtEnd(std::make_unique<NoteItem>("\n\r\n"));
  pane_.Lines().InsertAtEnd(std::make_unique<NoteItem>("last\r\n"));
  const std::string saved = ViewFileWriter::TextOf(pane_, nullptr);
  EXPECT_EQ(saved, "#WindowType:Lumivue\n#Language:EN\n//stray\n//kept\n//last\n");

  WriteFile(saved);
  ConceptPane reopened(database_, person_);
  ASSERT_EQ(ReadInto(reopened), 1);
  EXPECT_EQ(ViewFileWriter::TextOf(reopened, nullptr), saved);
}

TEST_F(ViewFileTest, ALanguageCodeEndsAtAControlCharacter) {
  // The carriage return inside the line would otherwise be saved at the line's end, where the
  // next open strips it.
  WriteFile("#WindowType:TwinBar\n#Language:E\rN\n#Language:\x01NL\n");
  ASSERT_EQ(ReadInto(pane_, &right_), 1);
  EXPECT_EQ(pane_.Language(), "E");
  EXPECT_EQ(right_.Language(), "");
}

// A database with a language whose code has three letters (reading the Dutch store).
class ViewFileThreeLetterTest : public ViewFileTest {
 protected:
  bool OpensAtSetUp() const override { return false; }
};

TEST_F(ViewFileThreeLetterTest, ALanguageWithAThreeLetterCodeKeepsItsWholeCode) {
  Write([](void* db) {
    fixture::Put(
        db, schema::kSharedStore, schema::kLanguages, 3,
        {fixture::F(0, schema::LANGUAGE), fixture::T(1, schema::LANGUAGE_CODE, "ZSM"),
         fixture::N(1, schema::STORE_ID, kDutch), fixture::T(1, schema::NAME, "Standard Malay")});
  });
  Open();
  right_.SetLanguage("ZSM");
  right_.LookUp("hond", nullptr, 0);
  ASSERT_EQ(ViewFileWriter(person_).Write(FilePath(), pane_, &right_), 1);
  EXPECT_NE(ReadFile().find("#Language:EN\n#Language:ZSM\n"), std::string::npos);
  right_.SetLanguage("");
  ASSERT_EQ(ReadInto(pane_, &right_), 1);
  EXPECT_EQ(right_.Language(), "ZSM");
  EXPECT_EQ(Shape().size(), 0u);
  ASSERT_NE(right_.Lines().First(), nullptr);
  EXPECT_EQ(right_.Lines().First()->Text(), "hond");
  // A code the database does not have is still read by its first two letters.
  WriteFile("#WindowType:TwinBar\n#Language:ZSx\n");
  ASSERT_EQ(ReadInto(pane_, &right_), 1);
  EXPECT_EQ(pane_.Language(), "ZS");
}

TEST_F(ViewFileTest, ReadingStopsAtEachErrorAndKeepsWhatWasBuilt) {
  const auto expectStop = [&](const std::string& text, const char* message) {
    WriteFile(text);
    person_.messages.clear();
    EXPECT_EQ(ReadInto(pane_), 0) << text;
    ASSERT_EQ(person_.messages.size(), 1u) << text;
    EXPECT_EQ(person_.messages[0], message);
    EXPECT_EQ(person_.status[PersonInterface::StatusPane::kMessage], message);
    EXPECT_EQ(person_.waitDepth, 0);
  };
  expectStop("#Language:EN\nL|dog|\n", message::kViewFileKindUnknown.text);
  expectStop("#WindowType:Other\n#Language:EN\nL|dog|\n", message::kViewFileKindUnknown.text);
  pane_.SetLanguage("");
  expectStop("#WindowType:Lumivue\nL|dog|\n", message::kViewFileLanguage.text);
  expectStop("#WindowType:Lumivue\n#Language:EN\nC|4|\n#Language:NL\nC|1|\n",
             message::kViewFileTooManyLanguages.text);
  EXPECT_EQ(pane_.Language(), "EN");
  EXPECT_EQ(Shape().front(), "0puppy :1");

  person_.messages.clear();
  EXPECT_EQ(ViewFileReader(person_).Read(path_ + ".missing/x.wl", pane_, nullptr), 0);
  EXPECT_EQ(person_.messages.size(), 1u);
  EXPECT_EQ(ViewFileWriter(person_).Write(path_ + ".missing/x.wl", pane_, nullptr), 0);
  EXPECT_EQ(person_.messages.size(), 2u);
}

TEST_F(ViewFileTest, KindComesFromTheFirstLine) {
  const auto kindOf = [&](const std::string& text) {
    WriteFile(text);
    return ViewFileKind::Of(FilePath(), person_);
  };
  EXPECT_EQ(kindOf("#WindowType:Lumivue\n"), 0);
  EXPECT_EQ(kindOf("#WindowType:  TwinBar\r\n"), 1);
  EXPECT_EQ(kindOf("#WindowType:X\n"), ViewFileKind::kUnknown);
  EXPECT_EQ(kindOf("#Language:EN\n#WindowType:Lumivue\n"), ViewFileKind::kUnknown);
  EXPECT_EQ(kindOf("#windowtype:Lumivue\n"), ViewFileKind::kUnknown);
  EXPECT_EQ(kindOf(""), ViewFileKind::kUnknown);
  EXPECT_TRUE(person_.messages.empty());
  EXPECT_EQ(ViewFileKind::Of(path_ + ".missing/x.wl", person_), ViewFileKind::kUnknown);
  EXPECT_EQ(person_.messages.size(), 1u);
}

// Dog also has a hyponym, so that a Follow command builds fewer lines than an expansion.
class ViewFileOutlineTest : public ViewFileTest {
 protected:
  bool OpensAtSetUp() const override { return false; }
  void SetUp() override {
    ViewFileTest::SetUp();
    AddLink(3, 10, kDog, kPuppy);
    Open();
  }

  // The file as the writer stores it, without its outline lines: a file of the form written
  // before outlines existed.
  static std::string WithoutOutlines(const std::string& text) {
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with("#Outline:")) kept += line + "\n";
    }
    return kept;
  }
  bool HasLine(const std::string& shape) const {
    const Lines lines = Shape();
    return std::find(lines.begin(), lines.end(), shape) != lines.end();
  }
};

TEST_F(ViewFileOutlineTest, LinesBuiltByCommandsReopenExactlyAsSaved) {
  pane_.LookUp("dog", nullptr, 0);
  ASSERT_TRUE(pane_.Select(&LineOf("dog :1")));
  pane_.Follow(FollowCommand::kHyperonym);
  ASSERT_TRUE(pane_.Select(&LineOf("Verb")));
  pane_.ClearSubtree();
  ConceptItem* walked = pane_.AddConceptById(kDog, ConceptPane::Placement::kAtEnd);
  ASSERT_TRUE(pane_.Select(walked));
  pane_.TopHyperonym();
  const Lines before = Shape();
  ASSERT_FALSE(HasLine("3has hyponym"));

  ASSERT_EQ(ViewFileWriter(person_).Write(FilePath(), pane_, nullptr), 1);
  const std::string saved = ReadFile();
  EXPECT_NE(saved.find("#Outline:0WO|1PONoun|2CO1|3RO8|4CC2|\nL|dog|OOOOC\n"), std::string::npos);
  EXPECT_NE(saved.find("#Outline:0CO|1RO0|2CC2|\nC|1|OOC\n"), std::string::npos);

  pane_.ClearTree();
  ASSERT_EQ(ReadInto(pane_), 1);
  EXPECT_EQ(Shape(), before);
  EXPECT_EQ(LineStatus(), "Ln 1 LnCnt " + std::to_string(pane_.Lines().VisibleCount()));
  EXPECT_EQ(ViewFileWriter::TextOf(pane_, nullptr), saved);
  // The rebuilt lines fill from the database as any others when expanded again.
  TreeItem& canine = LineOf("canine :1");
  pane_.ExpandLine(canine);
  EXPECT_TRUE(canine.IsExpanded());
  EXPECT_TRUE(HasLine("5has hyponym"));

  // The same file as written before outlines: the letters replay full expansions, as such files
  // always did.
  WriteFile(WithoutOutlines(saved));
  pane_.ClearTree();
  ASSERT_EQ(ReadInto(pane_), 1);
  EXPECT_NE(Shape(), before);
  EXPECT_TRUE(HasLine("3has hyponym"));
  EXPECT_FALSE(HasLine("1Top hyperonym"));
}

TEST_F(ViewFileOutlineTest, AnOutlineThatDoesNotBelongToItsEntryLeavesTheLetters) {
  const auto readBack = [&](const std::string& entries) {
    WriteFile("#WindowType:Lumivue\n#Language:EN\n" + entries);
    pane_.ClearTree();
    EXPECT_EQ(ReadInto(pane_), 1) << entries;
    return Shape();
  };
  // One that belongs: dog with its hyperonym relation line only, not expanded.
  const Lines byOutline = readBack("#Outline:0CO|1RC8|\nC|1|OC\n");
  EXPECT_EQ(byOutline.back(), "1has hyperonym");
  EXPECT_NE(byOutline, readBack("C|1|OC\n"));

  for (const std::string& entries :
       {// Letters changed by hand, or too few of them.
        std::string("#Outline:0CO|1RC8|\nC|1|OO\n"), std::string("#Outline:0CO|1RC8|\nC|1|O\n"),
        // Another kind of entry.
        std::string("#Outline:0WO|1RC8|\nC|1|OC\n"),
        // Not well formed: an unknown kind or state, a level jump, a child of a collapsed
        // line, a kind the viewer never puts there, a key that names nothing, no closing "|".
        std::string("#Outline:0CO|1XC8|\nC|1|OC\n"), std::string("#Outline:0CO|1RX8|\nC|1|OC\n"),
        std::string("#Outline:0CO|2RC8|\nC|1|OC\n"), std::string("#Outline:0CC|1RC8|\nC|1|CC\n"),
        std::string("#Outline:0CO|1PCNoun|\nC|1|OC\n"), std::string("#Outline:0CO|1RCx|\nC|1|OC\n"),
        std::string("#Outline:0CO|1RC8\nC|1|OC\n"),
        // Not right before its entry.
        std::string("#Outline:0CO|1RC8|\n//between\nC|1|OC\n")}) {
    EXPECT_EQ(readBack(entries), readBack(WithoutOutlines(entries))) << entries;
  }
}

TEST_F(ViewFileOutlineTest, ALineThatNamesNothingNowIsLeftOutWithItsBlock) {
  WriteFile(
      "#WindowType:Lumivue\n#Language:EN\n"
      "#Outline:0CO|1RO8|2CO99|3RO8|4CC2|2CC2|1RO10|2CC4|\nC|1|OOOOCCOC\n");
  ASSERT_EQ(ReadInto(pane_), 1);
  EXPECT_EQ(Shape(),
            (Lines{"0dog :1|domestic dog :1|Canis familiaris :1", "0a member of the genus Canis+",
                   "0<No Gloss>+", "1has hyperonym", "2canine :1", "2<No ILI links>+",
                   "1has hyponym", "2puppy :1", "2a member of the genus Canis+", "2a young dog+"}));
}
}  // namespace
