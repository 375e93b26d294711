// The recent-file list of the File menu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/RecentFiles.h"

namespace {

using Paths = std::vector<std::string>;

TEST(RecentFilesTest, NewestFirstWithoutRepeatsAndAtMostSix) {
  RecentFiles recent;
  for (const char* path : {"a.wl", "b.wl", "c.wl", "a.wl", "", "d.wl", "e.wl", "f.wl", "g.wl"}) {
    recent.Add(path);
  }
  EXPECT_EQ(recent.Paths(), (Paths{"g.wl", "f.wl", "e.wl", "d.wl", "a.wl", "c.wl"}));
  EXPECT_EQ(recent.MenuText(0), "&1 g.wl");
  EXPECT_EQ(recent.MenuText(5), "&6 c.wl");
  EXPECT_EQ(recent.MenuText(6), "");
  recent.Remove("e.wl");
  recent.Remove("missing.wl");
  EXPECT_EQ(recent.Paths(), (Paths{"g.wl", "f.wl", "d.wl", "a.wl", "c.wl"}));
}

TEST(RecentFilesTest, LoadKeepsTheStoredOrderAndCleansIt) {
  RecentFiles recent;
  recent.Add("old.wl");
  recent.Load({"1.wl", "2.wl", "", "1.wl", "3.wl", "4.wl", "5.wl", "6.wl", "7.wl"});
  EXPECT_EQ(recent.Paths(), (Paths{"1.wl", "2.wl", "3.wl", "4.wl", "5.wl", "6.wl"}));
}

}  // namespace
