// A collection of concepts (the collection protocol of Collection.h): the concepts of a language
// store's concept container, or the targets of a concept's links (Concept::GetLinkedConcepts),
// and the operations that store new concepts.
#pragma once

#include <cstdint>

#include "Collection.h"
#include "Concept.h"
#include "LexcoreExport.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API Concepts : public Collection<Concept> {
 public:
  Concepts(const Concepts& other) = default;
  Concepts& operator=(const Concepts& other) = default;

  // The record with that ID in the collection's store and container, whatever the criteria: 1 with
  // a new concept in *item; 0 (nothing handed out) when there is no such record.
  int GetItem(std::uint32_t recordID, Concept** item);
  // Replaces the criteria by LITERAL == literal and hands out the first match as GetFirst does.
  // Criteria the store refuses throw PLXException (kind ARBOR).
  int GetItem(const char* literal, Concept** item);

  // Each stores a new concept record in the collection's store and container, under an ID the
  // store chooses, and returns a new Concept holding it (with that ID); null on failure.
  // A word meaning of the part of speech that `partOfSpeech` spells ("n", "v", "a", "b" or "r",
  // "pn" or "p", any letter case).
  Concept* AddMeaning(const char* partOfSpeech);
  // A word instance (CONCEPT_TYPE 2) of part of speech 5, proper noun.
  Concept* AddInstance();
  // A concept of the same type and part of speech as `model`.
  Concept* AddCoordinate(Concept& model);

 protected:
  friend class lexicon::Factory;

  Concepts() = default;
  Concepts(void* database, std::uint16_t container, std::uint32_t store);
  ~Concepts() override;

 private:
  Concept* Store(std::uint16_t type, std::uint16_t partOfSpeech);
};
