// The settings values: defaults, the window rectangle rules and the stored form of "Position".
#include "shell/ViewerSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewerSettings, FontPoints) {
  ViewerSettings settings;
  settings.fontSize = 95;
  EXPECT_EQ(settings.FontPoints(), 9);
  settings.fontSize = 120;
  EXPECT_EQ(settings.FontPoints(), 12);
  settings.fontSize = 0;
  EXPECT_EQ(settings.FontPoints(), 10);
  settings.fontSize = -40;
  EXPECT_EQ(settings.FontPoints(), 10);
}

TEST(ViewerSettings, WindowRectangle) {
  ViewerSettings settings;
  settings.RecordWindow(false, false, {20, 30, 620, 430});
  EXPECT_EQ(settings.StartRectangle(), (WindowRect{20, 30, 620, 430}));
  // Closing maximized or minimized keeps the last normal rectangle.
  settings.RecordWindow(true, false, {0, 0, 1920, 1080});
  EXPECT_TRUE(settings.maximized);
  EXPECT_EQ(settings.StartRectangle(), (WindowRect{20, 30, 620, 430}));
  settings.RecordWindow(false, true, {-32000, -32000, -31840, -31970});
  EXPECT_FALSE(settings.maximized);
  EXPECT_EQ(settings.StartRectangle(), (WindowRect{20, 30, 620, 430}));
  // A stored rectangle without area is not used.
  settings.position = WindowRect{100, 100, 100, 300};
  EXPECT_EQ(settings.StartRectangle(), ViewerSettings::kDefaultPosition);
}

TEST(ViewerSettings, StoredPosition) {
  const WindowRect rect{-8, 258, 1000, 70000};
  const auto bytes = ViewerSettings::EncodePosition(rect);
  EXPECT_EQ(bytes[0], 0xF8);
  EXPECT_EQ(bytes[3], 0xFF);
  EXPECT_EQ(bytes[4], 0x02);
  EXPECT_EQ(bytes[5], 0x01);
  EXPECT_EQ(ViewerSettings::DecodePosition(bytes.data(), bytes.size()), rect);
  EXPECT_EQ(ViewerSettings::DecodePosition(bytes.data(), 12), std::nullopt);
  EXPECT_EQ(ViewerSettings::DecodePosition(nullptr, 16), std::nullopt);
}

}  // namespace
