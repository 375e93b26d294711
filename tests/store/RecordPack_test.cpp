// The stored form of record packs: every record comes out as it went in, and no damaged pack gets
// through.
#include "store/RecordPack.h"

#include <string>
#include <vector>

#include "StoreTestSupport.h"
#include "store/Bytes.h"
#include "store/RecordCodec.h"

namespace {

class RecordPack : public StoreTest {
 protected:
  std::string Body(std::string_view text) {
    node* root = Root(1);
    AddText(root, 2, text);
    std::string body;
    EXPECT_EQ(store::EncodeRecord(root, &body), arbcode::SUCCESS);
    return body;
  }

  // Slots 0, 1, 7 and the last: empty, short and long records.
  void Fill(store::RecordPack* pack) {
    bodies_ = {{0, Body("")},
               {1, Body("a")},
               {7, Body(std::string(3000, 'x') + "y")},
               {store::kPackSlots - 1, Body("last")}};
    for (const auto& [slot, body] : bodies_) ASSERT_EQ(pack->Put(slot, body), arbcode::SUCCESS);
  }

  std::vector<std::pair<unsigned, std::string>> bodies_;
  store::PackCompressor compressor_;
};

TEST_F(RecordPack, EveryRecordComesOutAsItWentIn) {
  store::RecordPack pack;
  Fill(&pack);
  pack.Put(1, Body("replaced"));
  bodies_[1].second = Body("replaced");
  pack.Put(3, Body("erased"));
  pack.Erase(3);
  std::string stored;
  ASSERT_EQ(pack.Store(&compressor_, &stored), arbcode::SUCCESS);
  // Compression pays: the long record is one letter repeated.
  EXPECT_LT(stored.size(), 200u);
  store::SlotMask mask = 0;
  ASSERT_TRUE(store::StoredPackMask(stored, &mask));
  EXPECT_EQ(mask, pack.Mask());

  std::string unpacked;
  ASSERT_EQ(store::UnpackPack(stored, &compressor_, &unpacked), arbcode::SUCCESS);
  std::string body;
  for (const auto& [slot, expected] : bodies_) {
    ASSERT_TRUE(store::TakePackedBody(unpacked, slot, &body));
    EXPECT_EQ(body, expected) << slot;
  }
  EXPECT_FALSE(store::TakePackedBody(unpacked, 3, &body));
  std::vector<std::pair<unsigned, std::string>> visited;
  std::string scratch;
  store::ForEachPackedBody(unpacked, &scratch, [&](unsigned slot, std::string_view bytes) {
    visited.emplace_back(slot, std::string(bytes));
    return 0u;
  });
  EXPECT_EQ(visited, bodies_);

  store::RecordPack reloaded;
  reloaded.Load(unpacked);
  std::string again;
  ASSERT_EQ(reloaded.Store(&compressor_, &again), arbcode::SUCCESS);
  EXPECT_EQ(again, stored);
}

// A few bits of a compressed frame do not change what it holds (an unused header bit, padding):
// those may pass, but only with every record intact. The same with packs made against a dictionary.
TEST_F(RecordPack, EveryTruncationIsRefusedAndNoFlippedBitGivesOtherRecords) {
  store::PackCompressor withDictionary;
  withDictionary.UseDictionary("a record of the last slot, a record of many letters: xxxxxxxxy");
  for (store::PackCompressor* compressor : {&compressor_, &withDictionary}) {
    store::RecordPack pack;
    Fill(&pack);
    std::string stored;
    ASSERT_EQ(pack.Store(compressor, &stored), arbcode::SUCCESS);
    EXPECT_EQ(static_cast<std::uint8_t>(stored[0]),
              compressor == &compressor_ ? store::kPackFormat : store::kDictionaryPackFormat);
    std::string original;
    ASSERT_EQ(store::UnpackPack(stored, compressor, &original), arbcode::SUCCESS);
    std::string unpacked;
    for (std::size_t size = 0; size < stored.size(); ++size) {
      EXPECT_NE(store::UnpackPack(stored.substr(0, size), compressor, &unpacked), arbcode::SUCCESS)
          << size;
    }
    EXPECT_NE(store::UnpackPack(stored + "z", compressor, &unpacked), arbcode::SUCCESS);
    for (std::size_t bit = 0; bit < stored.size() * 8; ++bit) {
      std::string damaged = stored;
      damaged[bit / 8] = static_cast<char>(damaged[bit / 8] ^ (1 << (bit % 8)));
      if (store::UnpackPack(damaged, compressor, &unpacked) == arbcode::SUCCESS) {
        EXPECT_EQ(unpacked, original) << bit;
      }
    }
  }
}

TEST_F(RecordPack, APackMadeAgainstADictionaryIsReadOnlyWithIt) {
  store::PackCompressor withDictionary;
  withDictionary.UseDictionary("a record of the last slot, a record of many letters: xxxxxxxxy");
  store::RecordPack pack;
  Fill(&pack);
  std::string stored;
  ASSERT_EQ(pack.Store(&withDictionary, &stored), arbcode::SUCCESS);
  std::string original;
  ASSERT_EQ(store::UnpackPack(stored, &withDictionary, &original), arbcode::SUCCESS);
  std::string unpacked;
  EXPECT_EQ(store::UnpackPack(stored, &compressor_, &unpacked), arbcode::BLOCK_CHECKSUM);
  // A frame that took nothing from its dictionary reads the same against another one; any other
  // fails its checksum.
  store::PackCompressor other;
  other.UseDictionary("another dictionary of the same length, made of other words: zzzzzzz");
  if (store::UnpackPack(stored, &other, &unpacked) == arbcode::SUCCESS) {
    EXPECT_EQ(unpacked, original);
  }
  // Given the dictionary later, and after dropping it, the compressor follows.
  compressor_.UseDictionary("a record of the last slot, a record of many letters: xxxxxxxxy");
  ASSERT_EQ(store::UnpackPack(stored, &compressor_, &unpacked), arbcode::SUCCESS);
  EXPECT_EQ(unpacked, original);
  store::RecordPack reloaded;
  reloaded.Load(unpacked);
  compressor_.UseDictionary({});
  std::string plain;
  ASSERT_EQ(reloaded.Store(&compressor_, &plain), arbcode::SUCCESS);
  EXPECT_EQ(static_cast<std::uint8_t>(plain[0]), store::kPackFormat);
  std::string again;
  ASSERT_EQ(store::UnpackPack(plain, &other, &again), arbcode::SUCCESS);
  EXPECT_EQ(again, unpacked);
}

TEST_F(RecordPack, MasksThatDoNotMatchTheRecordsAreRefusedBehindAGoodChecksum) {
  // Two slots claimed, one record held: built by hand, as a faulty writer would.
  std::string unpacked;
  store::PutU32(&unpacked, 0b101);
  const std::string body = Body("only");
  store::PutVarint(&unpacked, static_cast<std::uint32_t>(body.size() - store::kBodyHeaderSize));
  unpacked.append(body.substr(store::kBodyHeaderSize));
  std::string stored(1, static_cast<char>(store::kPackFormat));
  store::PutU32(&stored, 0b101);
  ASSERT_EQ(compressor_.Compress(unpacked, &stored), arbcode::SUCCESS);
  std::string out;
  EXPECT_EQ(store::UnpackPack(stored, &compressor_, &out), arbcode::DATA_ERROR);
  // The mask in front must be the one inside.
  stored[1] = 0b111;
  EXPECT_EQ(store::UnpackPack(stored, &compressor_, &out), arbcode::BLOCK_CHECKSUM);
  // A record body of the first format cannot be packed.
  store::RecordPack pack;
  std::string fixed;
  node* root = Root(1);
  ASSERT_EQ(store::EncodeRecord(root, &fixed, store::BodyFormat::kFixed), arbcode::SUCCESS);
  EXPECT_EQ(pack.Put(0, fixed), arbcode::DATA_ERROR);
  EXPECT_TRUE(pack.Empty());
}

}  // namespace
