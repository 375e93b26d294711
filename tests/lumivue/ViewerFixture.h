// A small lexical database file for the viewer's logic, built fresh for each test and opened by
// the test itself (the viewer opens databases read-only by path):
//   languages: 1 "EN" English (store 100), 2 "NL" Dutch (store 101);
//   relations, with gaps in their numbers: 1 near_synonym, 2 xpos_near_synonym, 8 has_hyperonym,
//     10 has_hyponym, 12 has_holonym;
//   ILI records: 1 "a member of the genus Canis", 2 (no gloss), 3 "a young dog";
//   English concepts: 1 dog (noun), 2 canine (noun), 3 dog (verb), 4 puppy (noun), with the
//     variants dog 1, domestic dog 1, Canis familiaris 1 (concept 1), canine 1 (2), dog 2 (3),
//     puppy 1 (4); links dog -8-> canine, canine -10-> dog; equivalence links: concept 1 to ILI 1
//     (synonym) and ILI 2 (has hyperonym), concept 4 to ILI 3 (near synonym) and ILI 1 (synonym);
//   Dutch concept 1 "hond" linked to ILI 1 (synonym).
#pragma once

#include <functional>
#include <string>

#include "store/StoreTestSupport.h"

class ViewerFixture : public StoreTest {
 protected:
  static constexpr std::uint32_t kEnglish = 100, kDutch = 101;
  static constexpr std::uint32_t kDog = 1, kCanine = 2, kDogVerb = 3, kPuppy = 4;

  void SetUp() override;

  // Writes more records into the database file (not open elsewhere at the time).
  void Write(const std::function<void(void* db)>& write);

  std::string path_;

 private:
  bool prepared_ = false;
};
