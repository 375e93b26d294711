#include "LanguageWordNet.h"

#include "ArbCodes.h"
#include "Concept.h"
#include "ConceptExporter.h"
#include "ConceptVariants.h"
#include "Concepts.h"
#include "Dictionary.h"
#include "ILIVariants.h"
#include "Language.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "String.h"
#include "TopConceptVariants.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/Factory.h"
#include "lexicon/TopConceptVariantQuery.h"

using lexicon::CriteriaBuilder;
using lexicon::Factory;
using lexicon::Owned;

LanguageWordNet::~LanguageWordNet() = default;

LanguageWordNet& LanguageWordNet::operator=(const ArbRecord& record) {
  ArbRecord::operator=(record);
  const std::uint32_t store = GetStoreID();
  void* const database = GetDatabase();
  if (database != nullptr && store >= schema::kFirstLanguageStore &&
      store <= schema::kLastLanguageStore) {
    SetSource(database, 0, store, 0);
    // Copies made before keep the exporter of the store they were made for.
    exporter_ = std::make_shared<ConceptExporter>(database, store);
  }
  return *this;
}

std::uint32_t LanguageWordNet::GetStoreID() {
  return FindGetWUDWORD(schema::STORE_ID);
}

Language* LanguageWordNet::GetLanguage() {
  Language* language = Factory::New<Language>();
  if (language != nullptr) *language = *this;
  return language;
}

namespace {

template <typename Cursor>
Owned<Cursor> Start(void* database, std::uint16_t container, std::uint32_t store) {
  Owned<Cursor> cursor(Factory::New<Cursor>(database, container, store));
  if (!cursor) throw PLXException(ePLXOutOfMemory);
  return cursor;
}

}  // namespace

void LanguageWordNet::Validate(CriteriaBuilder& criteria) {
  if (criteria.Validate()) return;
  SetLastError(criteria.Failure());
  throw PLXException(criteria.Failure(), nullptr, 0);
}

Concepts* LanguageWordNet::GetConcepts() {
  return Start<Concepts>(GetDatabase(), schema::kConcepts, GetStoreID()).release();
}

Concepts* LanguageWordNet::GetConcepts(const char* word) {
  // No source of its own: the cursor yields the concepts the matching variants join to.
  Owned<Concepts> concepts =
      Start<Concepts>(nullptr, schema::kDefaultContainer, schema::kSiteStore);
  const std::uint16_t variants = concepts->OpenContextSet();
  const std::uint16_t targets = concepts->OpenContextSet();
  const std::uint32_t store = GetStoreID();
  concepts->AddContextToSet(variants, GetDatabase(), store, schema::kDefaultContainer);
  concepts->AddContextToSet(targets, GetDatabase(), store, schema::kConcepts);
  concepts->SetIndex(schema::kVariantJoinIndex, schema::kVariantJoinIndex);
  static const std::uint16_t kConceptPointer[] = {schema::VARIANT, schema::CONCEPT, 0};
  static const std::uint16_t kLiteral[] = {schema::VARIANT, schema::LITERAL, 0};
  CriteriaBuilder criteria(*concepts);
  criteria.Path(kConceptPointer, variants)
      .Op(lexicon::kEqual)
      .Field(schema::RECORD_ID, targets)
      .Op(lexicon::kAnd)
      .Path(kLiteral, variants)
      .Op(lexicon::kEqual)
      .Value(word);
  Validate(criteria);
  return concepts.release();
}

ConceptVariants* LanguageWordNet::GetConceptVariants(const char* word) {
  Owned<ConceptVariants> variants =
      Start<ConceptVariants>(GetDatabase(), schema::kDefaultContainer, GetStoreID());
  variants->SetMasterIndex(schema::kLiteralIndex, 1);
  variants->CaseSensitive(1);
  variants->Wildcards(0);
  static const std::uint16_t kLiteral[] = {schema::VARIANT, schema::LITERAL, 0};
  CriteriaBuilder criteria(*variants);
  criteria.Path(kLiteral).Op(lexicon::kEqual).Value(word);
  Validate(criteria);
  return variants.release();
}

Dictionary* LanguageWordNet::GetDictionary() {
  Owned<Dictionary> dictionary =
      Start<Dictionary>(GetDatabase(), schema::kDefaultContainer, GetStoreID());
  dictionary->SetMasterIndex(schema::kLiteralIndex, 2);
  return dictionary.release();
}

Concepts* LanguageWordNet::GetConcepts(std::uint32_t iliRecordID, std::int16_t eqRelation) {
  const std::uint32_t store = GetStoreID();
  ArbCursor links(GetDatabase(), schema::kEqLinks, store);
  links.SetIndex(0, schema::kEqLinkIliIndex);
  CriteriaBuilder linkCriteria(links);
  linkCriteria.Equals(schema::TARGET_ILI, iliRecordID);
  if (eqRelation != 0) linkCriteria.Op(lexicon::kAnd).Equals(schema::EQ_RELATION, eqRelation);
  if (!linkCriteria.Validate() || links.GetRecCount() == 0) return nullptr;

  Owned<Concepts> concepts = Start<Concepts>(GetDatabase(), schema::kConcepts, store);
  CriteriaBuilder criteria(*concepts);
  ArbRecord link;
  bool first = true;
  while (links.ReadNext(link) != 0) {
    if (!first) criteria.Op(lexicon::kOr);
    criteria.Equals(schema::RECORD_ID, link.FindGetRecPtr(schema::CONCEPT));
    first = false;
    if (!criteria.Validate()) return nullptr;
  }
  // Links that vanished between the count and the walk leave nothing to select.
  return first ? nullptr : concepts.release();
}

ILIVariants* LanguageWordNet::GetILIVariants(std::uint32_t iliRecordID) {
  Owned<ILIVariants> variants =
      Start<ILIVariants>(GetDatabase(), schema::kDefaultContainer, GetStoreID());
  variants->SetMasterIndex(schema::kIliVariantIndex, 1);
  static const std::uint16_t kTarget[] = {schema::ILI_VARIANT, schema::TARGET_ILI, 0};
  CriteriaBuilder criteria(*variants);
  criteria.Path(kTarget).Op(lexicon::kEqual).Value(iliRecordID);
  Validate(criteria);
  return variants.release();
}

TopConceptVariants* LanguageWordNet::GetTopConceptVariants(std::uint32_t topConceptID) {
  Owned<TopConceptVariants> variants =
      Start<TopConceptVariants>(GetDatabase(), schema::kDefaultContainer, GetStoreID());
  CriteriaBuilder criteria = lexicon::SelectTopConceptVariants(*variants, topConceptID);
  Validate(criteria);
  return variants.release();
}

int LanguageWordNet::ExportConcept(Concept* meaning, BSTR* text) {
  if (text == nullptr) return 0;
  *text = nullptr;
  if (!exporter_ || meaning == nullptr) return 0;
  String exported;
  if (exporter_->Write(*meaning, exported) == 0) return 0;
  *text = exported.Detach();
  return *text != nullptr ? 1 : 0;
}
