// A language wordnet written as WN-LMF and read back is the same wordnet: record for record for
// wordnets that came from LMF, and for a WordNet wordnet the same variants, links and ILI links
// (WordNet's usage labels excepted, which WN-LMF has no place for).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "FxDatabase.h"
#include "FxSession.h"
#include "ImporterTestSupport.h"
#include "LexicalSchema.h"
#include "LmfExporter.h"

namespace {

using namespace schema;

std::string SharedLmf(const std::string& name) {
  return std::string(SHARED_DATA_DIR) + "/lmf/" + name;
}

// Writes every language of `database` as `<folder>/<CODE>.xml`; the files in store order.
std::vector<std::string> ExportAll(const std::string& database, const ScratchDir& folder) {
  std::vector<std::string> files;
  StoredDatabase stored(database);
  FxSession session;
  FxDatabase open(session);
  EXPECT_TRUE(open.Open(database.c_str(), 1, 0));
  for (std::uint32_t id = 1; id <= stored.Count(kSharedStore, kLanguages); ++id) {
    ArbRecord language = stored.Get(kSharedStore, kLanguages, id);
    const std::string code = TextOf(language, LANGUAGE_CODE);
    files.push_back(folder.Path(code + ".xml"));
    std::ofstream out(files.back(), std::ios::binary);
    const importers::LmfExportReport report =
        importers::ExportLmfLanguage(open, static_cast<std::uint32_t>(NumberOf(language, STORE_ID)),
                                     code, TextOf(language, NAME), out);
    EXPECT_EQ(report.losses.linksWithoutTarget + report.losses.otherEqLinks +
                  report.losses.blankVariants + report.unknownRelations,
              0u);
  }
  return files;
}

BuildRun BuildFrom(const std::string& output, const std::vector<std::string>& files) {
  importers::BuildOptions options;
  options.output = output;
  for (const std::string& file : files) options.lmf.push_back({file, ""});
  return RunBuild(options);
}

// Every record of (store, container) as text, record IDs included.
std::vector<std::string> Records(StoredDatabase& db, std::uint32_t store, std::uint16_t container) {
  std::vector<std::string> texts;
  std::vector<char> buffer(65535);
  for (std::uint32_t id = 1; id <= db.Count(store, container); ++id) {
    ArbRecord record = db.Get(store, container, id);
    record.Format(buffer.data(), static_cast<std::uint16_t>(buffer.size()));
    texts.emplace_back(buffer.data());
  }
  return texts;
}

class LmfRoundTripTest : public testing::TestWithParam<const char*> {};

TEST_P(LmfRoundTripTest, ExportedLanguagesReadBackRecordForRecord) {
  const std::string source = SharedLmf(GetParam());
  if (!std::filesystem::exists(source)) GTEST_SKIP() << source << " is not there";
  ScratchDir dir;
  const BuildRun first = BuildFrom(dir.Path("first.fdb"), {source});
  ASSERT_TRUE(first.ok) << first.error;
  const BuildRun second = BuildFrom(dir.Path("second.fdb"), ExportAll(dir.Path("first.fdb"), dir));
  ASSERT_TRUE(second.ok) << second.error;
  EXPECT_EQ(second.report.languages, first.report.languages);
  EXPECT_EQ(second.report.skippedRelations, 0u);
  EXPECT_EQ(second.warnings, std::vector<std::string>());

  StoredDatabase before(dir.Path("first.fdb"));
  StoredDatabase after(dir.Path("second.fdb"));
  for (std::uint32_t i = 0; i < first.report.languages.size(); ++i) {
    for (std::uint16_t container : {kConcepts, kDefaultContainer, kInternalLinks, kEqLinks}) {
      EXPECT_EQ(Records(after, kFirstLanguageStore + i, container),
                Records(before, kFirstLanguageStore + i, container))
          << first.report.languages[i] << " container " << container;
    }
  }
  EXPECT_EQ(Records(after, kIliStore, kDefaultContainer),
            Records(before, kIliStore, kDefaultContainer));
}

INSTANTIATE_TEST_SUITE_P(LmfSharedFiles, LmfRoundTripTest,
                         testing::Values("mini-lmf-1.0.xml", "mini-lmf-1.1.xml", "mini-lmf-1.3.xml",
                                         "mini-lmf-1.4.xml", "sense-member-order.xml",
                                         "W305-0.xml"));

// What a variant says, without the record IDs around it.
std::string Describe(ArbRecord& variant) {
  using schema::FEATURE_VALUE;
  std::string text = TextOf(variant, LITERAL) + " " + std::to_string(NumberOf(variant, SENSE)) +
                     " @" + std::to_string(PointerOf(variant, CONCEPT)) + " pos " +
                     std::to_string(NumberOf(variant, PART_OF_SPEECH)) + " | " +
                     TextOf(variant, DEFINITION) + " | key " + TextOf(variant, TEXT_KEY) +
                     " | freq " + std::to_string(NumberOf(variant, FREQUENCY));
  for (const std::string& example : TextsOf(variant, EXAMPLE)) text += " | ex " + example;
  for (const std::string& feature : TextsOf(variant, FEATURE_VALUE)) text += " | f " + feature;
  return text;
}

using Link = std::tuple<std::int32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t>;

std::vector<Link> LinksOf(StoredDatabase& db, std::uint32_t store) {
  std::vector<Link> links;
  for (std::uint32_t id = 1; id <= db.Count(store, kInternalLinks); ++id) {
    ArbRecord link = db.Get(store, kInternalLinks, id);
    const bool variants = link.GetFieldCount(VARIANT) == 2;
    links.emplace_back(NumberOf(link, RELATION), PointerOf(link, SOURCE_CONCEPT),
                       variants ? PointerOf(link, VARIANT, 1) : 0, PointerOf(link, TARGET_CONCEPT),
                       variants ? PointerOf(link, VARIANT, 2) : 0);
  }
  std::sort(links.begin(), links.end());
  return links;
}

TEST(LmfWordNetRoundTripTest, WordNetLanguageComesBackLinkedByOffset) {
  ScratchDir dir;
  WordNetSnippet snippet;
  // Hypernyms, an instance, a topic and a usage domain, word-level pointers (derivation,
  // antonym, pertainym), a cause (the database adds the link back), verb frames, adjective
  // positions and a corpus count: each must come back.
  snippet.Synset("noun", "plant", "03 n 01 plant 0 001 ~ {tree} n 0000 | a living organism");
  snippet.Synset("noun", "tree",
                 "20 n 02 tree 0 arbor 0 004 @ {plant} n 0000 ~i {yggdrasil} n 0000 "
                 "+ {grow} v 0101 ;c {botany} n 0000 | a tall woody plant; \"trees shade\"");
  snippet.Synset("noun", "yggdrasil", "20 n 01 Yggdrasil 0 001 @i {tree} n 0000 | the world tree");
  snippet.Synset("noun", "botany", "09 n 01 botany 0 001 -c {tree} n 0000 | the study of plants");
  snippet.Synset("noun", "colloquialism",
                 "10 n 01 colloquialism 0 001 -u {ripen} v 0000 | an informal expression");
  snippet.Synset("verb", "grow",
                 "30 v 01 grow 0 002 + {tree} n 0101 > {ripen} v 0000 02 + 01 00 + 08 01 "
                 "| develop; \"the tree grew tall\"");
  snippet.Synset("verb", "ripen",
                 "30 v 02 ripen 0 mature 0 001 ;u {colloquialism} n 0000 01 + 01 00 | become ripe");
  snippet.Synset("adj", "tall",
                 "00 a 01 tall(a) 0 002 & {towering} s 0000 ! {short} a 0101 | great in height");
  snippet.Synset("adj", "short", "00 a 01 short 0 001 ! {tall} a 0101 | low in height");
  snippet.Synset("adj", "towering", "00 s 01 towering(p) 0 001 & {tall} a 0000 | of great height");
  snippet.Synset("adv", "loftily", "02 r 01 loftily 0 001 \\ {tall} a 0101 | in a lofty manner");
  for (const auto& [file, lemma, synset] :
       std::vector<std::tuple<const char*, const char*, const char*>>{
           {"noun", "plant", "plant"},
           {"noun", "tree", "tree"},
           {"noun", "arbor", "tree"},
           {"noun", "yggdrasil", "yggdrasil"},
           {"noun", "botany", "botany"},
           {"noun", "colloquialism", "colloquialism"},
           {"verb", "grow", "grow"},
           {"verb", "ripen", "ripen"},
           {"verb", "mature", "ripen"},
           {"adj", "tall", "tall"},
           {"adj", "short", "short"},
           {"adj", "towering", "towering"},
           {"adv", "loftily", "loftily"},
       }) {
    const char letter = std::string_view(file) == "adv" ? 'r' : file[0];
    snippet.IndexLine(file, std::string(lemma) + " " + letter + " 1 0 1 0 {" + synset + "}");
  }
  snippet.ExtraFile("cntlist.rev", "tree%1:20:00:: 1 5\n");
  snippet.Write(dir.Path());
  importers::BuildOptions options;
  options.output = dir.Path("wordnet.fdb");
  options.wordnetDir = dir.Path();
  ASSERT_TRUE(RunBuild(options).ok);
  // English written out, then read back beside WordNet's own English under another code.
  ScratchDir exported;
  const std::vector<std::string> files = ExportAll(options.output, exported);
  options.output = dir.Path("both.fdb");
  options.lmf.push_back({files.at(0), "NL"});
  const BuildRun run = RunBuild(options);
  ASSERT_TRUE(run.ok) << run.error;
  EXPECT_EQ(run.report.iliByOffset, 11u);
  EXPECT_EQ(run.report.iliCreated, 0u);

  constexpr std::uint32_t kEnglish = kFirstLanguageStore;
  constexpr std::uint32_t kCopy = kFirstLanguageStore + 1;
  StoredDatabase db(options.output);
  EXPECT_EQ(Records(db, kCopy, kConcepts), Records(db, kEnglish, kConcepts));
  const std::uint32_t variants = db.Count(kCopy, kDefaultContainer);
  EXPECT_EQ(variants, 13u);
  for (std::uint32_t id = 1; id <= variants; ++id) {
    ArbRecord copy = db.Get(kCopy, kDefaultContainer, id);
    ArbRecord original = db.Get(kEnglish, kDefaultContainer, id);
    EXPECT_EQ(Describe(copy), Describe(original));
  }
  for (std::uint32_t meaning = 1; meaning <= db.Count(kCopy, kConcepts); ++meaning) {
    EXPECT_EQ(db.IliOf(kCopy, meaning), db.IliOf(kEnglish, meaning));
  }
  EXPECT_EQ(LinksOf(db, kCopy), LinksOf(db, kEnglish));
  // The comparison is only as good as what the original holds.
  EXPECT_EQ(LinksOf(db, kEnglish).size(), 17u);
  ArbRecord tall = db.Get(kCopy, kDefaultContainer, 10);
  EXPECT_EQ(Describe(tall),
            "tall 1 @8 pos 3 | great in height | key tall%3:00:00:: | freq 0 "
            "| f attributive");
  ArbRecord tree = db.Get(kCopy, kDefaultContainer, 2);
  EXPECT_EQ(Describe(tree),
            "tree 1 @2 pos 1 | a tall woody plant | key tree%1:20:00:: | freq 5 "
            "| ex trees shade");
}

}  // namespace
