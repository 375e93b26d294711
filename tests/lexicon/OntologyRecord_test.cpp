// Ontology records built in memory: the gloss and the links group that Link makes.
#include "OntologyRecord.h"

#include <gtest/gtest.h>

#include "LexicalSchema.h"
#include "LexiconFixture.h"
#include "OntologyRecords.h"

using lexicon::Factory;
using lexicon::Owned;

namespace {

class OntologyRecordTest : public LexiconFixture {
 protected:
  static Owned<OntologyRecord> New(int flag) {
    return Owned<OntologyRecord>(Factory::New<OntologyRecord>(schema::TOP_CONCEPT_RECORD, flag));
  }
};

TEST_F(OntologyRecordTest, GlossIsAddedAsTheLastChildAndReadBack) {
  const auto record = New(0);
  EXPECT_EQ(record->GetRootTag(), schema::TOP_CONCEPT_RECORD);
  EXPECT_EQ(record->GetRecordID(), 0);
  int anchor = 0;
  auto* gloss = reinterpret_cast<BSTR>(&anchor);
  EXPECT_EQ(record->GetGloss(&gloss), 0);
  EXPECT_EQ(static_cast<void*>(gloss), static_cast<void*>(&anchor));  // untouched

  ASSERT_EQ(record->Link(static_cast<eOntologyRelation>(1), 7), 0);
  ASSERT_EQ(record->PutGloss("a concept made by hand"), 1);
  record->GotoRoot();
  ASSERT_EQ(record->GotoChild(), 1);
  ASSERT_EQ(record->GotoNext(), 1);
  EXPECT_EQ(record->GetTag(), schema::GLOSS);  // after the links group
  ASSERT_EQ(record->GetGloss(&gloss), 1);
  EXPECT_EQ(Take(gloss), "a concept made by hand");

  ASSERT_EQ(record->PutGloss("changed"), 1);
  EXPECT_EQ(record->GetFieldCount(schema::GLOSS), 1);
  ASSERT_EQ(record->GetGloss(&gloss), 1);
  EXPECT_EQ(Take(gloss), "changed");
  // Refused text keeps the gloss; on a record without one it leaves no empty field behind.
  EXPECT_EQ(record->PutGloss("\xff"), 0);
  ASSERT_EQ(record->GetGloss(&gloss), 1);
  EXPECT_EQ(Take(gloss), "changed");
  const auto bare = New(0);
  EXPECT_EQ(bare->PutGloss("\xff"), 0);
  EXPECT_EQ(bare->GetFieldCount(schema::GLOSS), 0);
}

TEST_F(OntologyRecordTest, LinkAddsTheGroupOnceAndRecordsNothing) {
  const auto record = New(0);
  // Relation 3 needs the flag: nothing changes.
  EXPECT_EQ(record->Link(eOntologyFlaggedRelation, 7), 0);
  EXPECT_EQ(record->GetFieldCount(schema::ONTOLOGY_LINKS), 0);
  for (const std::int32_t relation : {0, 1, 2, 4}) {
    EXPECT_EQ(record->Link(static_cast<eOntologyRelation>(relation), 7), 0);
  }
  EXPECT_EQ(record->GetFieldCount(schema::ONTOLOGY_LINKS), 1);
  record->FindField(schema::ONTOLOGY_LINKS);
  EXPECT_EQ(record->GotoChild(), 0);  // the target is not recorded

  // The flag travels with a copy.
  const auto flagged = New(1);
  const Owned<OntologyRecord> copy(new OntologyRecord(*flagged));
  EXPECT_EQ(copy->Link(eOntologyFlaggedRelation, 7), 0);
  EXPECT_EQ(copy->GetFieldCount(schema::ONTOLOGY_LINKS), 1);
  *copy = *record;
  EXPECT_EQ(copy->GetFieldCount(schema::ONTOLOGY_LINKS), 1);
  const auto unflagged = New(0);
  *copy = *unflagged;
  EXPECT_EQ(copy->Link(eOntologyFlaggedRelation, 7), 0);
  EXPECT_EQ(copy->GetFieldCount(schema::ONTOLOGY_LINKS), 0);
}

TEST_F(OntologyRecordTest, RecordsCursorReadsItsSource) {
  const Owned<OntologyRecords> records(
      Factory::New<OntologyRecords>(Db(), schema::kDefaultContainer, schema::kIliStore));
  EXPECT_EQ(records->GetRecCount(), 5u);
  EXPECT_EQ(records->GetStore(), schema::kIliStore);
}

}  // namespace
