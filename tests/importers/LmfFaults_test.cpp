// WN-LMF input the import cannot take: each stops the build with one message that names the file
// and line, and leaves nothing behind, not even a change to an existing database.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ImporterTestSupport.h"

namespace {

// A document of one lexicon whose content starts at line 4.
std::string Document(const std::string& body, const std::string& language = "en") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<LexicalResource xmlns:dc=\"https://globalwordnet.github.io/schemas/dc/\">\n"
         "<Lexicon id=\"t\" label=\"T\" language=\"" +
         language + "\" email=\"e\" license=\"l\" version=\"1\">\n" + body +
         "</Lexicon>\n</LexicalResource>\n";
}

const std::string kEntry =
    "<LexicalEntry id=\"e\"><Lemma writtenForm=\"foo\" partOfSpeech=\"n\"/>\n"
    "<Sense id=\"s\" synset=\"t-1\"/></LexicalEntry>\n";
const std::string kSynset = "<Synset id=\"t-1\" ili=\"\" partOfSpeech=\"n\"/>\n";

class LmfFaultsTest : public testing::Test {
 protected:
  // Builds `text` as input.xml; the message of the failure, or "" when the build succeeded.
  std::string Fail(const std::string& text, const std::string& code = "") {
    WriteTextFile(Input(), text);
    importers::BuildOptions options;
    options.output = dir_.Path("out.fdb");
    options.lmf.push_back({Input(), code});
    run_ = RunBuild(options);
    return run_.ok ? "" : run_.error;
  }

  std::string Input() const { return dir_.Path("input.xml"); }
  // The message of a failure at `line` of the input.
  std::string At(int line, const std::string& what) const {
    return Input() + ":" + std::to_string(line) + ": " + what;
  }

  void TearDown() override {
    EXPECT_EQ(dir_.Files(), (std::vector<std::string>{"input.xml"})) << "left behind";
  }

  ScratchDir dir_;
  BuildRun run_;
};

TEST_F(LmfFaultsTest, MalformedXmlAndForeignDocuments) {
  EXPECT_EQ(Fail(Document(kEntry + "<Synset id=\"t-1\" partOfSpeech=\"n\">\n</Lexicon>\n")),
            At(7, "not well-formed XML: mismatched tag"));
  EXPECT_EQ(Fail(""), At(1, "not well-formed XML: no element found"));
  EXPECT_EQ(Fail("<?xml version=\"1.0\"?>\n<html><body/></html>\n"),
            At(2, "not a WN-LMF document: the root element is <html>, not <LexicalResource>"));
  EXPECT_EQ(Fail(Document("<Sense id=\"s\" synset=\"t-1\"/>\n")),
            At(4, "<Sense> cannot stand inside <Lexicon>"));
  EXPECT_EQ(Fail(Document("<LexicalEntry id=\"e\">\n<Sense id=\"s\" synset=\"t-1\"/>\n"
                          "<Lemma writtenForm=\"foo\" partOfSpeech=\"n\"/></LexicalEntry>\n")),
            At(5, "<Sense> before the entry's <Lemma>"));
  // An entity defined inside the document may expand, but not without bound.
  std::string bomb = "<!DOCTYPE LexicalResource [\n<!ENTITY a \"aaaaaaaaaa\">\n";
  for (char level = 'b'; level <= 'k'; ++level) {
    std::string references;
    for (int i = 0; i < 10; ++i)
      references += std::string("&") + static_cast<char>(level - 1) + ";";
    bomb += std::string("<!ENTITY ") + level + " \"" + references + "\">\n";
  }
  bomb += "]>\n<LexicalResource>&k;</LexicalResource>\n";
  EXPECT_NE(Fail(bomb).find("not well-formed XML"), std::string::npos);
}

TEST_F(LmfFaultsTest, MissingAttributesAndMalformedValues) {
  EXPECT_EQ(Fail("<LexicalResource>\n<Lexicon id=\"t\" label=\"T\" language=\"en\" "
                 "license=\"l\" version=\"1\">\n</Lexicon></LexicalResource>\n"),
            At(2, "<Lexicon> lacks the required attribute email"));
  EXPECT_EQ(Fail(Document("<LexicalEntry id=\"e\">\n<Lemma partOfSpeech=\"n\"/>\n"
                          "</LexicalEntry>\n")),
            At(5, "<Lemma> lacks the required attribute writtenForm"));
  EXPECT_EQ(Fail(Document(kEntry + "<Synset id=\"t-1\" partOfSpeech=\"n\">\n"
                                   "<SynsetRelation target=\"t-1\"/></Synset>\n")),
            At(7, "<SynsetRelation> lacks the required attribute relType"));
  EXPECT_EQ(
      Fail(Document("<LexicalEntry id=\"e\">\n<Lemma writtenForm=\"foo\" partOfSpeech=\"n\"/>\n"
                    "<Sense id=\"s\" synset=\"t-1\" n=\"first\"/></LexicalEntry>\n" +
                    kSynset)),
      At(6, "sense number \"first\" is not a number from 1 to 32767"));
  EXPECT_EQ(
      Fail(Document("<LexicalEntry id=\"e\">\n<Lemma writtenForm=\"foo\" partOfSpeech=\"n\"/>\n"
                    "<Sense id=\"s\" synset=\"t-1\"><Count>many</Count></Sense>\n"
                    "</LexicalEntry>\n" +
                    kSynset)),
      At(6, "count \"many\" is not a number from 0 to 2147483647"));
}

TEST_F(LmfFaultsTest, UnknownPartsOfSpeech) {
  EXPECT_EQ(
      Fail(Document("<LexicalEntry id=\"e\">\n<Lemma writtenForm=\"foo\" partOfSpeech=\"q\"/>\n"
                    "</LexicalEntry>\n")),
      At(5, "unknown part of speech \"q\""));
  EXPECT_EQ(Fail(Document(kEntry + "<Synset id=\"t-1\" partOfSpeech=\"x\"/>\n")),
            At(6,
               "part of speech \"x\" has no counterpart in the database (it takes n, v, a, s "
               "and r)"));
  EXPECT_EQ(Fail(Document("<Synset id=\"t-1\" ili=\"\"/>\n")),
            At(4, "synset \"t-1\" gives no part of speech and has no senses"));
}

TEST_F(LmfFaultsTest, ReferencesToIdsTheLexiconLacks) {
  EXPECT_EQ(Fail(Document(kEntry)), At(5, "sense of synset \"t-1\", which the lexicon lacks"));
  EXPECT_EQ(Fail(Document(kEntry + "<Synset id=\"t-1\" partOfSpeech=\"n\">\n"
                                   "<SynsetRelation relType=\"hypernym\" target=\"nowhere\"/>\n"
                                   "</Synset>\n")),
            At(7, "synset relation to \"nowhere\", which the lexicon has no synset for"));
  EXPECT_EQ(Fail(Document(kEntry + "<Synset id=\"t-1\" partOfSpeech=\"n\">\n"
                                   "<SynsetRelation relType=\"hypernym\" target=\"s\"/>\n"
                                   "</Synset>\n")),
            At(7, "synset relation to \"s\", which the lexicon has no synset for"));
  EXPECT_EQ(Fail(Document(kEntry + "<Synset id=\"t-1\" partOfSpeech=\"n\" members=\"s x\"/>\n")),
            At(6, "members of synset \"t-1\" name \"x\", which is no sense of it"));
  EXPECT_EQ(Fail(Document("<LexicalEntry id=\"e\"><Lemma writtenForm=\"foo\" partOfSpeech=\"v\"/>\n"
                          "<Sense id=\"s\" synset=\"t-1\" subcat=\"f\"/></LexicalEntry>\n" +
                          kSynset)),
            At(5, "subcat names no SyntacticBehaviour \"f\""));
  EXPECT_EQ(Fail(Document(kEntry + kSynset + kSynset)),
            At(7, "duplicate ID \"t-1\" (first given at line 6)"));
  // A lexicon reaches only its own IDs, not those of another lexicon in the file.
  const std::string second =
      "<Lexicon id=\"u\" label=\"U\" language=\"nl\" email=\"e\" license=\"l\" version=\"1\">\n"
      "<LexicalEntry id=\"ue\"><Lemma writtenForm=\"hond\" partOfSpeech=\"n\"/>\n"
      "<Sense id=\"us\" synset=\"u-1\"><SenseRelation relType=\"antonym\" target=\"s\"/></Sense>\n"
      "</LexicalEntry><Synset id=\"u-1\" partOfSpeech=\"n\"/></Lexicon>\n";
  std::string both = Document(kEntry + kSynset);
  both.insert(both.rfind("</LexicalResource>"), second);
  EXPECT_EQ(Fail(both), At(10,
                           "sense relation to \"s\", which the lexicon has no sense or "
                           "synset for"));
}

TEST_F(LmfFaultsTest, LanguagesTheDatabaseCannotTake) {
  const std::string qq = At(3, "lexicon \"t\": no language known as \"qq\" (give an ISO 639");
  EXPECT_EQ(Fail(Document(kEntry + kSynset, "qq")).substr(0, qq.size()), qq);
  const std::string xy = Input() + ": lexicon \"t\": no language known as \"XY\"";
  EXPECT_EQ(Fail(Document(kEntry + kSynset), "XY").substr(0, xy.size()), xy);
  std::string two = Document(kEntry + kSynset);
  two.insert(two.rfind("</LexicalResource>"),
             "<Lexicon id=\"u\" label=\"U\" language=\"en\" email=\"e\" license=\"l\" "
             "version=\"1\"></Lexicon>\n");
  EXPECT_EQ(Fail(two), At(8, "language EN given twice"));
  EXPECT_EQ(Fail(two, "NL"), Input() + ": --code NL is for a file of one lexicon; it has 2");
}

TEST_F(LmfFaultsTest, FailedForcedBuildKeepsTheExistingDatabase) {
  WriteTextFile(dir_.Path("out.fdb"), "the database before");
  WriteTextFile(Input(), Document(kEntry));
  importers::BuildOptions options;
  options.output = dir_.Path("out.fdb");
  options.force = true;
  options.lmf.push_back({Input(), ""});
  EXPECT_FALSE(RunBuild(options).ok);
  std::ifstream kept(dir_.Path("out.fdb"));
  std::stringstream text;
  text << kept.rdbuf();
  EXPECT_EQ(text.str(), "the database before");
  std::filesystem::remove(dir_.Path("out.fdb"));
}

TEST_F(LmfFaultsTest, TabFilesNeedWordNetAndABuildNeedsASource) {
  WriteTextFile(Input(), Document(kEntry + kSynset));
  importers::BuildOptions options;
  options.output = dir_.Path("out.fdb");
  options.lmf.push_back({Input(), ""});
  options.tabs.push_back({Input(), "NL"});
  BuildRun run = RunBuild(options);
  EXPECT_EQ(run.error, "tab files translate WordNet 3.0: the build needs its folder (--wordnet)");
  options.lmf.clear();
  options.tabs.clear();
  run = RunBuild(options);
  EXPECT_EQ(run.error, "nothing to build: give a WordNet folder or WN-LMF files");
}

}  // namespace
