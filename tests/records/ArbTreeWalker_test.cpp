#include <gtest/gtest.h>

#include <string>

#include "ArbRecord.h"
#include "ArbRecordTestSupport.h"
#include "ArbTreeWalker.h"

TEST(ArbTreeWalker, WalksOneSubtreeInPreOrder) {
  ArbRecord record;
  BuildSample(record);  // 1 ( 2 ( 3 4 ) 5 ( 6 ) 2 ( 3 ) )
  auto walk = [](node* start) {
    std::string tags;
    ArbTreeWalker walker(start);
    if (walker.Current() == nullptr) return tags;
    do {
      tags += std::to_string(walker.Current()->tag);
    } while (walker.GoNext() == 1);
    return tags;
  };
  EXPECT_EQ(walk(record), "12345623");
  node* two = static_cast<node*>(record)->next;
  EXPECT_EQ(walk(two), "234");
  EXPECT_EQ(walk(two->next), "3");
  EXPECT_EQ(walk(nullptr), "");

  ArbTreeWalker walker(two->next);
  EXPECT_EQ(walker.GoNext(), 0);
  EXPECT_EQ(walker.Current(), two->next);
  walker.Reset(nullptr);
  EXPECT_EQ(walker.GoNext(), 0);
}
