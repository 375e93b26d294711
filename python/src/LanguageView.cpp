#include "LanguageView.h"

#include <strings.h>

#include <set>

#include "BaseForms.h"
#include "ConceptView.h"
#include "Concepts.h"
#include "Errors.h"
#include "Language.h"
#include "LanguageWordNets.h"
#include "Text.h"

namespace pylex {

LanguageView::LanguageView(std::shared_ptr<Session> session, Owned<LanguageWordNet> wordNet)
    : session_(std::move(session)), wordNet_(std::move(wordNet)), storeId_(wordNet_->GetStoreID()) {
  const Owned<Language> language(wordNet_->GetLanguage());
  if (language) {
    code_ = TakeText(language->GetCode());
    name_ = TakeText(language->GetName(nullptr));
  }
}

std::vector<std::shared_ptr<LanguageView>> LanguageView::All(
    const std::shared_ptr<Session>& session) {
  std::vector<std::shared_ptr<LanguageView>> languages;
  for (Owned<LanguageWordNet>& each :
       TakeAll<LanguageWordNet>(session->Database().GetLanguageWordNets())) {
    languages.push_back(std::make_shared<LanguageView>(session, std::move(each)));
  }
  return languages;
}

std::shared_ptr<LanguageView> LanguageView::ByCode(const std::shared_ptr<Session>& session,
                                                   const std::string& code) {
  // The list is short; walking it keeps a wrong code from ending in a bare store code.
  std::string known;
  for (std::shared_ptr<LanguageView>& each : All(session)) {
    if (strcasecmp(each->Code().c_str(), code.c_str()) == 0) return each;
    known += (known.empty() ? "" : ", ") + each->Code();
  }
  throw BindingError(ErrorKind::kNotFound, session->Path() + ": no language with code \"" + code +
                                               "\" (it has " + (known.empty() ? "none" : known) +
                                               ")");
}

LanguageWordNet& LanguageView::WordNet() {
  session_->Database();
  return *wordNet_;
}

Concepts* LanguageView::ConceptsOf(const std::string& word) {
  Owned<Concepts> concepts(WordNet().GetConcepts(word.c_str()));
  // The library's query takes "*" and "?" as wildcards; from Python a word is a word ("do*" is no
  // request for a thousand concepts). Patterns have the dictionary's listing.
  concepts->Wildcards(0);
  return concepts.release();
}

std::vector<std::shared_ptr<ConceptView>> LanguageView::Lookup(const std::string& word,
                                                               bool exact) {
  std::vector<std::shared_ptr<ConceptView>> meanings;
  for (Owned<Concept>& each : TakeAll<Concept>(ConceptsOf(word))) {
    meanings.push_back(Wrap(std::move(each)));
  }
  if (!meanings.empty() || exact) return meanings;
  // Two base forms can be words of one concept: it is listed once.
  std::set<std::int32_t> listed;
  for (const std::string& base : BaseFormsOf(word, 0)) {
    for (Owned<Concept>& each : TakeAll<Concept>(ConceptsOf(base))) {
      if (listed.insert(each->GetRecordID()).second) meanings.push_back(Wrap(std::move(each)));
    }
  }
  return meanings;
}

std::vector<std::string> LanguageView::BaseFormsOf(const std::string& word,
                                                   std::int16_t partOfSpeech) {
  return BaseForms(WordNet()).Find(word.c_str(), partOfSpeech);
}

std::shared_ptr<ConceptView> LanguageView::Wrap(Owned<Concept> meaning) {
  return std::make_shared<ConceptView>(shared_from_this(), std::move(meaning));
}

}  // namespace pylex
