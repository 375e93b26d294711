#include "bars/InfoPages.h"

#include <cstdint>
#include <utility>

#include "Concept.h"
#include "ILIRecord.h"
#include "ILIRecords.h"
#include "ILIVariant.h"
#include "ILIVariants.h"
#include "lexicon/Factory.h"
#include "shell/LanguageEntry.h"
#include "shell/ViewerDatabase.h"
#include "shell/WideText.h"
#include "tree/ConceptItem.h"
#include "tree/ConceptPane.h"
#include "tree/EqRelationNames.h"
#include "tree/IliItem.h"

using lexicon::Owned;

namespace {

using Colour = InfoPages::Colour;

// The gloss page lists records of equivalence relations 1 to 10; the synset page those that have
// ILI lines (1 to 9).
constexpr std::int16_t kLastGlossRelation = 10;

struct LinkedRecord {
  std::int16_t eqRelation;
  Owned<ILIRecord> record;
};

std::vector<LinkedRecord> RecordsOf(Concept& meaning, std::int16_t lastRelation) {
  std::vector<LinkedRecord> linked;
  for (std::int16_t eq = 1; eq <= lastRelation; ++eq) {
    ILIRecords* found = nullptr;
    if (meaning.GetILIRecords(eq, &found) == 0 || found == nullptr) continue;
    const Owned<ILIRecords> records(found);
    ILIRecord* record = nullptr;
    while (records->GetNext(&record) != 0) linked.push_back({eq, Owned<ILIRecord>(record)});
  }
  return linked;
}

// "Synonym:" in the relation colour, then the gloss or "<No Gloss>".
void AppendRecord(InfoPages::RichText& text, std::int16_t eqRelation, std::string gloss) {
  text.push_back({std::string(EqRelationNames::Of(eqRelation)) + ": ", Colour::kRelation});
  if (gloss.empty()) {
    text.push_back({IliItem::kNoGlossText, Colour::kMissing});
  } else {
    text.push_back({std::move(gloss), Colour::kText});
  }
}

// The words of ILI record `recordId` as "literal :sense".
void AppendIliWords(std::vector<std::string>& words, const ViewerDatabase& database,
                    std::uint32_t recordId) {
  const LanguageEntry* ili = database.IliLanguage();
  if (ili == nullptr) return;
  const Owned<ILIVariants> variants(ili->WordNet().GetILIVariants(recordId));
  if (!variants) return;
  ILIVariant* found = nullptr;
  while (variants->GetNext(&found) != 0) {
    const Owned<ILIVariant> variant(found);
    words.push_back(WideText::Take(variant->GetLiteral()) + " :" +
                    std::to_string(variant->GetSense()));
  }
}

void FillConceptPage(InfoPages::Content& content, const ConceptItem& line, int tab,
                     const ConceptPane& pane, const ViewerDatabase& database) {
  Concept& meaning = *line.GetConcept();
  const VariantLine* current = line.Variant(line.CurrentVariant());
  if (tab == InfoPages::kGloss) {
    const LanguageEntry* entry = database.FindLanguage(pane.Language());
    if (entry != nullptr) content.languageName = entry->Name();
    std::string definition =
        current != nullptr ? WideText::Take(current->Variant().GetDefinition()) : std::string();
    if (definition.empty()) {
      content.definition.push_back({InfoPages::kNoDefinition, Colour::kMissing});
    } else {
      content.definition.push_back({std::move(definition), Colour::kText});
    }
    for (LinkedRecord& linked : RecordsOf(meaning, kLastGlossRelation)) {
      if (!content.ili.empty()) content.ili.push_back({"\n", Colour::kText});
      AppendRecord(content.ili, linked.eqRelation, WideText::Take(linked.record->GetGloss()));
    }
    if (content.ili.empty()) content.ili.push_back({IliItem::kNoLinksText, Colour::kMissing});
  } else if (tab == InfoPages::kSynset) {
    for (int i = 1; i <= line.VariantCount(); ++i)
      content.variants.push_back(line.Variant(i)->Text());
    const std::vector<LinkedRecord> linked = RecordsOf(meaning, IliItem::kLastEqRelation);
    for (const LinkedRecord& record : linked) {
      AppendIliWords(content.iliVariants, database,
                     static_cast<std::uint32_t>(record.record->GetRecordID()));
    }
    if (linked.empty()) content.iliVariants.push_back(IliItem::kNoLinksText);
  } else if (current != nullptr) {
    content.features = WideText::Take(current->Variant().GetFeatures());
    content.usageLabels = WideText::Take(current->Variant().GetUsageLabels());
  }
}

void FillIliPage(InfoPages::Content& content, const IliItem& line, int tab,
                 const ViewerDatabase& database) {
  if (tab == InfoPages::kGloss) {
    content.iliOnly = true;
    if (line.Record() == nullptr) {
      content.ili.push_back({IliItem::kNoLinksText, Colour::kMissing});
    } else {
      AppendRecord(content.ili, line.EqRelation(), WideText::Take(line.Record()->GetGloss()));
    }
  } else if (line.Record() != nullptr) {
    AppendIliWords(content.iliVariants, database, static_cast<std::uint32_t>(line.RecordId()));
  }
}

}  // namespace

InfoPages::Content InfoPages::For(const TreeItem* line, int tab, const ConceptPane& pane,
                                  const ViewerDatabase& database) {
  Content content;
  if (line == nullptr) return content;
  if (line->Kind() == LineKind::kConcept) {
    const auto& conceptLine = static_cast<const ConceptItem&>(*line);
    if (conceptLine.GetConcept() == nullptr || tab > kVariant) return content;
    content.prompt = false;
    FillConceptPage(content, conceptLine, tab, pane, database);
  } else if (line->Kind() == LineKind::kIli) {
    if (tab != kGloss && tab != kSynset) return content;
    content.prompt = false;
    FillIliPage(content, static_cast<const IliItem&>(*line), tab, database);
  }
  return content;
}
