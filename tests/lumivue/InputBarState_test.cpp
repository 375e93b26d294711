// The input bar's decisions: its language entries, the browse listing in both modes and which word
// a Lookup looks up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LexicalSchema.h"
#include "RecordingPerson.h"
#include "ViewerFixture.h"
#include "bars/InputBarState.h"
#include "lexicon/LexiconFixture.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"

using namespace fixture;
using namespace schema;

namespace {

using Strings = std::vector<std::string>;
using Mode = InputBarState::Mode;

class InputBarStateTest : public ViewerFixture {
 protected:
  void Open() { ASSERT_EQ(database_.Open(path_), 1); }
  // The text of the word line that an English Lookup of `text` makes; empty when it makes none.
  std::string LookUpText(const char* text, InputBarState::Browse& browse) {
    const TreeItem* word = bar_.LookUp(pane_, text, "EN", browse);
    return word != nullptr ? word->Text() : "";
  }

  RecordingPerson person_;
  ViewerDatabase database_{person_};
  ConceptPane pane_{database_, person_};
  InputBarState bar_{database_, person_};
};

TEST_F(InputBarStateTest, EveryLanguageOfTheDatabaseIsOffered) {
  // Languages whose codes the viewer has no flag for, of two and three letters (they read the
  // Dutch store).
  Write([](void* db) {
    Put(db, kSharedStore, kLanguages, 3,
        {F(0, LANGUAGE), T(1, LANGUAGE_CODE, "AR"), N(1, STORE_ID, 101), T(1, NAME, "Arabic")});
    Put(db, kSharedStore, kLanguages, 4,
        {F(0, LANGUAGE), T(1, LANGUAGE_CODE, "ZSM"), N(1, STORE_ID, 101),
         T(1, NAME, "Standard Malay")});
  });
  Open();
  const std::vector<InputBarState::LanguageItem> items = bar_.LanguageItems();
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].name, "English");
  EXPECT_EQ(items[0].code, "EN");
  EXPECT_EQ(items[0].code16, 'E' | 'N' << 8);
  EXPECT_EQ(items[1].code, "NL");
  EXPECT_EQ(items[2].name, "Arabic");
  EXPECT_EQ(items[2].code, "AR");
  EXPECT_EQ(items[3].name, "Standard Malay");
  EXPECT_EQ(items[3].code, "ZSM");
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(InputBarStateTest, BrowseListsFormsOnlyInBrowseMode) {
  Open();
  EXPECT_EQ(bar_.GetMode(), Mode::kBrowse);
  InputBarState::Browse browse = bar_.BrowseFor("do", "EN");
  EXPECT_TRUE(browse.show);
  EXPECT_TRUE(browse.filled);
  EXPECT_EQ(browse.forms, (Strings{"dog", "domestic dog", "puppy"}));
  // An unknown language shows the bar without touching its list.
  browse = bar_.BrowseFor("do", "FR");
  EXPECT_TRUE(browse.show);
  EXPECT_FALSE(browse.filled);

  EXPECT_FALSE(bar_.ToggleMode());
  EXPECT_EQ(bar_.GetMode(), Mode::kQuery);
  browse = bar_.BrowseFor("d?g", "EN");
  EXPECT_TRUE(browse.show);
  EXPECT_FALSE(browse.filled);
  EXPECT_FALSE(bar_.BrowseFor("dog", "EN").show);
  EXPECT_TRUE(bar_.ToggleMode());
}

TEST_F(InputBarStateTest, BrowseModeLooksUpTheFirstListedForm) {
  Open();
  InputBarState::Browse browse;
  const TreeItem* word = bar_.LookUp(pane_, "do", "EN", browse);
  ASSERT_NE(word, nullptr);
  EXPECT_EQ(word->Text(), "dog");
  EXPECT_EQ(browse.forms.front(), "dog");
  EXPECT_EQ(pane_.Language(), "EN");
  // Past the last form the list is empty and the typed text is looked up.
  EXPECT_EQ(bar_.LookUp(pane_, "zebra", "EN", browse), nullptr);
  EXPECT_TRUE(browse.forms.empty());
  EXPECT_EQ(person_.messages, (Strings{"Word not found !"}));
}

TEST_F(InputBarStateTest, BrowseModePutsBaseFormsBeforeTheNextListedForm) {
  // A dog variant as built databases write it, with the part of speech the rules look for.
  Write([](void* db) {
    Put(db, kEnglish, kDefaultContainer, 7,
        {F(0, VARIANT), P(1, CONCEPT, kDog), N(2, PART_OF_SPEECH, 1), T(1, LITERAL, "dog"),
         N(2, SENSE, 3)});
  });
  Open();
  InputBarState::Browse browse;
  EXPECT_EQ(LookUpText("dogs", browse), "dog");
  EXPECT_EQ(browse.forms.front(), "domestic dog");
  EXPECT_EQ(person_.status[PersonInterface::StatusPane::kMessage], "dogs: showing dog");
  // A form without base forms still takes the next listed form.
  pane_.ClearTree();
  EXPECT_EQ(LookUpText("domestic", browse), "domestic dog");
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(InputBarStateTest, QueryModeListsPatternsAndLooksUpTheText) {
  Open();
  bar_.SetMode(Mode::kQuery);
  InputBarState::Browse browse;
  EXPECT_EQ(bar_.LookUp(pane_, "d*", "EN", browse), nullptr);
  EXPECT_TRUE(browse.show);
  EXPECT_EQ(browse.forms, (Strings{"dog", "domestic dog"}));
  EXPECT_EQ(pane_.Lines().Count(), 0u);
  EXPECT_TRUE(person_.messages.empty());

  // The typed text itself, not the first form from it onward.
  EXPECT_EQ(bar_.LookUp(pane_, "do", "EN", browse), nullptr);
  EXPECT_EQ(person_.messages, (Strings{"Word not found !"}));
  const TreeItem* word = bar_.LookUp(pane_, "  hond ", "NL", browse);
  ASSERT_NE(word, nullptr);
  EXPECT_EQ(word->Text(), "hond");
  EXPECT_EQ(pane_.Language(), "NL");
}

}  // namespace
