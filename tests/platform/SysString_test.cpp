#include "SysString.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(SysString, KeepsByteLengthBeforeTextAndNulAfterIt) {
  BSTR s = SysAllocString(u"hond");
  ASSERT_NE(s, nullptr);
  std::uint32_t bytes;
  std::memcpy(&bytes, reinterpret_cast<char*>(s) - 4, 4);
  EXPECT_EQ(bytes, 8u);
  EXPECT_EQ(SysStringLen(s), 4u);
  EXPECT_EQ(s[4], u'\0');
  SysFreeString(s);
}

TEST(SysString, NullMeansAbsent) {
  EXPECT_EQ(SysAllocString(nullptr), nullptr);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  SysFreeString(nullptr);
  BSTR zeroed = SysAllocStringLen(nullptr, 3);
  ASSERT_NE(zeroed, nullptr);
  EXPECT_EQ(SysStringLen(zeroed), 3u);
  EXPECT_EQ(zeroed[0], u'\0');
  SysFreeString(zeroed);
}

TEST(SysString, LengthMayHoldEmbeddedNuls) {
  const char16_t text[] = {u'a', 0, u'b'};
  BSTR s = SysAllocStringLen(text, 3);
  EXPECT_EQ(SysStringLen(s), 3u);
  EXPECT_EQ(s[2], u'b');
  SysFreeString(s);
}

TEST(SysString, ReAllocReplacesAndFreesTheOldText) {
  BSTR s = SysAllocString(u"dog");
  ASSERT_EQ(SysReAllocString(&s, u"canine"), 1);
  EXPECT_EQ(std::u16string(s), u"canine");
  ASSERT_EQ(SysReAllocStringLen(&s, u"canine", 3), 1);
  EXPECT_EQ(std::u16string(s), u"can");
  SysFreeString(s);
}
