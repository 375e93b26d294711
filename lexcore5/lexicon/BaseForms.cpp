#include "BaseForms.h"

#include <algorithm>

#include "ArbCursor.h"
#include "ArbRecord.h"
#include "LanguageWordNet.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "SysString.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/DetachmentRules.h"
#include "platform/TextConvert.h"

using lexicon::CriteriaBuilder;

namespace {

// A collocation of more words is looked up as it stands only; the words' candidates are combined
// at most this many times, so that a long phrase cannot turn into a flood of queries.
constexpr std::size_t kMaxCollocationWords = 8;
constexpr std::size_t kMaxCombinations = 256;

constexpr std::int16_t kPartsOfSpeech[] = {schema::kNoun, schema::kVerb, schema::kAdjective,
                                           schema::kAdverb};

// The words of `form` between blanks; a collocation's words are joined again with one blank.
std::vector<std::string> WordsOf(std::string_view form) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < form.size()) {
    const std::size_t start = form.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(form.find(' ', start), form.size());
    words.emplace_back(form.substr(start, end - start));
    at = end;
  }
  return words;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

std::string TakeText(BSTR text) {
  std::string narrow = text == nullptr ? "" : platform::Utf16ToUtf8(text);
  SysFreeString(text);
  return narrow;
}

void AddOnce(std::vector<std::string>* list, std::string text) {
  if (!text.empty() && std::find(list->begin(), list->end(), text) == list->end()) {
    list->push_back(std::move(text));
  }
}

void Validate(CriteriaBuilder& criteria) {
  if (!criteria.Validate()) throw PLXException(criteria.Failure(), nullptr, 0);
}

}  // namespace

BaseForms::BaseForms(LanguageWordNet& language)
    : database_(language.GetDatabase()),
      store_(language.GetStoreID()),
      code_(TakeText(language.FindGetBSTR(schema::LANGUAGE_CODE))) {}

BaseForms::~BaseForms() = default;

std::vector<std::string> BaseForms::Find(const char* form, std::int16_t partOfSpeech) {
  std::vector<std::string> found;
  if (form == nullptr || partOfSpeech < 0 || partOfSpeech > schema::kAdverb ||
      store_ < schema::kFirstLanguageStore || store_ > schema::kLastLanguageStore) {
    return found;
  }
  const std::vector<std::string> words = WordsOf(form);
  if (words.empty()) return found;
  const std::string text = Joined(words);
  const std::vector<Exception> exceptions = ExceptionsOf(text);
  const bool collocation = words.size() > 1 && words.size() <= kMaxCollocationWords;
  for (const std::int16_t each : kPartsOfSpeech) {
    if (partOfSpeech != 0 && partOfSpeech != each) continue;
    for (const Exception& exception : exceptions) {
      if (exception.partOfSpeech != each) continue;
      for (const std::string& base : exception.bases) AddOnce(&found, LiteralOf(base, each));
    }
    if (collocation) {
      FindCollocation(words, each, &found);
    } else {
      for (const std::string& candidate :
           lexicon::Detach(lexicon::DetachmentRulesOf(code_, each), text)) {
        AddOnce(&found, LiteralOf(candidate, each));
      }
    }
  }
  AddOnce(&found, LiteralOf(text, partOfSpeech));
  return found;
}

void BaseForms::FindCollocation(const std::vector<std::string>& words, std::int16_t partOfSpeech,
                                std::vector<std::string>* found) {
  // choices[i]: word i itself, then what it may be the inflection of.
  std::vector<std::vector<std::string>> choices;
  for (const std::string& word : words) {
    std::vector<std::string> choice{word};
    for (std::string& candidate : CandidatesOf(word, partOfSpeech)) {
      AddOnce(&choice, std::move(candidate));
    }
    choices.push_back(std::move(choice));
  }
  // An odometer over the choices; the first reading (every word itself) is the form itself,
  // which comes last of all.
  std::vector<std::size_t> picked(words.size(), 0);
  for (std::size_t combination = 0; combination < kMaxCombinations; ++combination) {
    std::size_t position = 0;
    while (position < picked.size() && ++picked[position] == choices[position].size()) {
      picked[position++] = 0;
    }
    if (position == picked.size()) return;
    std::vector<std::string> reading;
    for (std::size_t i = 0; i < words.size(); ++i) reading.push_back(choices[i][picked[i]]);
    AddOnce(found, LiteralOf(Joined(reading), partOfSpeech));
  }
}

std::vector<std::string> BaseForms::CandidatesOf(std::string_view word, std::int16_t partOfSpeech) {
  std::vector<std::string> candidates;
  for (Exception& exception : ExceptionsOf(word)) {
    if (exception.partOfSpeech != partOfSpeech) continue;
    for (std::string& base : exception.bases) AddOnce(&candidates, std::move(base));
  }
  for (std::string& candidate :
       lexicon::Detach(lexicon::DetachmentRulesOf(code_, partOfSpeech), word)) {
    AddOnce(&candidates, std::move(candidate));
  }
  return candidates;
}

std::vector<BaseForms::Exception> BaseForms::ExceptionsOf(std::string_view form) {
  ArbCursor cursor(database_, schema::kWordFormExceptions, store_);
  cursor.CaseSensitive(0);
  cursor.Wildcards(0);
  static const std::uint16_t kInflected[] = {schema::WORD_FORM_EXCEPTION, schema::INFLECTED_FORM,
                                             0};
  const std::string text(form);
  CriteriaBuilder criteria(cursor);
  criteria.Path(kInflected).Op(lexicon::kEqual).Value(text.c_str());
  Validate(criteria);
  std::vector<Exception> exceptions;
  ArbRecord record;
  while (cursor.ReadNext(record) != 0) {
    Exception exception{record.FindGetWSWORD(schema::PART_OF_SPEECH), {}};
    const std::uint16_t count = record.GetFieldCount(schema::BASE_FORM);
    for (std::uint16_t i = 1; i <= count; ++i) {
      exception.bases.push_back(
          TakeText(record.FindGetBSTR(schema::BASE_FORM, static_cast<std::int16_t>(i))));
    }
    exceptions.push_back(std::move(exception));
  }
  return exceptions;
}

std::string BaseForms::LiteralOf(std::string_view candidate, std::int16_t partOfSpeech) {
  ArbCursor cursor(database_, schema::kDefaultContainer, store_);
  cursor.SetMasterIndex(schema::kLiteralIndex, 1);
  cursor.CaseSensitive(0);
  cursor.Wildcards(0);
  static const std::uint16_t kLiteral[] = {schema::VARIANT, schema::LITERAL, 0};
  static const std::uint16_t kPartOfSpeech[] = {schema::VARIANT, schema::CONCEPT,
                                                schema::PART_OF_SPEECH, 0};
  const std::string text(candidate);
  CriteriaBuilder criteria(cursor);
  criteria.Path(kLiteral).Op(lexicon::kEqual).Value(text.c_str());
  if (partOfSpeech == schema::kNoun) {
    // Instances (proper nouns) are nouns too.
    criteria.Op(lexicon::kAnd)
        .Op(lexicon::kOpenParen)
        .Path(kPartOfSpeech)
        .Op(lexicon::kEqual)
        .Value(partOfSpeech)
        .Op(lexicon::kOr)
        .Path(kPartOfSpeech)
        .Op(lexicon::kEqual)
        .Value(static_cast<std::int16_t>(schema::kProperNoun))
        .Op(lexicon::kCloseParen);
  } else if (partOfSpeech != 0) {
    criteria.Op(lexicon::kAnd).Path(kPartOfSpeech).Op(lexicon::kEqual).Value(partOfSpeech);
  }
  Validate(criteria);
  ArbRecord record;
  if (cursor.ReadFirst(record) == 0) return {};
  return TakeText(record.FindGetBSTR(schema::LITERAL));
}
