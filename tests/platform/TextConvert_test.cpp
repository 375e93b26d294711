#include "platform/TextConvert.h"

#include <gtest/gtest.h>

using platform::Utf16ToUtf8;
using platform::Utf16ToUtf8Strict;
using platform::Utf8ToUtf16;

TEST(TextConvert, RoundTripsNonLatinText) {
  std::u16string wide;
  ASSERT_TRUE(Utf8ToUtf16("σκύλος 𝄞", &wide));
  EXPECT_EQ(wide, u"σκύλος 𝄞");
  EXPECT_EQ(Utf16ToUtf8(wide), "σκύλος 𝄞");
}

TEST(TextConvert, ComposesDecomposedText) {
  std::u16string wide;
  ASSERT_TRUE(Utf8ToUtf16("e\xCC\x81t\xC3\xA9", &wide));  // e + combining acute, then é
  EXPECT_EQ(wide, u"\u00E9t\u00E9");
  EXPECT_EQ(Utf16ToUtf8(u"e\u0301"), "\xC3\xA9");
}

TEST(TextConvert, RejectsBrokenUtf8) {
  std::u16string wide = u"stale";
  EXPECT_FALSE(Utf8ToUtf16("\xFF\xFE", &wide));
  EXPECT_TRUE(wide.empty());
  EXPECT_FALSE(Utf8ToUtf16("ab\xE2\x82", &wide));
}

TEST(TextConvert, UnpairedSurrogates) {
  const std::u16string lone = {u'x', 0xDC00, 0xD800};
  std::string narrow;
  EXPECT_FALSE(Utf16ToUtf8Strict(lone, &narrow));
  EXPECT_EQ(Utf16ToUtf8(lone), "x~~");
}

TEST(TextConvert, WidensOnlyPlainAscii) {
  char16_t out[8] = {};
  ASSERT_TRUE(platform::WidenAscii("a~\x7F", out));
  EXPECT_EQ(std::u16string(out, 3), u"a~\x7F");
  // A byte of 0x80 or more anywhere, first or last included.
  for (const char* text : {"\xC3\xA9x", "x\xC3\xA9", "ab\x80", "\xFF"}) {
    EXPECT_FALSE(platform::WidenAscii(text, out)) << text;
  }
  EXPECT_TRUE(platform::WidenAscii("", out));
}
