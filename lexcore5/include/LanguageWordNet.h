// One language wordnet: a copy of its language record, bound to the language's store (100 to 199),
// and the entry point to that language's concepts, variants, dictionary, ILI variants and top
// concept variants, and to the export text of its concepts. The ILI language wordnet
// (Polylex::GetILILanguageWordNet) is one too, with store 99 and no exporter.
//
// Every collection handed out is a new object the caller releases with Destroy(); it does not
// depend on this object staying alive, only on the database staying open.
#pragma once

#include <cstdint>
#include <memory>

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

class Concept;
class ConceptExporter;
class Concepts;
class ConceptVariants;
class Dictionary;
class ILIVariants;
class Language;
class TopConceptVariants;
namespace lexicon {
class CriteriaBuilder;
class Factory;
}  // namespace lexicon

class LEXCORE_API LanguageWordNet : public ArbRecord {
 public:
  // Copies share the exporter of the original: it goes when the last of them goes.
  LanguageWordNet(const LanguageWordNet& other) = default;
  LanguageWordNet& operator=(const LanguageWordNet& other) = default;
  // Takes a language record: copies its fields; when the record's database is known and its
  // STORE_ID lies in 100 to 199, binds this object to (database, container 0, that store) and makes
  // a new exporter for that store. Otherwise source and exporter stay as they were.
  LanguageWordNet& operator=(const ArbRecord& record);

  void Destroy() { delete this; }

  // STORE_ID; 0 when absent.
  std::uint32_t GetStoreID();
  // A new Language holding a copy of the language record; null when memory runs out.
  Language* GetLanguage();

  // Out of memory throws PLXException (ePLXOutOfMemory); criteria the store refuses keep its code
  // as this record's last error and throw PLXException (kind ARBOR, that code); a cursor that
  // cannot start throws ArbError. Every concept of the language.
  Concepts* GetConcepts();
  // The concepts that have a variant whose literal equals `word` (letter case ignored).
  Concepts* GetConcepts(const char* word);
  // The concept variants whose literal is exactly `word` (letter case counts, no wildcards).
  ConceptVariants* GetConceptVariants(const char* word);
  // The word-form listing of the language, unfiltered.
  Dictionary* GetDictionary();
  // The concepts an EQ link of `eqRelation` (0: any) ties to ILI record `iliRecordID`, in link
  // order; null (nothing thrown) when there are none or the query cannot be made.
  Concepts* GetConcepts(std::uint32_t iliRecordID, std::int16_t eqRelation);
  // The ILI variants of ILI record `iliRecordID` held in this store.
  ILIVariants* GetILIVariants(std::uint32_t iliRecordID);
  // The words naming top concept `topConceptID` in this language.
  TopConceptVariants* GetTopConceptVariants(std::uint32_t topConceptID);

  // The export text of the concept as a new wide string in *text (freed with SysFreeString): 1.
  // 0 with *text null when this wordnet has no exporter (the ILI language wordnet) or the exporter
  // fails; what the exporter throws passes through.
  int ExportConcept(Concept* meaning, BSTR* text);

 protected:
  friend class lexicon::Factory;

  LanguageWordNet() = default;
  ~LanguageWordNet() override;

 private:
  // Keeps the store's code as the last error and throws it when the criteria do not validate.
  void Validate(lexicon::CriteriaBuilder& criteria);

  std::shared_ptr<ConceptExporter> exporter_;
};
