// Opening lexical databases: every outcome of Polylex::Open on small files made here, and the
// stand-alone session classes.
#include <gtest/gtest.h>

#include <string>

#include "ArbCodes.h"
#include "ArbRecord.h"
#include "FxDatabase.h"
#include "FxSession.h"
#include "LexcoreEngine.h"
#include "LexicalDatabase.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "Polylex.h"
#include "store/StoreTestSupport.h"

namespace {

class PolylexOpenTest : public StoreTest {
 protected:
  // A lexical database with a version record holding `version` and, when asked, records 61, 28.
  std::string Make(const std::string& name, const char* version, bool site = true,
                   bool build = true) {
    const std::string path = PathOf(name);
    EXPECT_EQ(CreateLexicalDatabase(path.c_str()), 0u);
    FxSession session;
    FxDatabase db(session);
    EXPECT_EQ(db.Open(path.c_str(), 0, 0), 1);
    ArbRecord record(schema::VERSION);
    record.AssignField(schema::DATA_VERSION, version);
    EXPECT_EQ(record.Add(db, schema::kSiteStore, schema::kDefaultContainer, schema::kVersionRecord),
              1);
    if (site) {
      ArbRecord siteRecord(schema::SITE);
      siteRecord.AssignField(schema::SITE_NAME, "Test site");
      EXPECT_EQ(
          siteRecord.Add(db, schema::kSiteStore, schema::kDefaultContainer, schema::kSiteRecord),
          1);
    }
    if (build) {
      ArbRecord buildRecord(schema::BUILD);
      EXPECT_EQ(
          buildRecord.Add(db, schema::kSiteStore, schema::kDefaultContainer, schema::kBuildRecord),
          1);
    }
    EXPECT_EQ(db.Close(), 1);
    return path;
  }

  static int OpenError(Polylex& polylex, const std::string& path) {
    try {
      polylex.Open(path.c_str(), nullptr, 1, 0);
    } catch (const PLXException& e) {
      return e.GetError() == ePLXArborError ? static_cast<int>(e.GetARBORError())
                                            : -static_cast<int>(e.GetError());
    }
    return 0;
  }
};

TEST_F(PolylexOpenTest, GoodFileOpensAndReportsItself) {
  const std::string path = Make("good.fdb", "1.3");
  Polylex polylex;
  EXPECT_EQ(polylex.GetCodeVersion(), 2481);
  ASSERT_EQ(OpenError(polylex, path), 0);
  EXPECT_EQ(polylex.IsOpen(), 1);
  EXPECT_EQ(polylex.GetDataVersion(), 0x3133);
  BSTR wide = polylex.GetPath();
  EXPECT_EQ(std::u16string(wide), std::u16string(path.begin(), path.end()));
  SysFreeString(wide);
  polylex.Close();
  EXPECT_EQ(polylex.IsOpen(), 0);
  polylex.Close();
  EXPECT_EQ(polylex.GetErrorCode(), 0u);
}

TEST_F(PolylexOpenTest, NewerDataVersionsPassOlderFail) {
  Polylex newer;
  EXPECT_EQ(OpenError(newer, Make("v14.fdb", "1.4")), 0);
  Polylex older;
  EXPECT_EQ(OpenError(older, Make("v12.fdb", "1.2")), -ePLXIncompatibleDatabase);
  EXPECT_EQ(older.IsOpen(), 1);  // stays open for the caller to close
  older.Close();
}

TEST_F(PolylexOpenTest, MissingRequiredRecordsAreIncompatible) {
  Polylex noSite;
  EXPECT_EQ(OpenError(noSite, Make("nosite.fdb", "1.3", false, true)), -ePLXIncompatibleDatabase);
  Polylex noBuild;
  EXPECT_EQ(OpenError(noBuild, Make("nobuild.fdb", "1.3", true, false)), -ePLXIncompatibleDatabase);
  Polylex empty;
  const std::string bare = PathOf("bare.fdb");
  ASSERT_EQ(CreateLexicalDatabase(bare.c_str()), 0u);
  EXPECT_EQ(OpenError(empty, bare), -ePLXIncompatibleDatabase);
}

TEST_F(PolylexOpenTest, FilesThatCannotBeOpened) {
  Polylex polylex;
  EXPECT_EQ(OpenError(polylex, PathOf("missing.fdb")), arbcode::IO_PATH_NOT_FOUND);
  const std::string text = PathOf("notes.txt");
  WriteFile(text, {'h', 'e', 'l', 'l', 'o', '\n'});
  EXPECT_EQ(OpenError(polylex, text), arbcode::NOT_DB);
  EXPECT_EQ(polylex.IsOpen(), 0);
}

TEST_F(PolylexOpenTest, PathLengthLimit) {
  // 239 characters fit the buffer with its terminator; 240 do not.
  std::string dir = PathOf("");
  std::string name239 = dir + std::string(239 - dir.size() - 4, 'p') + ".fdb";
  ASSERT_EQ(name239.size(), 239u);
  Polylex polylex;
  EXPECT_EQ(OpenError(polylex, name239), arbcode::IO_PATH_NOT_FOUND);
  EXPECT_EQ(OpenError(polylex, name239 + "x"), arbcode::IO_PATH_TOO_LONG);
  FxSession session;
  FxDatabase db(session);
  EXPECT_EQ(db.Open((name239 + "x").c_str(), 1, 0), 0);
  EXPECT_EQ(db.GetErrorCode(), arbcode::IO_PATH_TOO_LONG);
}

TEST_F(PolylexOpenTest, FxDatabaseFlagsAndBulk) {
  const std::string path = Make("fx.fdb", "1.3");
  FxSession session;
  EXPECT_EQ(session.GetCache(), 32);
  FxDatabase db(session);
  EXPECT_EQ(db.IsReadOnly(), 0);
  ASSERT_EQ(db.Open(path.c_str(), 1, 1), 1);
  EXPECT_EQ(session.IsOpen(), 1);
  EXPECT_EQ(db.IsReadOnly(), 1);
  EXPECT_EQ(db.IsExclusive(), 1);
  ASSERT_EQ(db.Close(), 1);
  EXPECT_EQ(db.IsReadOnly(), 0);
  EXPECT_EQ(db.IsExclusive(), 0);
  EXPECT_EQ(db.Close(), 1);

  ASSERT_EQ(db.Open(path.c_str(), 0, 0), 1);
  ASSERT_EQ(db.BeginBulk(0), 1);
  ArbRecord conceptRecord(schema::CONCEPT);
  ASSERT_EQ(conceptRecord.Add(db, 100, schema::kConcepts, 1), 1);
  ASSERT_EQ(db.AbortBulk(), 1);
  EXPECT_EQ(conceptRecord.Retrieve(db, 100, schema::kConcepts, 1), 0);
  EXPECT_EQ(db.CommitBulk(), 0);
  EXPECT_EQ(db.GetErrorCode(), arbcode::NO_TRANS_ACTIVE);
  EXPECT_EQ(db.Create(path.c_str()), 0);
  EXPECT_EQ(db.GetErrorCode(), arbcode::FILE_EXISTS);
}

TEST_F(PolylexOpenTest, EngineLifecycle) {
  LexcoreEngine* engine = LexcoreEngine::GetInstance();
  ASSERT_NE(engine, nullptr);
  EXPECT_EQ(engine->GetCache(), 32);
  EXPECT_EQ(LexcoreEngine::GetInstance(), engine);
  engine->SetCache(64);
  EXPECT_EQ(engine->GetCache(), 64);
  LexcoreEngine::DestroyInstance();
  LexcoreEngine::DestroyInstance();
  EXPECT_EQ(LexcoreEngine::m_pTheEngine, nullptr);
  EXPECT_EQ(LexcoreEngine::GetInstance()->GetCache(), 32);
}

// A Polylex that outlives the engine (a static one, whose destructor runs after the engine's exit
// handler) finds its database closed by the engine, and the file is free again.
TEST_F(PolylexOpenTest, EngineClosesThePolylexObjectsThatOutliveIt) {
  const std::string path = Make("outlived.fdb", "1.3");
  Polylex outliving;
  Polylex closedBefore;
  ASSERT_EQ(OpenError(outliving, path), 0);
  ASSERT_EQ(OpenError(closedBefore, path), 0);
  closedBefore.Close();
  LexcoreEngine::DestroyInstance();
  EXPECT_EQ(outliving.IsOpen(), 0);
  outliving.Close();
  Polylex exclusive;
  exclusive.Open(path.c_str(), nullptr, 0, 1);
  EXPECT_EQ(exclusive.IsOpen(), 1);
}

}  // namespace
