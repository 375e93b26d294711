// Dictionary order, range and pattern browse in each language's own collation, on the Open
// Multilingual Wordnet data: Arabic, Hebrew, Bulgarian and Chinese beside a Latin-script language
// whose collation differs from the root one (Swedish puts å, ä and ö after z).
#include <unicode/coll.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Dictionary.h"
#include "DictionaryEntry.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "OmwWordNet.h"
#include "Polylex.h"
#include "lexicon/Factory.h"
#include "platform/TextConvert.h"

using lexicon::Owned;
using Forms = std::vector<std::string>;

namespace {

std::string FormOf(DictionaryEntry* entry) {
  const Owned<DictionaryEntry> held(entry);
  const BSTR literal = held->GetLiteral();
  std::string form = platform::Utf16ToUtf8({literal, SysStringLen(literal)});
  SysFreeString(literal);
  return form;
}

Forms Walk(Dictionary& dictionary) {
  Forms forms;
  DictionaryEntry* entry = nullptr;
  for (int found = dictionary.GetFirst(&entry); found != 0; found = dictionary.GetNext(&entry)) {
    forms.push_back(FormOf(entry));
  }
  return forms;
}

// The test's own collator of the locale the language should sort by.
class Order {
 public:
  Order(const char* locale, icu::Collator::ECollationStrength strength) {
    UErrorCode status = U_ZERO_ERROR;
    collator_.reset(icu::Collator::createInstance(icu::Locale(locale), status));
    EXPECT_TRUE(U_SUCCESS(status)) << locale;
    collator_->setStrength(strength);
  }
  UCollationResult Compare(const std::string& a, const std::string& b) const {
    UErrorCode status = U_ZERO_ERROR;
    return collator_->compareUTF8(a, b, status);
  }

 private:
  std::unique_ptr<icu::Collator> collator_;
};

struct Browse {
  const char* code;
  const char* locale;
  // A range [lower, upper) that holds `word`; for Chinese and Swedish it is empty in the root
  // collation, which orders 中 before 人 and ö beside o.
  const char* lower;
  const char* upper;
  const char* word;
  const char* stem;  // a beginning of `word`, for the pattern "stem*"
};

const Browse kBrowses[] = {
    {"AR", "ar", "ق", "ل", "قِطّ", "قِطّ"},
    {"HE", "he", "ח", "ט", "חָתוּל", "חָתו"},
    {"BG", "bg", "к", "л", "котка", "кот"},
    {"ZH", "zh", "人", "中", "蛇", "蛇"},
    {"SV", "sv", "ö", nullptr, "överskott", "över"},
};

class OmwCollationTest : public testing::Test {
 protected:
  void SetUp() override {
    const OmwWordNet* omw = SharedOmwWordNet();
    if (omw == nullptr) GTEST_SKIP() << "no WordNet or no tab files in " << SHARED_DATA_DIR;
    database_.Open(omw->path.c_str(), nullptr, 1, 0);
    languages_.reset(database_.GetLanguageWordNets());
  }

  Owned<Dictionary> DictionaryOf(const char* code) {
    const Owned<LanguageWordNet> language(languages_->GetItem(code));
    return Owned<Dictionary>(language->GetDictionary());
  }

  Polylex database_;
  Owned<LanguageWordNets> languages_;
};

TEST_F(OmwCollationTest, EveryFormInTheLanguagesOrder) {
  for (const Browse& browse : kBrowses) {
    SCOPED_TRACE(browse.code);
    const Owned<Dictionary> dictionary = DictionaryOf(browse.code);
    const Forms forms = Walk(*dictionary);
    ASSERT_GT(forms.size(), 1000u);
    const Order order(browse.locale, icu::Collator::TERTIARY);
    const auto disorder = std::adjacent_find(forms.begin(), forms.end(), [&](auto& a, auto& b) {
      return order.Compare(a, b) == UCOL_GREATER;
    });
    EXPECT_EQ(disorder, forms.end()) << *disorder << " before " << *(disorder + 1);
  }
}

TEST_F(OmwCollationTest, RangesAndPatternsFollowTheLanguagesCollation) {
  for (const Browse& browse : kBrowses) {
    SCOPED_TRACE(browse.code);
    const Owned<Dictionary> dictionary = DictionaryOf(browse.code);
    dictionary->SetFilter(browse.lower, browse.upper, 0);
    const Forms range = Walk(*dictionary);
    EXPECT_NE(std::find(range.begin(), range.end(), browse.word), range.end());
    // Case-insensitive: bounds compare at secondary strength.
    const Order order(browse.locale, icu::Collator::SECONDARY);
    for (const std::string& form : range) {
      EXPECT_NE(order.Compare(form, browse.lower), UCOL_LESS) << form;
      if (browse.upper != nullptr) {
        EXPECT_EQ(order.Compare(form, browse.upper), UCOL_LESS) << form;
      }
    }

    const std::string stem = browse.stem;
    dictionary->SetFilter((stem + "*").c_str(), 1);
    const Forms matches = Walk(*dictionary);
    EXPECT_NE(std::find(matches.begin(), matches.end(), browse.word), matches.end());
    for (const std::string& form : matches) EXPECT_TRUE(form.starts_with(stem)) << form;
  }
}

}  // namespace
