#include "SharedDefinitions.h"

#include <cctype>

#include "Features.h"
#include "LexicalSchema.h"
#include "RelationTable.h"
#include "UsageLabels.h"
#include "VerbFrames.h"

namespace importers {
namespace {

using namespace schema;

void WriteCodedDefinition(RecordBuilder& builder, std::uint16_t rootTag, std::uint16_t container,
                          int id, const char* code) {
  node* root = builder.Start(rootTag);
  builder.SetNumber(root, id);
  builder.Text(root, CODE, code);
  builder.Text(root, NAME, code);
  builder.Add(kSharedStore, container, static_cast<std::uint32_t>(id));
}

void WriteFeature(RecordBuilder& builder, std::int32_t id, const char* name,
                  const std::vector<const char*>& values) {
  node* root = builder.Start(FEATURE);
  builder.SetNumber(root, id);
  builder.Text(root, NAME, name);
  for (const char* value : values) {
    builder.Text(builder.Group(root, VALUE), FEATURE_VALUE, value);
  }
  builder.Add(kSharedStore, kSharedFeatures, static_cast<std::uint32_t>(id));
}

std::vector<const char*> AdjectivePositionTexts() {
  return {AdjectivePositionText(AdjectivePosition::kAttributive),
          AdjectivePositionText(AdjectivePosition::kPredicative),
          AdjectivePositionText(AdjectivePosition::kPostnominal)};
}

std::vector<const char*> VerbFrameTexts() {
  std::vector<const char*> texts;
  for (int frame = 1; frame <= kVerbFrameCount; ++frame) texts.push_back(VerbFrameText(frame));
  return texts;
}

std::string Lowercase(const std::string& code) {
  std::string text(code);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

void WriteUsageLabel(RecordBuilder& builder, const std::vector<std::string>& values) {
  node* usage = builder.Start(USAGE_LABEL);
  builder.SetNumber(usage, UsageLabels::kUsageLabel);
  builder.Text(usage, NAME, "usage");
  for (std::size_t i = 0; i < values.size(); ++i) {
    node* value = builder.Group(usage, VALUE);
    builder.Number(value, USAGE_LABEL_VALUE, static_cast<std::int32_t>(i + 1));
    builder.Text(value, VALUE_NAME, values[i]);
  }
  builder.Add(kSharedStore, kSharedUsageLabels, UsageLabels::kUsageLabel);
}

// The languages each language is named in: English, then the database's others that have a
// two-letter code, as Language::GetName finds a name by the first two characters of its child.
std::vector<const Language*> NamingLanguages(const std::vector<Language>& languages) {
  std::vector<const Language*> naming = {&English()};
  for (const Language& language : languages) {
    if (language.code.size() == 2 && language.code != English().code) naming.push_back(&language);
  }
  return naming;
}

// Language record i (1-based) names languages[i - 1] with store 99 + i.
void WriteLanguageRecords(RecordBuilder& builder, const std::vector<Language>& languages) {
  const std::vector<const Language*> naming = NamingLanguages(languages);
  for (std::size_t i = 0; i < languages.size(); ++i) {
    const Language& language = languages[i];
    node* root = builder.Start(LANGUAGE);
    builder.Text(root, LANGUAGE_CODE, language.code);
    builder.Number(root, STORE_ID, static_cast<std::int32_t>(kFirstLanguageStore + i));
    node* name = builder.Text(root, NAME, language.name);
    for (const Language* in : naming) {
      const std::string inName = LanguageName(language, *in);
      if (!inName.empty()) builder.Text(name, NAME, Lowercase(in->code) + inName);
    }
    builder.Text(root, LOCALE, language.locale);
    builder.Add(kSharedStore, kLanguages, static_cast<std::uint32_t>(i + 1));
  }
}

}  // namespace

void WriteSharedDefinitions(RecordBuilder* builder, const std::vector<Language>& languages,
                            const std::vector<std::string>& usageValues) {
  WriteLanguageRecords(*builder, languages);
  for (int code = 1; code <= kPartOfSpeechCount; ++code) {
    node* root = builder->Start(PART_OF_SPEECH);
    builder->SetNumber(root, code);
    builder->Text(root, NAME, PartOfSpeechName(code));
    builder->Add(kSharedStore, kPartsOfSpeech, static_cast<std::uint32_t>(code));
  }
  for (int id = 1; id <= kEqRelationCount; ++id) {
    WriteCodedDefinition(*builder, EQ_RELATION, kEqRelations, id, EqRelationCode(id));
  }
  WriteUsageLabel(*builder, usageValues);
  WriteFeature(*builder, kVerbFrameFeature, "verb_frame", VerbFrameTexts());
  WriteFeature(*builder, kAdjectivePositionFeature, "adjective_position", AdjectivePositionTexts());
  for (int id = 1; id <= kRelationCount; ++id) {
    WriteCodedDefinition(*builder, RELATION, kDefaultContainer, id, RelationCode(id));
  }
}

}  // namespace importers
