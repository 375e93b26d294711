#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ArbCodes.h"
#include "ArbRecord.h"
#include "store/FieldValue.h"

using R = ArbRecord;

namespace {

// Adds a child of the root and returns it as the current field.
node* AddChild(ArbRecord& record, std::uint16_t tag) {
  record.AddField(tag, R::kLast, R::eFromRoot, R::eGraftChild);
  return record.GetCurrentField();
}

std::string FormatAll(ArbRecord& record, int* result) {
  std::vector<char> buffer(4096);
  *result = record.Format(buffer.data(), static_cast<std::uint16_t>(buffer.size()));
  return buffer.data();
}

}  // namespace

TEST(ArbRecordFormat, WritesOneLinePerFieldByType) {
  ArbRecord record(1);
  PoolMemoryManager* pool = record.GetPool();
  store::SetUtf8(pool, AddChild(record, 10), "plain");
  store::SetUtf8(pool, AddChild(record, 11), "\"quoted\"");
  store::SetUtf8(pool, AddChild(record, 12), "");
  store::SetUInt32(pool, AddChild(record, 13), 4294967295u);
  store::SetInt32(pool, AddChild(record, 14), -100000);
  store::SetRecordPointer(pool, AddChild(record, 15), 61);
  AddChild(record, 16);
  store::SetBinary(pool, AddChild(record, 17), "\x01\x02", 2);
  store::SetFloat(pool, AddChild(record, 18), 2.5);
  store::SetDate(pool, AddChild(record, 19), {2024, 2, 9});
  store::SetTime(pool, AddChild(record, 20), {7, 5, 9, 3});
  store::SetTimestamp(pool, AddChild(record, 21), {1999, 12, 31}, {23, 59, 59, 99});
  record.AddField(22, 0, R::eFromCurrent, R::eGraftChild);
  record.AddField(23, 0, R::eFromCurrent, R::eGraftChild);
  store::SetUtf8(pool, AddChild(record, 24), "\"");
  ASSERT_EQ(record.SetSource(nullptr, 32001, 0, 61), 1);

  int result = 0;
  EXPECT_EQ(FormatAll(record, &result),
            "0 @61@ TAG_1\r\n"
            "  1 TAG_10 plain\r\n"
            "  1 TAG_11 \"\"quoted\"\"\r\n"
            "  1 TAG_12\r\n"
            "  1 TAG_13 4294967295\r\n"
            "  1 TAG_14 -100000\r\n"
            "  1 TAG_15 @61@\r\n"
            "  1 TAG_16\r\n"
            "  1 TAG_17 [-binary-]\r\n"
            "  1 TAG_18 2.5\r\n"
            "  1 TAG_19 2024-02-09\r\n"
            "  1 TAG_20 7:05:09.03\r\n"
            "  1 TAG_21 1999-12-31 23:59:59.99\r\n"
            "    2 TAG_22\r\n"
            "      3 TAG_23\r\n"
            "  1 TAG_24 \"\"\"\r\n");
  EXPECT_EQ(result, 1);
  EXPECT_EQ(record.GetLastError(), arbcode::SUCCESS);
}

TEST(ArbRecordFormat, TheFirstUnreadableValueEndsTheText) {
  ArbRecord record(1);
  store::SetUtf8(record.GetPool(), AddChild(record, 2), "before");
  node* damaged = AddChild(record, 3);
  store::SetUInt32(record.GetPool(), damaged, 7);
  static_cast<unsigned char*>(damaged->value)[0] = 0xC7;
  AddChild(record, 4);

  int result = 1;
  EXPECT_EQ(FormatAll(record, &result),
            "0 TAG_1\r\n"
            "  1 TAG_2 before\r\n"
            "  1 TAG_3    # Error: CONV_BAD_DIGIT\r\n");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(record.GetLastError(), arbcode::CONV_BAD_DIGIT);

  damaged->type = 9;
  EXPECT_EQ(FormatAll(record, &result),
            "0 TAG_1\r\n"
            "  1 TAG_2 before\r\n"
            "  1 TAG_3    # Error: BAD_FIELD_TYPE\r\n");
  EXPECT_EQ(record.GetLastError(), arbcode::BAD_FIELD_TYPE);
}

TEST(ArbRecordFormat, AnEmptyRecordIsANullRecord) {
  ArbRecord record;
  char buffer[4] = "xyz";
  EXPECT_EQ(record.Format(buffer, sizeof buffer), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::NULL_RECORD);
  EXPECT_STREQ(buffer, "");
}

TEST(ArbRecordFormat, NeverWritesPastSizeAndKeepsWholeLines) {
  ArbRecord record(1);
  store::SetUtf8(record.GetPool(), AddChild(record, 2), "caf\xC3\xA9");
  store::SetInt32(record.GetPool(), AddChild(record, 3), -5);
  int result = 0;
  const std::string full = FormatAll(record, &result);
  ASSERT_EQ(result, 1);
  ASSERT_EQ(full, "0 TAG_1\r\n  1 TAG_2 caf\xC3\xA9\r\n  1 TAG_3 -5\r\n");

  for (std::size_t size = 0; size <= full.size() + 1; ++size) {
    std::vector<char> buffer(full.size() + 8, '#');
    result = record.Format(buffer.data(), static_cast<std::uint16_t>(size));
    EXPECT_TRUE(std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(size), buffer.end(),
                            [](char c) { return c == '#'; }))
        << "wrote past " << size;
    if (size == 0) continue;
    const std::string written(buffer.data());
    EXPECT_EQ(full.compare(0, written.size(), written), 0) << size;
    EXPECT_TRUE(written.empty() || written.back() == '\n') << "cut line at size " << size;
    EXPECT_EQ(result, size > full.size() ? 1 : 0) << size;
    if (size <= full.size()) {
      EXPECT_EQ(record.GetLastError(), arbcode::CONV_DEST_OVERFLOW);
    }
  }
}
