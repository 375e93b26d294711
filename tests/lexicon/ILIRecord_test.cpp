// ILI records, and the collection protocol over the ILI records of Polylex.
#include "ILIRecord.h"

#include <gtest/gtest.h>

#include "ILIRecords.h"
#include "LexicalSchema.h"
#include "LexiconFixture.h"

using lexicon::Owned;

namespace {

class ILIRecordTest : public LexiconFixture {
 protected:
  Owned<ILIRecord> Ili(std::uint32_t id) {
    return Read<ILIRecord>(schema::kIliStore, schema::kDefaultContainer, id);
  }
};

TEST_F(ILIRecordTest, PartOfSpeechAndOffset) {
  EXPECT_EQ(Take(Ili(1)->GetPartOfSpeech()), "n");
  EXPECT_EQ(Take(Ili(3)->GetPartOfSpeech()), "pn");
  EXPECT_EQ(Take(Ili(4)->GetPartOfSpeech()), "?");  // none
  EXPECT_EQ(Take(Ili(5)->GetPartOfSpeech()), "<null>");
  EXPECT_EQ(Ili(4)->GetWordNetOffset(), 12345678);
  EXPECT_EQ(Ili(3)->GetWordNetOffset(), 0);
  // No domains, and no top concept classifies these records; the output stays as it was.
  int anchor = 0;
  auto* domain = reinterpret_cast<Domain*>(&anchor);
  auto* topConcept = reinterpret_cast<TopConcept*>(&anchor);
  EXPECT_EQ(Ili(1)->GetDomain(&domain), 0);
  EXPECT_EQ(Ili(1)->GetTopConcept(&topConcept), 0);
  EXPECT_EQ(static_cast<void*>(domain), static_cast<void*>(topConcept));
}

TEST_F(ILIRecordTest, CollectionProtocol) {
  EXPECT_EQ(Owned<ILIRecords>(polylex_.GetILIRecords())->GetCount(), 5);
  Owned<ILIRecords> records(polylex_.GetILIRecords());
  ILIRecord* item = nullptr;
  ASSERT_EQ(records->GetNext(&item), 1);  // before any item: the first
  const Owned<ILIRecord> first(item);
  EXPECT_EQ(first->GetRecordID(), 1);
  ASSERT_EQ(records->GetLast(&item), 1);
  ILIRecord* const last = item;
  EXPECT_EQ(Owned<ILIRecord>(item)->GetRecordID(), 5);
  EXPECT_EQ(records->GetNext(&item), 0);
  EXPECT_EQ(item, last);  // nothing handed out
  ASSERT_EQ(records->GetPrevious(&item), 1);
  EXPECT_EQ(Owned<ILIRecord>(item)->GetRecordID(), 4);
  ASSERT_EQ(records->GetCurrent(&item), 1);
  EXPECT_EQ(Owned<ILIRecord>(item)->GetRecordID(), 4);
  // A copy starts before its first record; items outlive their collection.
  auto* copy = new ILIRecords(*records);
  records.reset();
  EXPECT_EQ(IdsOf(copy), (Ids{1, 2, 3, 4, 5}));
  EXPECT_EQ(Take(first->GetGloss()), "a member of the genus Canis");
}

}  // namespace
