#include "store/FieldValue.h"

#include <cstring>
#include <limits>
#include <string>

#include "FieldPoolFixture.h"

using Bytes = std::vector<unsigned char>;

class FieldValue : public FieldPoolFixture {};

TEST_F(FieldValue, PacksNumbersAsSignDigitsAndEndNibble) {
  node* field = NewField(1);
  ASSERT_EQ(store::SetUInt32(&pool_, field, 0), arbcode::SUCCESS);
  EXPECT_EQ(field->FieldKind(), kFieldNumber);
  EXPECT_EQ(ValueBytes(field), (Bytes{0x0F}));
  ASSERT_EQ(store::SetUInt32(&pool_, field, 12), arbcode::SUCCESS);
  EXPECT_EQ(ValueBytes(field), (Bytes{0x12, 0xFF}));
  ASSERT_EQ(store::SetInt32(&pool_, field, -5), arbcode::SUCCESS);
  EXPECT_EQ(ValueBytes(field), (Bytes{0xB5, 0xFF}));
  ASSERT_EQ(store::SetInt32(&pool_, field, -12), arbcode::SUCCESS);
  EXPECT_EQ(ValueBytes(field), (Bytes{0xB1, 0x2F}));
  ASSERT_EQ(store::SetUInt32(&pool_, field, 4294967295u), arbcode::SUCCESS);
  EXPECT_EQ(ValueBytes(field), (Bytes{0x42, 0x94, 0x96, 0x72, 0x95, 0xFF}));
}

TEST_F(FieldValue, IntegersRoundTripAtTheirLimits) {
  node* field = NewField(1);
  for (std::int32_t value : {0, 1, -1, 100000, -100000, std::numeric_limits<std::int32_t>::max(),
                             std::numeric_limits<std::int32_t>::min()}) {
    ASSERT_EQ(store::SetInt32(&pool_, field, value), arbcode::SUCCESS);
    std::int32_t back = 7;
    ASSERT_EQ(store::GetInt32(field, &back), arbcode::SUCCESS) << value;
    EXPECT_EQ(back, value);
  }
  ASSERT_EQ(store::SetInt32(&pool_, field, -32768), arbcode::SUCCESS);
  std::int16_t small = 0;
  EXPECT_EQ(store::GetInt16(field, &small), arbcode::SUCCESS);
  EXPECT_EQ(small, -32768);
  ASSERT_EQ(store::SetUInt32(&pool_, field, 65535), arbcode::SUCCESS);
  std::uint16_t unsignedSmall = 0;
  EXPECT_EQ(store::GetUInt16(field, &unsignedSmall), arbcode::SUCCESS);
  EXPECT_EQ(unsignedSmall, 65535);
}

TEST_F(FieldValue, NarrowingOutOfRangeFailsAndKeepsTheOutput) {
  node* field = NewField(1);
  std::int16_t i16 = 9;
  std::uint16_t u16 = 9;
  std::int32_t i32 = 9;
  std::uint32_t u32 = 9;

  ASSERT_EQ(store::SetUInt32(&pool_, field, 32768), arbcode::SUCCESS);
  EXPECT_EQ(store::GetInt16(field, &i16), arbcode::CONV_NUM_OVERFLOW);
  ASSERT_EQ(store::SetUInt32(&pool_, field, 65536), arbcode::SUCCESS);
  EXPECT_EQ(store::GetUInt16(field, &u16), arbcode::CONV_NUM_OVERFLOW);
  ASSERT_EQ(store::SetUInt32(&pool_, field, 2147483648u), arbcode::SUCCESS);
  EXPECT_EQ(store::GetInt32(field, &i32), arbcode::CONV_NUM_OVERFLOW);

  ASSERT_EQ(store::SetInt32(&pool_, field, -32769), arbcode::SUCCESS);
  EXPECT_EQ(store::GetInt16(field, &i16), arbcode::CONV_NUM_UNDERFLOW);
  ASSERT_EQ(store::SetInt32(&pool_, field, -1), arbcode::SUCCESS);
  EXPECT_EQ(store::GetUInt16(field, &u16), arbcode::CONV_NUM_UNDERFLOW);
  EXPECT_EQ(store::GetUInt32(field, &u32), arbcode::CONV_NUM_UNDERFLOW);

  EXPECT_EQ(i16, 9);
  EXPECT_EQ(u16, 9);
  EXPECT_EQ(i32, 9);
  EXPECT_EQ(u32, 9);
}

TEST_F(FieldValue, NumbersBeyondSixtyFourBitsAreOutOfRange) {
  std::uint32_t u32 = 0;
  std::int32_t i32 = 0;
  // 21 nines, then the end nibble.
  node* huge =
      RawField(kFieldNumber, {0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x9F});
  EXPECT_EQ(store::GetUInt32(huge, &u32), arbcode::CONV_NUM_OVERFLOW);
  node* hugeNegative = RawField(
      kFieldNumber, {0xB9, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 0xFF});
  EXPECT_EQ(store::GetInt32(hugeNegative, &i32), arbcode::CONV_NUM_UNDERFLOW);
  node* negativeZero = RawField(kFieldNumber, {0xB0, 0xFF});
  EXPECT_EQ(store::GetUInt32(negativeZero, &u32), arbcode::SUCCESS);
  EXPECT_EQ(u32, 0u);
}

TEST_F(FieldValue, DamagedPackedDigitsAreRefused) {
  std::uint32_t value = 0;
  const std::initializer_list<unsigned char> damaged[] = {
      {0x1A, 0xFF},        // a nibble that is no digit
      {0x12},              // no end nibble
      {0xBF},              // a sign without digits
      {0xF0},              // an end mark without digits
      {0x1F, 0x00},        // bytes after the end
      {0x12, 0xF3},        // a digit after the end mark
      {0x21, 0xB3, 0xFF},  // a sign nibble in the middle
  };
  for (const auto& bytes : damaged) {
    node* field = RawField(kFieldNumber, bytes);
    EXPECT_EQ(store::GetUInt32(field, &value), arbcode::CONV_BAD_DIGIT)
        << testing::PrintToString(ValueBytes(field));
  }
}

TEST_F(FieldValue, WrongTypeAndMissingValueHaveTheirOwnCodes) {
  node* text = NewField(1);
  ASSERT_EQ(store::SetUtf8(&pool_, text, "123"), arbcode::SUCCESS);
  std::int32_t number = 0;
  EXPECT_EQ(store::GetInt32(text, &number), arbcode::CONV_BAD_SRC_TYPE);
  std::uint32_t recordId = 0;
  EXPECT_EQ(store::GetRecordPointer(text, &recordId), arbcode::CONV_BAD_SRC_TYPE);

  node* valueless = NewField(2);
  EXPECT_EQ(store::GetInt32(valueless, &number), arbcode::CONV_NULL_SRC);
  EXPECT_EQ(store::GetRecordPointer(valueless, &recordId), arbcode::CONV_NULL_SRC);
  std::string_view view;
  EXPECT_EQ(store::GetUtf8(valueless, &view), arbcode::CONV_NULL_SRC);

  node* numberField = NewField(3);
  ASSERT_EQ(store::SetUInt32(&pool_, numberField, 5), arbcode::SUCCESS);
  EXPECT_EQ(store::GetUtf8(numberField, &view), arbcode::CONV_BAD_SRC_TYPE);
  store::Date date{};
  EXPECT_EQ(store::GetDate(numberField, &date), arbcode::CONV_BAD_SRC_TYPE);
}

TEST_F(FieldValue, TextIsStoredAsComposedUtf8) {
  node* field = NewField(1);
  ASSERT_EQ(store::SetUtf16(&pool_, field, u"cafe\u0301 \U0001D11E", 8), arbcode::SUCCESS);
  std::string_view stored;
  ASSERT_EQ(store::GetUtf8(field, &stored), arbcode::SUCCESS);
  EXPECT_EQ(stored, "caf\xC3\xA9 \xF0\x9D\x84\x9E");

  std::uint32_t bytes = 0;
  ASSERT_EQ(store::GetUtf16(field, nullptr, &bytes), arbcode::SUCCESS);
  EXPECT_EQ(bytes, 7u * 2);
  char16_t buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  bytes = sizeof buffer;
  ASSERT_EQ(store::GetUtf16(field, buffer, &bytes), arbcode::SUCCESS);
  EXPECT_EQ(bytes, 14u);
  EXPECT_EQ(std::u16string(buffer), u"caf\u00E9 \U0001D11E");
}

TEST_F(FieldValue, Utf16ViewGivesTheSameTextAndCodesAsTheBuffer) {
  node* field = NewField(1);
  ASSERT_EQ(store::SetUtf8(&pool_, field, "caf\xC3\xA9 \xF0\x9D\x84\x9E"), arbcode::SUCCESS);
  std::u16string_view view;
  ASSERT_EQ(store::GetUtf16(field, &view), arbcode::SUCCESS);
  EXPECT_EQ(view, u"caf\u00E9 \U0001D11E");

  node* numberField = NewField(3);
  ASSERT_EQ(store::SetUInt32(&pool_, numberField, 5), arbcode::SUCCESS);
  EXPECT_EQ(store::GetUtf16(numberField, &view), arbcode::CONV_BAD_SRC_TYPE);
  EXPECT_EQ(view, u"caf\u00E9 \U0001D11E");
}

TEST_F(FieldValue, Utf16BufferTooSmallIsLeftUntouched) {
  node* field = NewField(1);
  ASSERT_EQ(store::SetUtf8(&pool_, field, "abcd"), arbcode::SUCCESS);
  char16_t buffer[4] = {u'#', u'#', u'#', u'#'};
  std::uint32_t bytes = 6;
  EXPECT_EQ(store::GetUtf16(field, buffer, &bytes), arbcode::CONV_DEST_OVERFLOW);
  EXPECT_EQ(buffer[0], u'#');
  // Exactly the text's size: written, but no room for a terminator.
  bytes = 8;
  ASSERT_EQ(store::GetUtf16(field, buffer, &bytes), arbcode::SUCCESS);
  EXPECT_EQ(std::u16string(buffer, 4), u"abcd");
}

TEST_F(FieldValue, InvalidTextIsRefusedAndTheFieldKeepsItsValue) {
  node* field = NewField(1);
  ASSERT_EQ(store::SetUInt32(&pool_, field, 42), arbcode::SUCCESS);
  const char16_t loneSurrogate[] = {u'a', 0xD800, u'b'};
  EXPECT_EQ(store::SetUtf16(&pool_, field, loneSurrogate, 3), arbcode::CONV_ILLEGAL);
  EXPECT_EQ(store::SetUtf8(&pool_, field, "a\xFF"), arbcode::CONV_ILLEGAL);
  std::uint32_t value = 0;
  EXPECT_EQ(store::GetUInt32(field, &value), arbcode::SUCCESS);
  EXPECT_EQ(value, 42u);
}

TEST_F(FieldValue, ValuesOverTheLengthLimitAreLarge) {
  node* field = NewField(1);
  ASSERT_EQ(store::SetUtf8(&pool_, field, "keep"), arbcode::SUCCESS);
  EXPECT_EQ(store::SetUtf8(&pool_, field, std::string(65535, 'x')), arbcode::SUCCESS);
  EXPECT_EQ(field->length, 65535);
  ASSERT_EQ(store::SetUtf8(&pool_, field, "keep"), arbcode::SUCCESS);

  EXPECT_EQ(store::SetUtf8(&pool_, field, std::string(65536, 'x')), arbcode::LARGE);
  // Few enough UTF-16 units, too many UTF-8 bytes.
  const std::u16string accented(40000, u'\u00E9');
  EXPECT_EQ(store::SetUtf16(&pool_, field, accented.data(), 40000), arbcode::LARGE);
  const std::string bytes(65536, '\0');
  EXPECT_EQ(store::SetBinary(&pool_, field, bytes.data(), 65536), arbcode::LARGE);

  std::string_view stored;
  ASSERT_EQ(store::GetUtf8(field, &stored), arbcode::SUCCESS);
  EXPECT_EQ(stored, "keep");
}

TEST_F(FieldValue, FixedSizeValuesRoundTrip) {
  node* field = NewField(1, 77);
  ASSERT_EQ(store::SetRecordPointer(&pool_, field, 0xDEADBEEF), arbcode::SUCCESS);
  EXPECT_EQ(ValueBytes(field), (Bytes{0xEF, 0xBE, 0xAD, 0xDE}));
  std::uint32_t recordId = 0;
  EXPECT_EQ(store::GetRecordPointer(field, &recordId), arbcode::SUCCESS);
  EXPECT_EQ(recordId, 0xDEADBEEF);
  // Integer getters read a record pointer's ID too, range-checked.
  std::int32_t signedId = 0;
  EXPECT_EQ(store::GetInt32(field, &signedId), arbcode::CONV_NUM_OVERFLOW);
  // Setting a value leaves the root-only parts alone.
  EXPECT_TRUE(field->HasRecordId());
  EXPECT_EQ(field->recordId, 77u);

  ASSERT_EQ(store::SetFloat(&pool_, field, -2.5e-3), arbcode::SUCCESS);
  double real = 0;
  EXPECT_EQ(store::GetFloat(field, &real), arbcode::SUCCESS);
  EXPECT_EQ(real, -2.5e-3);

  ASSERT_EQ(store::SetTimestamp(&pool_, field, {2024, 2, 29}, {23, 59, 58, 99}), arbcode::SUCCESS);
  store::Date date{};
  store::Time time{};
  ASSERT_EQ(store::GetTimestamp(field, &date, &time), arbcode::SUCCESS);
  EXPECT_EQ(date.year, 2024);
  EXPECT_EQ(date.month, 2);
  EXPECT_EQ(date.day, 29);
  EXPECT_EQ(time.hour, 23);
  EXPECT_EQ(time.minute, 59);
  EXPECT_EQ(time.second, 58);
  EXPECT_EQ(time.hundredth, 99);
  EXPECT_EQ(store::GetDate(field, &date), arbcode::CONV_BAD_SRC_TYPE);

  ASSERT_EQ(store::SetInt32(&pool_, field, -7), arbcode::SUCCESS);
  EXPECT_EQ(store::GetFloat(field, &real), arbcode::SUCCESS);
  EXPECT_EQ(real, -7.0);
}

TEST_F(FieldValue, FixedSizeValuesOfTheWrongSizeAreDamaged) {
  std::uint32_t recordId = 0;
  EXPECT_EQ(store::GetRecordPointer(RawField(kFieldContext, {1, 2, 3}), &recordId),
            arbcode::DATA_ERROR);
  double real = 0;
  EXPECT_EQ(store::GetFloat(RawField(kFieldFloat, {1, 2, 3, 4}), &real), arbcode::DATA_ERROR);
  store::Time time{};
  EXPECT_EQ(store::GetTime(RawField(kFieldTime, {1, 2, 3, 4, 5}), &time), arbcode::DATA_ERROR);
}
