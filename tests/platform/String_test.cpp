#include "String.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(String, ConvertsNarrowTextBothWays) {
  String s("żółw");
  EXPECT_EQ(std::u16string(s.GetBSTR()), u"żółw");
  EXPECT_STREQ(s.GetAnsi(), "żółw");
  s += " и черепаха";
  EXPECT_EQ(s.Length(), 15u);
  EXPECT_STREQ(s.GetAnsi(), "żółw и черепаха");
}

TEST(String, NullAndEmptyGiveAnEmptyText) {
  String a(static_cast<const char*>(nullptr));
  String b("");
  EXPECT_EQ(a.Length(), 0u);
  EXPECT_NE(a.GetBSTR(), nullptr);
  EXPECT_STREQ(b.GetAnsi(), "");
}

TEST(String, InvalidNarrowTextThrowsInvalidArg) {
  const char broken[] = {'a', static_cast<char>(0xC3), 0};
  try {
    String s(broken);
    FAIL() << "no exception";
  } catch (std::int32_t code) {
    EXPECT_EQ(code, E_INVALIDARG);
  }
  String s("ok");
  EXPECT_THROW(s.Append(broken), std::int32_t);
  EXPECT_STREQ(s.GetAnsi(), "ok");
}

TEST(String, CopiesOwnTheirText) {
  String a("dog");
  String b(a);
  a += "s";
  EXPECT_STREQ(b.GetAnsi(), "dog");
  b = a;
  EXPECT_STREQ(b.GetAnsi(), "dogs");
  EXPECT_NE(a.GetBSTR(), b.GetBSTR());
  String c(std::move(a));
  EXPECT_STREQ(c.GetAnsi(), "dogs");
}

TEST(String, NarrowCopyFollowsAppends) {
  String s("a");
  EXPECT_STREQ(s.GetAnsi(), "a");
  s += "b";
  EXPECT_STREQ(s.GetAnsi(), "ab");
}

TEST(String, DetachHandsTheTextToTheCaller) {
  String s("cat");
  BSTR text = s.Detach();
  EXPECT_EQ(std::u16string(text), u"cat");
  EXPECT_EQ(s.Length(), 0u);
  SysFreeString(text);
}

TEST(String, UnpairedSurrogateBecomesTildeInNarrowCopy) {
  const char16_t text[] = {u'a', 0xD800, u'b', 0};
  String s(text);
  EXPECT_STREQ(s.GetAnsi(), "a~b");
}
