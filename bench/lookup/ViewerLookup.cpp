#include "ViewerLookup.h"

#include "Concept.h"
#include "ConceptVariant.h"
#include "ConceptVariants.h"
#include "Concepts.h"
#include "ILIRecord.h"
#include "ILIRecords.h"
#include "LanguageWordNet.h"
#include "SysString.h"

using lexicon::Owned;

namespace bench {
namespace {

void ReadVariants(Concept& meaning, LookupCount& count) {
  const Owned<ConceptVariants> variants(meaning.GetConceptVariants());
  ConceptVariant* item = nullptr;
  while (variants->GetNext(&item) != 0) {
    const Owned<ConceptVariant> variant(item);
    SysFreeString(variant->GetLiteral());
    variant->GetSense();
    ++count.words;
  }
}

void ReadIliGlosses(Concept& meaning, LookupCount& count) {
  ILIRecords* found = nullptr;
  if (meaning.GetILIRecords(0, &found) == 0) return;
  const Owned<ILIRecords> records(found);
  ILIRecord* item = nullptr;
  while (records->GetNext(&item) != 0) {
    const Owned<ILIRecord> record(item);
    SysFreeString(record->GetGloss());
    ++count.glosses;
  }
}

}  // namespace

void ViewerLookup(LanguageWordNet& language, const std::string& word, LookupCount& count) {
  const Owned<Concepts> meanings(language.GetConcepts(word.c_str()));
  Concept* item = nullptr;
  while (meanings->GetNext(&item) != 0) {
    const Owned<Concept> meaning(item);
    ++count.meanings;
    ReadVariants(*meaning, count);
    ReadIliGlosses(*meaning, count);
    const Owned<Concepts> hyperonyms(meaning->GetHyperonyms());
    Concept* hyperonym = nullptr;
    while (hyperonyms->GetNext(&hyperonym) != 0) {
      ++count.hyperonyms;
      ReadVariants(*Owned<Concept>(hyperonym), count);
    }
  }
}

}  // namespace bench
