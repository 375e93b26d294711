// A small lexical database for the lexical classes, opened through Polylex: language store 100 with
// concepts, variants, internal and equivalence links, the shared definitions of store 96, and ILI
// records. Each test gets a fresh copy.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "ArbRecord.h"
#include "Collection.h"
#include "PLXException.h"
#include "Polylex.h"
#include "SysString.h"
#include "lexicon/Factory.h"
#include "store/StoreTestSupport.h"

class Concept;
class ConceptVariant;

namespace fixture {
constexpr std::uint32_t kStore = 100;
// Concepts: the dog has two hyperonyms (canine, domestic animal) and a hyponym (puppy); run has
// nothing; the odd concept is a word instance of part of speech 7.
constexpr std::uint32_t kDog = 1, kCanine = 2, kDomesticAnimal = 3, kPuppy = 4, kRun = 5,
                        kOddConcept = 6;
// Variants: the dog's three (in this order), the canine's, then broken ones: without concept
// pointer, pointing to a missing concept, with a pointer field that holds no record ID.
constexpr std::uint32_t kDogVariant = 1, kDomesticDogVariant = 2, kCanisVariant = 3,
                        kCanineVariant = 4, kNoConceptVariant = 7, kMissingConceptVariant = 8,
                        kEmptyPointerVariant = 9;

// One field of a record in pre-order: depth, tag and value (none, number, record pointer, text).
struct Field {
  char kind;
  std::uint8_t depth;
  std::uint16_t tag;
  std::int64_t number = 0;
  const char* text = nullptr;
};
inline constexpr auto F = [](std::uint8_t d, std::uint16_t tag) { return Field{'-', d, tag}; };
inline constexpr auto N = [](std::uint8_t d, std::uint16_t tag, std::int32_t n) {
  return Field{'#', d, tag, n};
};
inline constexpr auto P = [](std::uint8_t d, std::uint16_t tag, std::uint32_t id) {
  return Field{'@', d, tag, id};
};
inline constexpr auto T = [](std::uint8_t d, std::uint16_t tag, const char* t) {
  return Field{'"', d, tag, 0, t};
};
// The record the fields describe (the first one is the root).
ArbRecord Build(std::initializer_list<Field> fields);
// Stores that record as record `id` of (store, container); a refusal fails the test.
void Put(void* db, std::uint32_t store, std::uint16_t container, std::uint32_t id,
         std::initializer_list<Field> fields);
}  // namespace fixture

class LexiconFixture : public StoreTest {
 protected:
  void SetUp() override;
  void TearDown() override { polylex_.Close(); }

  void* Db() const { return polylex_.GetDatabase(); }
  template <typename T>
  lexicon::Owned<T> Read(std::uint32_t store, std::uint16_t container, std::uint32_t id) {
    lexicon::Owned<T> record(lexicon::Factory::New<T>());
    EXPECT_EQ(record->Retrieve(Db(), store, container, id), 1) << "record " << id;
    return record;
  }
  lexicon::Owned<Concept> ConceptOf(std::uint32_t id);
  lexicon::Owned<ConceptVariant> VariantOf(std::uint32_t id);

  // The text of a string the library handed out, which is freed; "<null>" for null.
  static std::string Take(BSTR text);

  Polylex polylex_;
};

using Ids = std::vector<std::uint32_t>;

// The record IDs a collection hands out with GetNext from the start; the collection and its items
// are destroyed.
template <typename Item>
Ids IdsOf(Collection<Item>* collection) {
  const lexicon::Owned<Collection<Item>> held(collection);
  Ids ids;
  for (Item* item = nullptr; held->GetNext(&item) != 0; item->Destroy()) {
    ids.push_back(item->GetID());
  }
  return ids;
}

// The message of the PLXException that `action` throws, or "no exception".
template <typename Action>
std::string ThrownText(Action action) {
  try {
    action();
  } catch (const PLXException& e) {
    return static_cast<const char*>(e);
  }
  return "no exception";
}
