// The base forms of an inflected word form in one language: "geese" gives goose, "ran" run,
// "attorneys general" attorney general. Two sources, in WordNet's order: the language's word-form
// exceptions (irregular inflections, stored in its store; WordNet's exception lists for English),
// then its rules of detachment. A candidate counts only when the language's dictionary has it as
// a literal of that part of speech, so every base form handed out finds meanings.
//
// Which rules a language has follows from its code: EN uses WordNet's English rules; every other
// language has none, and so only the exceptions its store holds. A database built before stores
// held exceptions has none, and English there gets base forms from the rules alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "LexcoreExport.h"

class LanguageWordNet;

class LEXCORE_API BaseForms {
 public:
  // For the language of `language` (a language wordnet of store 100 to 199; for any other store
  // Find finds nothing). Only the database handle, the store and the code are kept: the database
  // must stay open while this object is used, `language` need not.
  explicit BaseForms(LanguageWordNet& language);
  BaseForms(const BaseForms&) = delete;
  BaseForms& operator=(const BaseForms&) = delete;
  ~BaseForms();

  // The base forms of `form` (UTF-8, letter case ignored) as literals of part of speech
  // `partOfSpeech` (1 noun, proper nouns included, 2 verb, 3 adjective, 4 adverb; 0 any, tried in
  // that order). For each part of speech: the exceptions' base forms in their stored order, then
  // the forms the rules give; last `form` itself when it is a literal of one of those parts of
  // speech. A collocation (words between blanks) is tried with every word in its own form or a
  // base form of it. Each base form comes once, spelled as the dictionary spells it. Empty when
  // nothing is found, for a null or blank form and for a part of speech outside 0 to 4.
  // A query the store refuses throws PLXException of kind ePLXArborError with its code; a cursor
  // that cannot start throws ArbError.
  std::vector<std::string> Find(const char* form, std::int16_t partOfSpeech = 0);

 private:
  struct Exception {
    std::int16_t partOfSpeech;
    std::vector<std::string> bases;
  };

  // The stored exceptions whose inflected form is `form` (letter case ignored), every part of
  // speech.
  std::vector<Exception> ExceptionsOf(std::string_view form);
  // The dictionary's spelling of `candidate` as a literal of `partOfSpeech` (0: any); empty when
  // the language has no such literal.
  std::string LiteralOf(std::string_view candidate, std::int16_t partOfSpeech);
  // What `word` may be the inflection of in `partOfSpeech`, unchecked against the dictionary: the
  // exceptions' base forms, then the forms the rules give, each once.
  std::vector<std::string> CandidatesOf(std::string_view word, std::int16_t partOfSpeech);
  // Appends the literals that the collocation's candidates of `partOfSpeech` give.
  void FindCollocation(const std::vector<std::string>& words, std::int16_t partOfSpeech,
                       std::vector<std::string>* found);

  void* database_ = nullptr;
  std::uint32_t store_ = 0;
  std::string code_;
};
