#include "platform/Formatting.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Formatting, NeverWritesPastTheBuffer) {
  char buffer[8];
  std::memset(buffer, 'X', sizeof buffer);
  EXPECT_EQ(platform::FormatInto(buffer, 5, "%s", "abcdefgh"), 4u);
  EXPECT_STREQ(buffer, "abcd");
  EXPECT_EQ(buffer[5], 'X');
  EXPECT_EQ(platform::FormatInto(buffer, 0, "%d", 1), 0u);
}

TEST(Formatting, AppendReportsCutText) {
  char buffer[10] = "ab";
  EXPECT_TRUE(platform::AppendFormat(buffer, sizeof buffer, "%d", 123));
  EXPECT_STREQ(buffer, "ab123");
  EXPECT_FALSE(platform::AppendFormat(buffer, sizeof buffer, "%s", "xyzuvw"));
  EXPECT_STREQ(buffer, "ab123xyzu");
}
