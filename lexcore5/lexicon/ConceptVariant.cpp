#include "ConceptVariant.h"

#include <functional>
#include <string>

#include "ArbCodes.h"
#include "ArbCursor.h"
#include "Concept.h"
#include "Examples.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/CurrentFieldGuard.h"
#include "lexicon/Factory.h"
#include "lexicon/PartOfSpeechName.h"
#include "lexicon/RecordPointer.h"
#include "lexicon/SourceUnit.h"
#include "lexicon/UsageLabel.h"
#include "lexicon/VariantFeature.h"

using lexicon::Factory;
using lexicon::kConceptSource;
using lexicon::Owned;

namespace {

// Where the definitions of one kind live: IDs of 1 or more are shared by all languages (store 96),
// the others belong to one language store.
struct DefinitionPlace {
  std::uint16_t idTag;
  std::uint16_t sharedContainer;
  std::uint16_t sharedIndex;
  std::uint16_t localContainer;
  std::uint16_t localIndex;
};

constexpr DefinitionPlace kUsageLabels = {schema::USAGE_LABEL, schema::kSharedUsageLabels,
                                          schema::kSharedUsageLabelIndex, schema::kLocalUsageLabels,
                                          schema::kLocalUsageLabelIndex};
constexpr DefinitionPlace kFeatures = {schema::FEATURE, schema::kSharedFeatures,
                                       schema::kSharedFeatureIndex, schema::kLocalFeatures,
                                       schema::kLocalFeatureIndex};

template <typename Definition>
Definition* LookUpDefinition(const ArbRecord& variant, const DefinitionPlace& place,
                             std::int32_t id) {
  void* database = variant.GetDatabase();
  const std::uint32_t languageStore = variant.GetStore();
  if (database == nullptr || languageStore == 0) return nullptr;
  const bool shared = id >= 1;
  ArbCursor cursor(database, shared ? place.sharedContainer : place.localContainer,
                   shared ? schema::kSharedStore : languageStore);
  cursor.SetMasterIndex(shared ? place.sharedIndex : place.localIndex, 1);
  lexicon::CriteriaBuilder criteria(cursor);
  if (!criteria.Equals(place.idTag, id).Validate()) return nullptr;
  Owned<Definition> definition(Factory::New<Definition>());
  if (!definition || cursor.ReadFirst(*definition) == 0) return nullptr;
  return definition.release();
}

// The text of a string the caller owned, which is freed.
std::u16string Take(BSTR text) {
  std::u16string taken = text != nullptr ? std::u16string(text, SysStringLen(text)) : u"";
  SysFreeString(text);
  return taken;
}

// One line per child of the record's `groupTag` field, each ended by CR LF, as a new string; null
// when the group is missing or has no child. `lineOf` reads the child that is current (and may
// move the current field below it).
BSTR JoinChildLines(ArbRecord& record, std::uint16_t groupTag,
                    const std::function<std::u16string(ArbRecord&)>& lineOf) {
  const lexicon::CurrentFieldGuard guard(record);
  if (record.FindField(groupTag) == 0 || record.GotoChild() == 0) return nullptr;
  std::u16string text;
  do {
    node* child = record.GetCurrentField();
    text += lineOf(record);
    text += u"\r\n";
    record.SetCurrentField(child);
  } while (record.GotoNext() != 0);
  return SysAllocStringLen(text.data(), static_cast<std::uint32_t>(text.size()));
}

}  // namespace

ConceptVariant::~ConceptVariant() = default;

BSTR ConceptVariant::GetLiteral() {
  return FindGetBSTR(schema::LITERAL);
}

std::int16_t ConceptVariant::GetSense() {
  return FindGetWSWORD(schema::SENSE);
}

BSTR ConceptVariant::GetDefinition() {
  return FindGetBSTR(schema::DEFINITION);
}

BSTR ConceptVariant::GetStatus() {
  return FindGetBSTR(schema::STATUS);
}

std::uint16_t ConceptVariant::GetPartOfSpeechCode() {
  return FindGetWUWORD(schema::PART_OF_SPEECH);
}

BSTR ConceptVariant::GetPartOfSpeech() {
  return lexicon::NewPartOfSpeechName(GetPartOfSpeechCode());
}

std::int32_t ConceptVariant::GetBaseConceptID() {
  const std::uint32_t id = FindGetRecPtr(schema::CONCEPT);
  if (!lexicon::IsRecordPointer(id)) {
    throw PLXException(arbcode::BAD_DRN, kConceptSource, __LINE__);
  }
  return static_cast<std::int32_t>(id);
}

Concept* ConceptVariant::GetBaseConcept() {
  const auto id = static_cast<std::uint32_t>(GetBaseConceptID());
  Owned<Concept> base(Factory::New<Concept>());
  if (!base) throw PLXException(ePLXOutOfMemory, kConceptSource, __LINE__);
  if (base->Retrieve(GetDatabase(), GetStore(), schema::kConcepts, id) == 0) {
    throw PLXException(static_cast<std::uint32_t>(base->GetLastError()), kConceptSource, __LINE__);
  }
  return base.release();
}

Examples* ConceptVariant::GetExamples() {
  const lexicon::CurrentFieldGuard guard(*this);
  if (FindField(schema::EXAMPLES) != 0) return Factory::New<Examples>(GetCurrentField());
  return Factory::New<Examples>();
}

UsageLabel* ConceptVariant::GetUsageLabel(std::int32_t id) {
  return LookUpDefinition<UsageLabel>(*this, kUsageLabels, id);
}

VariantFeature* ConceptVariant::GetVariantFeature(std::int32_t id) {
  return LookUpDefinition<VariantFeature>(*this, kFeatures, id);
}

BSTR ConceptVariant::GetUsageLabels() {
  return JoinChildLines(*this, schema::USAGE_LABELS, [this](ArbRecord& label) -> std::u16string {
    if (label.GetTag() != schema::USAGE_LABEL) return u"Error! Invalid usage label tag";
    std::int32_t id = 0;
    if (label.Get(&id) == 0) return u"Error! Invalid label ID";
    const Owned<UsageLabel> definition(GetUsageLabel(id));
    if (!definition) return u"Error! Unknown label";
    const std::u16string line = Take(definition->GetName()) + u" = ";
    if (label.GotoChild() == 0) return line + u"<missing value>";
    std::uint16_t value = 0;
    if (label.Get(&value) == 0) return line + u"<unexpected value>";
    if (value == 0) return line + u"<zero value>";
    const BSTR name = definition->GetValueName(value);
    if (name == nullptr) return line + u"<unexpected value>";
    return line + u"\"" + Take(name) + u"\"";
  });
}

BSTR ConceptVariant::GetFeatures() {
  return JoinChildLines(*this, schema::FEATURES, [this](ArbRecord& feature) -> std::u16string {
    if (feature.GetTag() != schema::FEATURE) return u"Error! Invalid feature tag";
    std::int32_t id = 0;
    if (feature.Get(&id) == 0) return u"Error! Invalid feature ID";
    const Owned<VariantFeature> definition(GetVariantFeature(id));
    if (!definition) return u"Error! Unknown feature";
    const std::u16string line = Take(definition->GetName());
    if (definition->TakesValue() == 0) return line;
    const BSTR value = feature.FindGetBSTR(schema::FEATURE_VALUE, 1, eFromCurrent, eInTree);
    if (value == nullptr) return line + u" = <missing feature value>";
    return line + u" = \"" + Take(value) + u"\"";
  });
}
