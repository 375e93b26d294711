// The viewer's database connection: opening builds the language, ILI and relation lists and the
// filter; every failure is shown to the person and leaves nothing open.
#include "shell/ViewerDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LexicalDatabase.h"
#include "LexicalSchema.h"
#include "RecordingPerson.h"
#include "ViewerFixture.h"
#include "lexicon/LexiconFixture.h"

namespace {

class ViewerDatabaseTest : public ViewerFixture {
 protected:
  std::vector<std::string> Codes() const {
    std::vector<std::string> codes;
    for (const LanguageEntry& language : database_.LanguageList()) codes.push_back(language.Code());
    return codes;
  }
  std::vector<std::int16_t> RelationIds() const {
    std::vector<std::int16_t> ids;
    for (const RelationEntry& relation : database_.RelationList()) ids.push_back(relation.Id());
    return ids;
  }
  void ExpectNothingOpen() const {
    EXPECT_EQ(database_.HasDatabase(), 0);
    EXPECT_EQ(database_.IsOpen(), 0);
    EXPECT_TRUE(database_.LanguageList().empty());
    EXPECT_TRUE(database_.RelationList().empty());
    EXPECT_EQ(database_.IliLanguage(), nullptr);
  }

  RecordingPerson person_;
  ViewerDatabase database_{person_};
};

TEST_F(ViewerDatabaseTest, OpenBuildsTheListsAndLookUps) {
  ASSERT_EQ(database_.Open(path_), 1);
  EXPECT_TRUE(person_.messages.empty());
  EXPECT_EQ(person_.waits, 1);
  EXPECT_EQ(person_.waitDepth, 0);
  EXPECT_EQ(database_.Path(), path_);

  EXPECT_EQ(Codes(), (std::vector<std::string>{"EN", "NL"}));
  EXPECT_EQ(database_.LanguageList()[1].Name(), "Dutch");
  EXPECT_EQ(database_.LanguageList()[0].Words()->GetCount(), 6);
  ASSERT_NE(database_.IliLanguage(), nullptr);
  EXPECT_EQ(database_.IliLanguage()->Code(), "xx");
  EXPECT_EQ(database_.IliLanguage()->Words(), nullptr);

  // Codes match without regard to case; no code means the ILI.
  EXPECT_EQ(database_.FindLanguage("nL"), &database_.LanguageList()[1]);
  EXPECT_EQ(database_.FindLanguage(""), database_.IliLanguage());
  EXPECT_EQ(database_.FindLanguage("DE"), nullptr);
  EXPECT_EQ(database_.FindLanguage("E"), nullptr);

  // Every relation, those numbered above the relation count included.
  EXPECT_EQ(RelationIds(), (std::vector<std::int16_t>{1, 2, 8, 10, 12}));
  ASSERT_NE(database_.FindRelation(12), nullptr);
  EXPECT_EQ(database_.FindRelation(12)->Name(), "has holonym");
  EXPECT_EQ(database_.FindRelation(3), nullptr);

  EXPECT_EQ(database_.Filter().Count(), 12u);
  EXPECT_EQ(database_.Filter().Name(5), "has holonym");
}

TEST_F(ViewerDatabaseTest, CloseReleasesEverything) {
  ASSERT_EQ(database_.Open(path_), 1);
  database_.Close();
  ExpectNothingOpen();
  EXPECT_EQ(database_.Path(), "");
  EXPECT_EQ(database_.FindLanguage("EN"), nullptr);
  EXPECT_EQ(database_.FindRelation(8), nullptr);
  // Closing again, or with nothing open, is harmless.
  database_.Close();
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(ViewerDatabaseTest, MissingFileIsReportedAndThePathKept) {
  const std::string missing = PathOf("absent.fdb");
  EXPECT_EQ(database_.Open(missing), 0);
  const std::string expected = "Error opening Polylex database [" + missing + "]";
  EXPECT_EQ(person_.messages, (std::vector<std::string>{expected}));
  EXPECT_EQ(database_.LastError(), expected);
  EXPECT_EQ(database_.Path(), missing);
  EXPECT_EQ(person_.waitDepth, 0);
  ExpectNothingOpen();
}

TEST_F(ViewerDatabaseTest, FileWithoutLexicalDatabaseIsClosedAgain) {
  const std::string empty = PathOf("empty.fdb");
  ASSERT_EQ(CreateLexicalDatabase(empty.c_str()), 0u);
  EXPECT_EQ(database_.Open(empty), 0);
  ASSERT_EQ(person_.messages.size(), 1u);
  EXPECT_EQ(person_.messages[0].rfind("PLX error occurred ", 0), 0u) << person_.messages[0];
  // The library leaves a database that fails its checks open; the viewer does not.
  ExpectNothingOpen();

  EXPECT_EQ(database_.Open(path_), 1);
  EXPECT_EQ(Codes().size(), 2u);
}

TEST_F(ViewerDatabaseTest, OldFormatAndDamagedPagesAreNamedAsSuch) {
  const std::string copy = PathOf("copy.fdb");
  const std::vector<char> original = ReadFile(path_);
  ASSERT_GT(original.size(), 4096u);
  std::vector<char> old = original;
  old[63] = 1;  // the format number, in the header's user version, of the files before checksums
  WriteFile(copy, old);
  EXPECT_EQ(database_.Open(copy), 0);
  std::vector<char> damaged = original;
  damaged[3000] = static_cast<char>(damaged[3000] ^ 0x20);
  WriteFile(copy, damaged);
  EXPECT_EQ(database_.Open(copy), 0);
  ASSERT_EQ(person_.messages.size(), 2u);
  EXPECT_NE(person_.messages[0].find("made by an older version"), std::string::npos)
      << person_.messages[0];
  EXPECT_NE(person_.messages[1].find("is damaged; File > Check Database"), std::string::npos)
      << person_.messages[1];
  EXPECT_EQ(database_.Path(), copy);
  ExpectNothingOpen();
}

TEST_F(ViewerDatabaseTest, OpeningAgainReplacesTheFirstDatabase) {
  ASSERT_EQ(database_.Open(path_), 1);
  ASSERT_EQ(database_.Open(path_), 1);
  EXPECT_EQ(Codes().size(), 2u);
  EXPECT_EQ(RelationIds().size(), 5u);

  // An empty path fails like any other, and the database before it is closed, not leaked.
  EXPECT_EQ(database_.Open(""), 0);
  EXPECT_EQ(person_.messages.size(), 1u);
  ExpectNothingOpen();
}

TEST_F(ViewerDatabaseTest, LanguageThatCannotBeReadEndsTheLanguageList) {
  Write([](void* db) {
    using namespace fixture;
    using namespace schema;
    ASSERT_EQ(Build({F(0, LANGUAGE), T(1, LANGUAGE_CODE, "QQ"), T(1, NAME, "Nowhere")})
                  .Add(db, kSharedStore, kLanguages, 3),
              1);
  });
  ASSERT_EQ(database_.Open(path_), 1);
  ASSERT_EQ(person_.messages.size(), 1u);
  EXPECT_EQ(person_.messages[0].rfind("ARBOR error 0x", 0), 0u) << person_.messages[0];
  EXPECT_EQ(Codes(), (std::vector<std::string>{"EN", "NL"}));
  EXPECT_NE(database_.IliLanguage(), nullptr);
  EXPECT_EQ(RelationIds().size(), 5u);
}

}  // namespace
