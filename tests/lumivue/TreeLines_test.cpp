// Tree lines built from the database: a concept line's variant lines and the ILI lines attached
// below it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Concepts.h"
#include "RecordingPerson.h"
#include "ViewerFixture.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptItem.h"
#include "tree/IliItem.h"

namespace {

using lexicon::Owned;

class TreeLinesTest : public ViewerFixture {
 protected:
  void SetUp() override {
    ViewerFixture::SetUp();
    ASSERT_EQ(database_.Open(path_), 1);
  }
  Owned<Concept> English(std::uint32_t id) {
    const Owned<Concepts> concepts(database_.FindLanguage("EN")->WordNet().GetConcepts());
    Concept* found = nullptr;
    EXPECT_EQ(concepts->GetItem(id, &found), 1) << id;
    return Owned<Concept>(found);
  }
  static std::vector<std::string> VariantTexts(const TreeItem& line) {
    std::vector<std::string> texts;
    for (int i = 1; i <= line.VariantCount(); ++i) texts.push_back(line.Variant(i)->Text());
    return texts;
  }

  RecordingPerson person_;
  ViewerDatabase database_{person_};
};

TEST_F(TreeLinesTest, ConceptLineShowsItsVariants) {
  ConceptItem line(English(kDog));
  EXPECT_EQ(line.VariantCount(), 0);
  EXPECT_EQ(line.CurrentVariant(), 1);
  EXPECT_EQ(line.Variant(1), nullptr);

  line.LoadVariants();
  EXPECT_EQ(VariantTexts(line),
            (std::vector<std::string>{"dog :1", "domestic dog :1", "Canis familiaris :1"}));
  EXPECT_EQ(line.Text(), "");
  EXPECT_EQ(line.Variant(0), nullptr);
  EXPECT_EQ(line.Variant(4), nullptr);
  EXPECT_EQ(line.Variant(2)->Variant().GetSense(), 1);

  EXPECT_TRUE(line.SetCurrentVariant(3));
  EXPECT_FALSE(line.SetCurrentVariant(4));
  EXPECT_FALSE(line.SetCurrentVariant(-1));
  EXPECT_EQ(line.CurrentVariant(), 3);
  // Reading again replaces the variant lines; a current variant that is gone falls back to 1.
  line.LoadVariants();
  EXPECT_EQ(line.VariantCount(), 3);
  EXPECT_EQ(line.CurrentVariant(), 3);
  line.ReplaceConcept(English(kCanine));
  line.LoadVariants();
  EXPECT_EQ(VariantTexts(line), (std::vector<std::string>{"canine :1"}));
  EXPECT_EQ(line.CurrentVariant(), 1);
  EXPECT_EQ(line.GetConcept()->GetRecordID(), static_cast<std::int32_t>(kCanine));
}

TEST_F(TreeLinesTest, IliLinesInRelationOrder) {
  // The dog: ILI 1 as synonym, ILI 2 (without gloss) as hyperonym.
  const Owned<Concept> dog = English(kDog);
  std::vector<std::unique_ptr<IliItem>> lines = IliItem::LinesOf(*dog);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]->Text(), "a member of the genus Canis");
  EXPECT_EQ(lines[0]->EqRelation(), 1);
  EXPECT_EQ(lines[0]->Image(), 5);
  EXPECT_EQ(lines[0]->LinkIds(), (std::vector<std::int32_t>{1}));
  EXPECT_EQ(lines[1]->Text(), "<No Gloss>");
  EXPECT_EQ(lines[1]->Image(), 7);
  EXPECT_EQ(lines[1]->RecordId(), 2);
  EXPECT_EQ(lines[1]->Flags(), line_flag::kAttached | line_flag::kVisible);

  // The puppy's links run near synonym (ILI 3), then synonym (ILI 1): lines follow the relations.
  lines = IliItem::LinesOf(*English(kPuppy));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]->RecordId(), 1);
  EXPECT_EQ(lines[1]->RecordId(), 3);
  EXPECT_EQ(lines[1]->Text(), "a young dog");

  lines = IliItem::LinesOf(*English(kCanine));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->Text(), "<No ILI links>");
  EXPECT_EQ(lines[0]->Record(), nullptr);
  EXPECT_EQ(lines[0]->Image(), 4);
  EXPECT_TRUE(lines[0]->LinkIds().empty());
}

}  // namespace
