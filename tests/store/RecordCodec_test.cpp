// The stored form of records: what goes in comes out, and no damaged body gets through.
#include "store/RecordCodec.h"

#include <cstring>
#include <string>

#include "StoreTestSupport.h"
#include "store/Crc32.h"
#include "store/Pool.h"

namespace {

class RecordCodec : public StoreTest {
 protected:
  std::string Encode(const node* root) {
    std::string body;
    EXPECT_EQ(store::EncodeRecord(root, &body), arbcode::SUCCESS);
    return body;
  }
  std::uint32_t Decode(const std::string& body,
                       store::BodyTrust trust = store::BodyTrust::kVerify) {
    node* root = nullptr;
    return store::DecodeRecord(body, &pool_, &root, trust);
  }
  // A body with a correct checksum over whatever fields it is given.
  static std::string Sealed(const std::string& fields) {
    std::string body(1, '\x01');
    const std::uint32_t crc = store::Crc32(fields.data(), fields.size());
    for (int i = 0; i < 4; ++i) body.push_back(static_cast<char>(crc >> (8 * i)));
    return body + fields;
  }
  node* Sample() {
    node* root = Root(1);
    node* group = AddGroup(root, 2);
    AddText(group, 3, "text");
    AddNumber(group, 4, 77);
    AddPointer(root, 5, 12);
    return root;
  }
};

TEST_F(RecordCodec, ChecksumMatchesTheStandardCrc32) {
  EXPECT_EQ(store::Crc32("123456789", 9), 0xCBF43926u);
  EXPECT_EQ(store::Crc32("", 0), 0u);
}

TEST_F(RecordCodec, FieldsKeepTheirValuePresenceAndRecordIds) {
  node* root = Root(1);
  root->type |= kHasRecordId | kHasSource;
  root->recordId = 99;
  node* empty = AddText(root, 2, "");
  empty->value = store::PoolAllocate(&pool_, 1);
  node* valueless = AddGroup(root, 3);
  valueless->type |= kHasRecordId;
  valueless->recordId = 4242;
  node* back = nullptr;
  ASSERT_EQ(store::DecodeRecord(Encode(root), &pool_, &back), arbcode::SUCCESS);
  // The root's own ID and source are its address, not part of the body.
  EXPECT_FALSE(back->HasRecordId());
  EXPECT_FALSE(back->HasSource());
  ASSERT_NE(back->next, nullptr);
  EXPECT_NE(back->next->value, nullptr);
  EXPECT_EQ(back->next->length, 0);
  ASSERT_NE(back->next->next, nullptr);
  EXPECT_EQ(back->next->next->value, nullptr);
  EXPECT_TRUE(back->next->next->HasRecordId());
  EXPECT_EQ(back->next->next->recordId, 4242u);
  EXPECT_EQ(back->next->next->next, nullptr);
}

TEST_F(RecordCodec, EveryTruncationAndEveryFlippedBitIsRefused) {
  const std::string body = Encode(Sample());
  for (std::size_t size = 0; size < body.size(); ++size) {
    EXPECT_NE(Decode(body.substr(0, size)), arbcode::SUCCESS) << "size " << size;
  }
  for (std::size_t i = 0; i < body.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) {
      std::string damaged = body;
      damaged[i] = static_cast<char>(damaged[i] ^ (1 << bit));
      const std::uint32_t code = Decode(damaged);
      EXPECT_TRUE(code == arbcode::BLOCK_CHECKSUM || code == arbcode::UNSUPPORTED_VERSION)
          << "byte " << i << " bit " << bit << " gave " << CodeText(code);
    }
  }
  EXPECT_EQ(Decode(body + "x"), arbcode::BLOCK_CHECKSUM);
}

TEST_F(RecordCodec, AProvenBodyIsNotSummedAgainButStillCheckedForStructure) {
  const std::string body = Encode(Sample());
  std::string stale = body;
  stale[1] = static_cast<char>(stale[1] ^ 1);
  EXPECT_EQ(store::CheckBody(body), arbcode::SUCCESS);
  EXPECT_EQ(store::CheckBody(stale), arbcode::BLOCK_CHECKSUM);
  EXPECT_EQ(Decode(stale, store::BodyTrust::kProven), arbcode::SUCCESS);
  for (std::size_t size = 0; size < store::kBodyHeaderSize; ++size) {
    EXPECT_EQ(Decode(body.substr(0, size), store::BodyTrust::kProven), arbcode::DATA_ERROR);
  }
  // Cut inside the last field's value.
  EXPECT_EQ(Decode(body.substr(0, body.size() - 1), store::BodyTrust::kProven),
            arbcode::DATA_ERROR);
  std::string unknown = body;
  unknown[0] = '\x07';
  EXPECT_EQ(Decode(unknown, store::BodyTrust::kProven), arbcode::UNSUPPORTED_VERSION);
}

TEST_F(RecordCodec, BrokenStructureBehindAGoodChecksumIsRefused) {
  // level, flags, tag (2), length (2)
  const std::string root("\x00\x03\x01\x00\x00\x00", 6);
  EXPECT_EQ(Decode(Sealed(root)), arbcode::SUCCESS);
  EXPECT_EQ(Decode(Sealed("")), arbcode::DATA_ERROR);
  EXPECT_EQ(Decode(Sealed(root + std::string("\x02\x03\x02\x00\x00\x00", 6))),
            arbcode::DATA_ERROR);  // level jump
  EXPECT_EQ(Decode(Sealed(root + std::string("\x00\x03\x02\x00\x00\x00", 6))),
            arbcode::DATA_ERROR);  // second root
  EXPECT_EQ(Decode(Sealed(root + std::string("\x01\x03\x00\x00\x00\x00", 6))),
            arbcode::DATA_ERROR);  // tag 0
  EXPECT_EQ(Decode(Sealed(root + std::string("\x01\x08\x02\x00\x00\x00", 6))),
            arbcode::DATA_ERROR);  // unknown type
  EXPECT_EQ(Decode(Sealed(root + std::string("\x01\x40\x02\x00\x09\x00"
                                             "abc",
                                             9))),
            arbcode::DATA_ERROR);  // value longer than the body
  EXPECT_EQ(Decode(Sealed(root + std::string("\x01\x00\x02\x00\x03\x00"
                                             "abc",
                                             9))),
            arbcode::DATA_ERROR);  // length without the value flag
  EXPECT_EQ(Decode(Sealed(std::string("\x00\x83\x01\x00\x00\x00\x01\x00\x00\x00", 10))),
            arbcode::DATA_ERROR);  // a stored record ID on the root
  std::string body = Sealed(root);
  body[0] = 2;
  EXPECT_EQ(Decode(body), arbcode::UNSUPPORTED_VERSION);
}

// Everything the compact format packs differently: tags and lengths past one varint byte, levels
// that climb back several steps, the largest record IDs and pointers, empty and missing values,
// records of many fields.
TEST_F(RecordCodec, BothFormatsKeepEveryFieldAlike) {
  node* root = Root(300);
  node* deep = AddGroup(AddGroup(AddGroup(root, 2), 3), 4);
  AddText(deep, 65535, std::string(300, 'x'));
  AddPointer(root, 5, 0xFFFFFFFF);
  AddPointer(root, 6, 1);
  node* withId = AddNumber(root, 128, -7);
  withId->type |= kHasRecordId;
  withId->recordId = 0xFFFFFFFF;
  AddText(root, 7, "");
  // Enough fields that decoding cannot keep every header aside and parses twice.
  for (std::uint16_t tag = 10; tag < 50; ++tag) AddText(root, tag, std::to_string(tag));

  std::string fixed;
  ASSERT_EQ(store::EncodeRecord(root, &fixed, store::BodyFormat::kFixed), arbcode::SUCCESS);
  const std::string compact = Encode(root);
  EXPECT_LT(compact.size(), fixed.size());
  node* fromFixed = nullptr;
  node* fromCompact = nullptr;
  ASSERT_EQ(store::DecodeRecord(fixed, &pool_, &fromFixed), arbcode::SUCCESS);
  ASSERT_EQ(store::DecodeRecord(compact, &pool_, &fromCompact), arbcode::SUCCESS);
  const node* a = fromFixed;
  const node* b = fromCompact;
  for (const node* original = root; original != nullptr; original = original->next) {
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    for (const node* copy : {a, b}) {
      EXPECT_EQ(copy->tag, original->tag);
      EXPECT_EQ(copy->level, original->level);
      EXPECT_EQ(copy->FieldKind(), original->FieldKind());
      ASSERT_EQ(copy->length, original->length) << "tag " << original->tag;
      EXPECT_EQ(copy->value == nullptr, original->value == nullptr) << "tag " << original->tag;
      if (original->length != 0) {
        EXPECT_EQ(std::memcmp(copy->value, original->value, copy->length), 0);
      }
      if (original != root && original->HasRecordId()) {
        EXPECT_EQ(copy->recordId, original->recordId);
      }
    }
    a = a->next;
    b = b->next;
  }
  EXPECT_EQ(a, nullptr);
  EXPECT_EQ(b, nullptr);
}

TEST_F(RecordCodec, AFormatByteChangedToTheOtherFormatIsRefused) {
  std::string fixed;
  ASSERT_EQ(store::EncodeRecord(Sample(), &fixed, store::BodyFormat::kFixed), arbcode::SUCCESS);
  std::string compact = Encode(Sample());
  std::swap(fixed[0], compact[0]);
  EXPECT_EQ(Decode(fixed), arbcode::BLOCK_CHECKSUM);
  EXPECT_EQ(Decode(compact), arbcode::BLOCK_CHECKSUM);
}

TEST_F(RecordCodec, BrokenCompactStructureBehindAGoodChecksumIsRefused) {
  const auto sealed = [](const std::string& fields) {
    std::string body = std::string(1, '\x03') + std::string(4, '\0') + fields;
    store::SealRecordBody(&body);
    return body;
  };
  // lead byte (type, flags, level step), tag varint, ...
  const std::string root("\x00\x01", 2);
  EXPECT_EQ(Decode(sealed(root)), arbcode::SUCCESS);
  EXPECT_EQ(Decode(sealed(root + std::string("\x80\x01\x05", 3))), arbcode::SUCCESS);
  EXPECT_EQ(Decode(sealed(root + std::string("\x2B\x02\x07", 3))), arbcode::SUCCESS);
  EXPECT_EQ(Decode(sealed(root + std::string("\xC0\x02", 2))),
            arbcode::DATA_ERROR);  // no such level step
  EXPECT_EQ(Decode(sealed(root + std::string("\x80\x02\x02", 3))),
            arbcode::DATA_ERROR);  // level jump
  EXPECT_EQ(Decode(sealed(root + std::string("\x00\xFF\xFF\x04", 4))),
            arbcode::DATA_ERROR);  // tag past 16 bits
  EXPECT_EQ(Decode(sealed(root + std::string("\x00\x82", 2))), arbcode::DATA_ERROR);  // cut varint
  EXPECT_EQ(Decode(sealed(root + std::string("\x28\x02\x07", 3))),
            arbcode::DATA_ERROR);  // a packed pointer that is text
  EXPECT_EQ(Decode(sealed(root + std::string("\x23\x02\x07", 3))),
            arbcode::DATA_ERROR);  // a packed pointer without a value
  EXPECT_EQ(Decode(sealed(root + std::string("\x08\x02\x09"
                                             "abc",
                                             6))),
            arbcode::DATA_ERROR);  // value longer than the body
  EXPECT_EQ(Decode(sealed(std::string("\x10\x01\x05", 3))),
            arbcode::DATA_ERROR);  // a stored record ID on the root
}

}  // namespace
