// Examples: the list protocol over a variant's examples, positions, and changes to the copy.
#include "Examples.h"

#include <gtest/gtest.h>

#include <vector>

#include "ConceptVariant.h"
#include "LexiconFixture.h"

using namespace fixture;
using lexicon::Owned;

namespace {

using Texts = std::vector<std::string>;

VARIANT Index(VarType type, std::int32_t position) {
  VARIANT index;
  index.vt = type;
  index.lVal = position;  // a VT_I2 reader sees the low 16 bits
  return index;
}

class ExamplesTest : public LexiconFixture {
 protected:
  // Every text handed out by `first`, then by `step` until it returns 0.
  static Texts Walk(Examples& examples, int (Examples::*first)(BSTR*),
                    int (Examples::*step)(BSTR*)) {
    Texts texts;
    BSTR text = nullptr;
    for (int found = (examples.*first)(&text); found != 0; found = (examples.*step)(&text)) {
      texts.push_back(Take(text));
    }
    return texts;
  }
};

TEST_F(ExamplesTest, WalksBothWaysAndByPosition) {
  const Owned<Examples> examples(VariantOf(kDogVariant)->GetExamples());
  BSTR text = nullptr;
  EXPECT_EQ(examples->GetCurrent(&text), 0);  // on the EXAMPLES root
  EXPECT_EQ(examples->GetNext(&text), 0);
  EXPECT_EQ(text, nullptr);
  EXPECT_EQ(Walk(*examples, &Examples::GetFirst, &Examples::GetNext),
            (Texts{"the dog barked", "the dog ran", "walk the dog"}));
  EXPECT_EQ(Walk(*examples, &Examples::GetLast, &Examples::GetPrevious),
            (Texts{"walk the dog", "the dog ran", "the dog barked"}));

  EXPECT_EQ(Take(examples->GetItem(Index(VT_I2, 0))), "the dog barked");
  EXPECT_EQ(Take(examples->GetItem(Index(VT_I4, 0x10002))), "the dog ran");  // low 16 bits
  EXPECT_EQ(Take(examples->GetItem(Index(VT_I4, 4))), "<null>");
  EXPECT_EQ(Take(examples->GetItem(Index(VT_I4, -1))), "<null>");
  const std::string text2 = ThrownText([&] { examples->GetItem(Index(VT_EMPTY, 1)); });
  EXPECT_EQ(text2.rfind("PLX API: Undefined error [0] -- Concept (", 0), 0u) << text2;
}

TEST_F(ExamplesTest, ChangesStayInTheCopy) {
  const auto dog = VariantOf(kDogVariant);
  const Owned<Examples> examples(dog->GetExamples());
  examples->Remove(Index(VT_I2, 2));
  // A position that is not there, a negative one included, removes nothing.
  for (const std::int32_t position : {3, -1}) {
    const std::string text = ThrownText([&] { examples->Remove(Index(VT_I4, position)); });
    EXPECT_EQ(text.rfind("ARBOR: NOT_FOUND [0xC006] -- Concept (", 0), 0u) << text;
  }
  examples->Add(nullptr);
  examples->Add("");
  const std::string text = ThrownText([&] { examples->Add("\xff"); });
  EXPECT_EQ(text.rfind("ARBOR: CONV_ILLEGAL [0xC01D] -- Concept (", 0), 0u) << text;
  examples->Add("the dog slept");
  EXPECT_EQ(Walk(*examples, &Examples::GetFirst, &Examples::GetNext),
            (Texts{"the dog barked", "walk the dog", "the dog slept"}));
  EXPECT_EQ(Owned<Examples>(dog->GetExamples())->GetCount(), 3);

  const Owned<Examples> none(VariantOf(kCanineVariant)->GetExamples());
  EXPECT_EQ(none->GetCount(), 0);
  BSTR first = nullptr;
  EXPECT_EQ(none->GetFirst(&first), 0);
  none->Add("a canine howled");
  ASSERT_EQ(none->GetFirst(&first), 1);
  EXPECT_EQ(Take(first), "a canine howled");
}

}  // namespace
