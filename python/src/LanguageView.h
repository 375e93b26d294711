// One language wordnet of an open database as Python sees it: code, name, and the look-ups that
// start from its words.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "LanguageWordNet.h"
#include "Owned.h"
#include "Session.h"

namespace pylex {

class ConceptView;

class LanguageView : public std::enable_shared_from_this<LanguageView> {
 public:
  LanguageView(std::shared_ptr<Session> session, Owned<LanguageWordNet> wordNet);

  // Every language wordnet of the database, in record order.
  static std::vector<std::shared_ptr<LanguageView>> All(const std::shared_ptr<Session>& session);
  // The language with that code (letter case ignored); BindingError (kind kNotFound) naming the
  // codes there are when there is none.
  static std::shared_ptr<LanguageView> ByCode(const std::shared_ptr<Session>& session,
                                              const std::string& code);

  const std::string& Code() const { return code_; }
  const std::string& Name() const { return name_; }
  std::uint32_t StoreId() const { return storeId_; }
  const std::shared_ptr<Session>& SharedSession() const { return session_; }
  // The library's object; BindingError (kind kClosed) once the database is closed.
  LanguageWordNet& WordNet();

  // A new collection of the concepts that have `word` as a word (letter case ignored, no
  // wildcards).
  Concepts* ConceptsOf(const std::string& word);
  // The meanings of `word` (letter case ignored). Unless `exact`, a word without meanings is
  // looked up by its base forms instead ("geese" finds goose), each form's meanings in turn.
  std::vector<std::shared_ptr<ConceptView>> Lookup(const std::string& word, bool exact);
  // The base forms of an inflected form as the dictionary spells them; part of speech 0 any,
  // 1 noun, 2 verb, 3 adjective, 4 adverb.
  std::vector<std::string> BaseFormsOf(const std::string& word, std::int16_t partOfSpeech);
  // A concept of this language taken over by the binding.
  std::shared_ptr<ConceptView> Wrap(Owned<Concept> meaning);

 private:
  std::shared_ptr<Session> session_;
  Owned<LanguageWordNet> wordNet_;
  std::string code_;
  std::string name_;
  std::uint32_t storeId_;
};

}  // namespace pylex
