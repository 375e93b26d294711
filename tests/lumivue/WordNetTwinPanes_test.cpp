// A multilingual view on WordNet 3.0 with the Dutch wordnet beside it: what a person comparing the
// two languages sees for "dog".
#include <gtest/gtest.h>

#include <string>

#include "RecordingPerson.h"
#include "importers/SharedWordNet.h"
#include "shell/ViewerDatabase.h"
#include "tree/LinkConnections.h"
#include "tree/TwinPanes.h"

namespace {

TEST(WordNetTwinPanesTest, FindEquivalencesOfDogShowsHondInDutch) {
  const std::string path = SharedWordNetDatabase();
  if (path.empty()) GTEST_SKIP() << "no WordNet";
  if (!SharedWordNetHasTabs()) GTEST_SKIP() << "no Dutch wordnet";
  RecordingPerson person;
  ViewerDatabase database(person);
  ASSERT_EQ(database.Open(path), 1);
  TwinPanes twins(database, person);
  twins.StartWithFirstLanguage();
  twins.Pane(TwinPanes::kLeft).SetLanguage("EN");
  twins.Pane(TwinPanes::kRight).SetLanguage("NL");
  ASSERT_NE(twins.Pane(TwinPanes::kLeft).LookUp("dog", nullptr, 0), nullptr);

  twins.FindEquivalences();
  EXPECT_TRUE(person.messages.empty());
  bool hond = false;
  int concepts = 0;
  const TreeListBox& right = twins.Pane(TwinPanes::kRight).Lines();
  for (const TreeItem* line = right.First(); line != nullptr; line = line->Next()) {
    if (line->Kind() != LineKind::kConcept) continue;
    ++concepts;
    for (int i = 1; i <= line->VariantCount(); ++i) {
      hond = hond || line->Variant(i)->Text().starts_with("hond ");
    }
  }
  EXPECT_TRUE(hond);
  EXPECT_GT(concepts, 0);
  // Every Dutch concept came through one of dog's records, so each has a connection.
  EXPECT_GE(LinkConnections::Between(twins.Pane(TwinPanes::kLeft).Lines(), right,
                                     LinkConnections::Focus::kNone)
                .size(),
            static_cast<std::size_t>(concepts));
}

}  // namespace
