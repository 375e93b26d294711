// Collecting concepts for export and writing them into an export file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "ConceptPaneFixture.h"
#include "LanguageWordNet.h"
#include "files/ExportFileWriter.h"
#include "files/ExportList.h"
#include "shell/MessageTexts.h"
#include "shell/WideText.h"
#include "tree/ConceptItem.h"

namespace {

class ExportListTest : public ConceptPaneFixture {
 protected:
  std::string FilePath() const { return path_ + ".exp"; }
  std::string ReadFile() const {
    std::ifstream file(FilePath(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }
  // The library's own export text of an English concept.
  std::string ExportOf(std::int32_t id) {
    ConceptPane scratch(database_, person_);
    scratch.SetLanguage("EN");
    ConceptItem* line = scratch.AddConceptById(id, ConceptPane::Placement::kAtEnd);
    BSTR text = nullptr;
    EXPECT_EQ(database_.FindLanguage("EN")->WordNet().ExportConcept(line->GetConcept(), &text), 1);
    return WideText::Take(text);
  }
  ConceptItem* AddFrom(ConceptPane& source, std::int32_t id) {
    source.Select(source.AddConceptById(id, ConceptPane::Placement::kAtEnd));
    return list_.AddSelectedConcept(source);
  }
  std::string ListText(int row) {
    return list_.Pane().Lines().VisibleLine(row)->Variant(1)->Text();
  }

  ExportList list_{database_, person_};
  ExportFileWriter writer_{database_, person_};
};

TEST_F(ExportListTest, NewestConceptComesFirstAndAnotherLanguageEmptiesTheList) {
  ASSERT_NE(AddFrom(pane_, kDog), nullptr);
  ASSERT_NE(AddFrom(pane_, kPuppy), nullptr);
  EXPECT_EQ(list_.Pane().Language(), "EN");
  EXPECT_EQ(ListText(0), "puppy :1");
  EXPECT_EQ(ListText(3), "dog :1");

  // The list keeps its own copy when the source line goes.
  pane_.ClearTree();
  ASSERT_NE(list_.Pane().Lines().First(), nullptr);

  ConceptPane dutch(database_, person_);
  dutch.SetLanguage("NL");
  ASSERT_NE(AddFrom(dutch, 1), nullptr);
  EXPECT_EQ(list_.Pane().Language(), "NL");
  EXPECT_EQ(list_.Pane().Lines().VisibleCount(), 2u);
  EXPECT_EQ(ListText(0), "hond :1");
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(ExportListTest, OnlyASelectedConceptLineWithAConceptIsAdded) {
  EXPECT_EQ(list_.AddSelectedConcept(pane_), nullptr);
  pane_.LookUp("dog", nullptr, 0);
  ASSERT_EQ(pane_.Lines().Selected()->Kind(), LineKind::kWord);
  EXPECT_EQ(list_.AddSelectedConcept(pane_), nullptr);
  EXPECT_EQ(person_.messages, (std::vector<std::string>{message::kConceptNotSelected.text,
                                                        message::kConceptNotSelected.text}));
  EXPECT_EQ(list_.Pane().Lines().First(), nullptr);
  EXPECT_TRUE(list_.Pane().Language().empty());
}

TEST_F(ExportListTest, FileHoldsTheTopLevelConceptsNewestFirst) {
  AddFrom(pane_, kDog);
  AddFrom(pane_, kPuppy);
  // A concept below another one in the list is not exported.
  TreeItem& dog = *list_.Pane().Lines().VisibleLine(3);
  list_.Pane().ExpandLine(dog);
  list_.Pane().ExpandLine(*list_.Pane().Lines().Last());
  const TreeItem* canine = list_.Pane().Lines().Last()->Previous();
  ASSERT_EQ(canine->Kind(), LineKind::kConcept);
  ASSERT_EQ(canine->Level(), 2);

  ASSERT_EQ(writer_.Write(FilePath(), list_.Pane()), 1);
  const std::string expected = ExportOf(kPuppy) + ExportOf(kDog);
  ASSERT_FALSE(ExportOf(kPuppy).empty());
  EXPECT_EQ(ReadFile(), expected);
  EXPECT_EQ(person_.waitDepth, 0);
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(ExportListTest, SavingRefusesAListWithoutLanguageOrLinesAndReportsFileErrors) {
  EXPECT_EQ(writer_.Write(FilePath(), list_.Pane()), 0);
  list_.Pane().SetLanguage("EN");
  EXPECT_EQ(writer_.Write(FilePath(), list_.Pane()), 0);
  list_.Pane().SetLanguage("FR");
  EXPECT_EQ(writer_.Write(FilePath(), list_.Pane()), 0);
  EXPECT_EQ(person_.messages, (std::vector<std::string>{message::kNoLanguageSelected.text,
                                                        message::kExportListEmpty.text,
                                                        message::kNoLanguageSelected.text}));
  std::ifstream absent(FilePath());
  EXPECT_FALSE(absent.good());

  AddFrom(pane_, kDog);
  person_.messages.clear();
  EXPECT_EQ(writer_.Write(path_ + ".missing/x.exp", list_.Pane()), 0);
  EXPECT_EQ(person_.messages.size(), 1u);
  EXPECT_EQ(person_.waitDepth, 0);
}

}  // namespace
