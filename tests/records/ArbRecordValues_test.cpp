#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ArbCodes.h"
#include "ArbRecord.h"
#include "ArbRecordTestSupport.h"
#include "store/FieldValue.h"

using R = ArbRecord;

namespace {

// 1 ( 10:"alpha" 11:-100000 12:100000 13:@61@ 14:<valueless> 15:"" )
void BuildValues(ArbRecord& record) {
  record = ArbRecord(1);
  record.AssignField(10, "alpha");
  record.AssignField(11, std::int32_t{-100000});
  record.AssignField(12, std::int32_t{100000});
  record.AddField(13, R::kLast, R::eFromRoot, R::eGraftChild);
  store::SetRecordPointer(record.GetPool(), record.GetCurrentField(), 61);
  record.AddField(14, R::kLast, R::eFromRoot, R::eGraftChild);
  record.AddField(15, R::kLast, R::eFromRoot, R::eGraftChild);
  store::SetUtf8(record.GetPool(), record.GetCurrentField(), "");
  record.GotoRoot();
}

}  // namespace

TEST(ArbRecordValues, FindGetReadsWithoutMovingAndKeepsFullWidth) {
  ArbRecord record;
  BuildValues(record);
  ASSERT_EQ(record.FindField(10), 1);
  node* current = record.GetCurrentField();

  EXPECT_EQ(record.FindGetWSDWORD(11), -100000);
  EXPECT_EQ(record.FindGetWUDWORD(12), 100000u);
  // Out of a narrower type's range: 0 with the conversion code kept.
  EXPECT_EQ(record.FindGetWSWORD(12), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::CONV_NUM_OVERFLOW);
  EXPECT_EQ(record.FindGetWUWORD(11), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::CONV_NUM_UNDERFLOW);
  EXPECT_EQ(record.FindGetWUDWORD(10), 0u);
  EXPECT_EQ(record.GetLastError(), arbcode::CONV_BAD_SRC_TYPE);
  EXPECT_EQ(record.FindGetWSDWORD(99), 0);

  EXPECT_EQ(record.FindGetRecPtr(13), 61u);
  EXPECT_EQ(record.FindGetRecPtr(14), 0xFFFFFFFFu);
  EXPECT_EQ(record.FindGetRecPtr(10), 0xFFFFFFFFu);
  EXPECT_EQ(record.FindGetRecPtr(99), 0u);

  BSTR text = record.FindGetBSTR(10);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::u16string(text), u"alpha");
  SysFreeString(text);
  EXPECT_EQ(record.FindGetBSTR(99), nullptr);
  EXPECT_EQ(record.FindGetBSTR(11), nullptr);

  char buffer[16];
  EXPECT_EQ(record.FindGetString(buffer, sizeof buffer, 10), 5);
  EXPECT_STREQ(buffer, "alpha");
  EXPECT_EQ(record.FindGetString(buffer, sizeof buffer, 99), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(record.GetCurrentField(), current);
}

// A text field that holds no bytes has no value pointer either: the narrow read must not copy from
// it (the sanitizers catch a copy from null even of nothing).
TEST(ArbRecordValues, AValuelessTextReadsNarrowAsEmpty) {
  ArbRecord record;
  BuildValues(record);
  char buffer[4] = "xyz";
  EXPECT_EQ(record.FindGetString(buffer, sizeof buffer, 14), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(record.FindGetString(buffer, sizeof buffer, 15), 0);
  EXPECT_STREQ(buffer, "");
}

TEST(ArbRecordValues, GetTextIntoWideAndNarrowBuffers) {
  ArbRecord record;
  BuildValues(record);
  BSTR text = SysAllocString(u"previous");
  ASSERT_EQ(record.FindField(15), 1);
  ASSERT_EQ(record.Get(&text), 1);  // frees "previous" (the sanitizers see a leak otherwise)
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(SysStringLen(text), 0u);
  ASSERT_EQ(record.FindField(11), 1);
  EXPECT_EQ(record.Get(&text), 0);
  EXPECT_EQ(text, nullptr);
  EXPECT_EQ(record.GetLastError(), arbcode::CONV_BAD_SRC_TYPE);

  ASSERT_EQ(record.FindField(10), 1);
  std::uint16_t chars = 0;
  ASSERT_EQ(record.StringLength(&chars), 1);
  EXPECT_EQ(chars, 5);
  EXPECT_EQ(record.GetLength(), 5);

  // The narrow read needs room for the text and its NUL, and never writes past `size`.
  char buffer[8];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(record.Get(buffer, 5), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::CONV_ILLEGAL);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(std::string(buffer + 1, 7), "#######");
  EXPECT_EQ(record.Get(buffer, 0), 0);
  ASSERT_EQ(record.Get(buffer, 6), 1);
  EXPECT_STREQ(buffer, "alpha");
  EXPECT_EQ(buffer[6], '#');
}

TEST(ArbRecordValues, GetIntegersSetsZeroFirst) {
  ArbRecord record;
  BuildValues(record);
  ASSERT_EQ(record.FindField(11), 1);
  std::int32_t i32 = 5;
  std::uint32_t u32 = 5;
  std::int16_t i16 = 5;
  std::uint16_t u16 = 5;
  ASSERT_EQ(record.Get(&i32), 1);
  EXPECT_EQ(i32, -100000);
  EXPECT_EQ(record.Get(&u32), 0);
  EXPECT_EQ(u32, 0u);
  EXPECT_EQ(record.Get(&i16), 0);
  EXPECT_EQ(i16, 0);
  ASSERT_EQ(record.FindField(14), 1);
  EXPECT_EQ(record.Get(&u16), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::CONV_NULL_SRC);
  EXPECT_EQ(u16, 0);
}

TEST(ArbRecordValues, PutStoresAndEmptyTextDeletes) {
  ArbRecord record;
  BuildValues(record);
  ASSERT_EQ(record.FindField(10), 1);
  ASSERT_EQ(record.Put(u"wide \u00E9"), 1);
  EXPECT_EQ(record.GetLength(), 7);
  ASSERT_EQ(record.Put(std::uint16_t{65535}), 1);
  EXPECT_EQ(record.FindGetWUWORD(10), 65535);
  ASSERT_EQ(record.Put(std::int16_t{-32768}), 1);
  EXPECT_EQ(record.FindGetWSWORD(10), -32768);
  ASSERT_EQ(record.Put(std::uint32_t{4294967295u}), 1);
  EXPECT_EQ(record.FindGetWUDWORD(10), 4294967295u);

  EXPECT_EQ(record.Put("bad \xFF"), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::CONV_ILLEGAL);
  EXPECT_EQ(record.Put(std::string(70000, 'x').c_str()), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::LARGE);
  EXPECT_EQ(record.FindGetWUDWORD(10), 4294967295u);

  ASSERT_EQ(record.Put(""), 1);
  EXPECT_EQ(record.GetTag(), 11);  // the next sibling
  ASSERT_EQ(record.FindField(15), 1);
  ASSERT_EQ(record.Put(static_cast<const OLECHAR*>(nullptr)), 1);
  EXPECT_EQ(record.GetTag(), 14);  // no next sibling: the previous one
  EXPECT_EQ(Shape(record), "1:0 11:1 12:1 13:1 14:1");

  ArbRecord empty;
  EXPECT_EQ(empty.Put("x"), 0);
  EXPECT_EQ(empty.Put(std::int32_t{1}), 0);
}

TEST(ArbRecordValues, AssignFieldFindsOrAddsAtThePosition) {
  ArbRecord record(1);
  record.AddField(2, R::kLast, R::eFromRoot, R::eGraftChild);
  record.AssignField(5, "xx", 1, -32767, R::eFromRoot, R::eInTree);
  EXPECT_EQ(Shape(record), "1:0 5:1 2:1");
  record.AssignField(5, "yy", 1, -32767, R::eFromRoot, R::eInTree);
  EXPECT_EQ(Shape(record), "1:0 5:1 2:1");
  char text[8];
  EXPECT_EQ(record.FindGetString(text, sizeof text, 5), 2);
  EXPECT_STREQ(text, "yy");

  record.AssignField(6, std::int16_t{-3}, 1, 1);
  EXPECT_EQ(record.FindGetWSWORD(6), -3);
  EXPECT_EQ(Shape(record), "1:0 5:1 6:1 2:1");
  record.AssignField(5, "");
  EXPECT_EQ(Shape(record), "1:0 6:1 2:1");
  // A start field that does not exist: nothing is added.
  record.AssignField(7, std::int32_t{1}, 1, 0, R::eFromChild, R::eInTree);
  record.GotoRoot();
  record.AssignField(7, std::int32_t{1}, 1, 0, R::eFromPrevious, R::eInTree);
  EXPECT_EQ(Shape(record), "1:0 6:1 2:1");
}

TEST(ArbRecordValues, TextsComeOutWideWhereverTheirFirstNonAsciiCharacterIs) {
  ArbRecord record(1);
  const char* const stored[] = {
      "", "dog", "\xC3\xA9t\xC3\xA9", "caf\xC3\xA9", "e\xCC\x81t\xC3\xA9", "\xF0\x9D\x84\x9E"};
  const std::u16string wide[] = {u"",          u"dog",           u"\u00E9t\u00E9",
                                 u"caf\u00E9", u"\u00E9t\u00E9", u"\U0001D11E"};
  for (std::uint16_t tag = 10; tag < 16; ++tag) {
    record.AddField(tag, R::kLast, R::eFromRoot, R::eGraftChild);
    ASSERT_EQ(store::SetUtf8(record.GetPool(), record.GetCurrentField(), stored[tag - 10]),
              arbcode::SUCCESS);
  }
  for (std::uint16_t tag = 10; tag < 16; ++tag) {
    BSTR text = record.FindGetBSTR(tag);
    ASSERT_NE(text, nullptr) << tag;
    EXPECT_EQ(std::u16string(text, SysStringLen(text)), wide[tag - 10]) << tag;
    SysFreeString(text);
  }
}
