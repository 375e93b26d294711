#include "ConceptView.h"

#include <algorithm>
#include <set>

#include "ConceptLink.h"
#include "ConceptLinks.h"
#include "ConceptVariant.h"
#include "ConceptVariants.h"
#include "Concepts.h"
#include "Errors.h"
#include "Examples.h"
#include "ILIRecord.h"
#include "ILIRecords.h"
#include "PLXException.h"
#include "Text.h"

namespace pylex {
namespace {

std::vector<std::string> ExamplesOf(ConceptVariant& variant) {
  std::vector<std::string> texts;
  const Owned<Examples> examples(variant.GetExamples());
  BSTR text = nullptr;
  for (int more = examples ? examples->GetFirst(&text) : 0; more != 0;
       more = examples->GetNext(&text)) {
    texts.push_back(TakeText(text));
  }
  return texts;
}

}  // namespace

ConceptView::ConceptView(std::shared_ptr<LanguageView> language, Owned<Concept> meaning)
    : language_(std::move(language)), record_(std::move(meaning)), id_(record_->GetRecordID()) {}

Concept& ConceptView::Record() {
  language_->SharedSession()->Database();
  return *record_;
}

std::string ConceptView::PartOfSpeech() {
  return TakeText(Record().GetPartOfSpeech());
}

std::vector<VariantInfo> ConceptView::Variants() {
  std::vector<VariantInfo> variants;
  for (Owned<ConceptVariant>& each : TakeAll<ConceptVariant>(Record().GetConceptVariants())) {
    VariantInfo variant;
    variant.literal = TakeText(each->GetLiteral());
    variant.sense = each->GetSense();
    variant.definition = TakeText(each->GetDefinition());
    variant.examples = ExamplesOf(*each);
    variants.push_back(std::move(variant));
  }
  return variants;
}

std::string ConceptView::Definition() {
  for (const VariantInfo& variant : Variants()) {
    if (!variant.definition.empty()) return variant.definition;
  }
  return "";
}

std::vector<LinkInfo> ConceptView::Links(const std::optional<std::string>& relation) {
  Session& session = *language_->SharedSession();
  const std::int16_t id = relation ? session.RelationId(*relation) : 0;
  std::vector<LinkInfo> links;
  for (Owned<ConceptLink>& each : TakeAll<ConceptLink>(Record().GetConceptLinks(id))) {
    LinkInfo link;
    link.relationId = each->GetRelation();
    const auto name = session.RelationNames().find(link.relationId);
    if (name != session.RelationNames().end()) link.relation = name->second;
    try {
      Owned<Concept> target(each->GetTargetConcept());
      if (target) link.target = language_->Wrap(std::move(target));
    } catch (const PLXException&) {
      // A target described in place, or one that is not there: the link is still listed.
    }
    links.push_back(std::move(link));
  }
  return links;
}

std::vector<std::shared_ptr<ConceptView>> ConceptView::WrapAll(Concepts* concepts) {
  std::vector<std::shared_ptr<ConceptView>> wrapped;
  for (Owned<Concept>& each : TakeAll<Concept>(concepts)) {
    wrapped.push_back(language_->Wrap(std::move(each)));
  }
  return wrapped;
}

std::vector<std::shared_ptr<ConceptView>> ConceptView::Related(const std::string& relation) {
  const std::int16_t id = language_->SharedSession()->RelationId(relation);
  return WrapAll(Record().GetLinkedConcepts(id));
}

std::vector<std::shared_ptr<ConceptView>> ConceptView::Hyperonyms() {
  return WrapAll(Record().GetHyperonyms());
}

std::vector<std::shared_ptr<ConceptView>> ConceptView::Hyponyms() {
  return WrapAll(Record().GetHyponyms());
}

std::vector<ConceptView::Path> ConceptView::HyperonymPaths() {
  std::vector<Path> paths;
  Path chain{shared_from_this()};
  WalkUp(chain, paths);
  return paths;
}

void ConceptView::WalkUp(Path& chain, std::vector<Path>& paths) {
  bool extended = false;
  for (std::shared_ptr<ConceptView>& up : chain.back()->Hyperonyms()) {
    if (paths.size() >= kMaxPaths) return;
    const bool loops = std::any_of(chain.begin(), chain.end(),
                                   [&](const auto& each) { return each->Id() == up->Id(); });
    if (loops || chain.size() >= kMaxPathLength) continue;
    extended = true;
    chain.push_back(up);
    WalkUp(chain, paths);
    chain.pop_back();
  }
  if (!extended && paths.size() < kMaxPaths) paths.emplace_back(chain.rbegin(), chain.rend());
}

std::vector<IliInfo> ConceptView::IliRecords() {
  std::vector<IliInfo> records;
  ILIRecords* found = nullptr;
  if (Record().GetILIRecords(0, &found) == 0) return records;
  for (Owned<ILIRecord>& each : TakeAll<ILIRecord>(found)) {
    records.push_back({each->GetRecordID(), TakeText(each->GetGloss()),
                       TakeText(each->GetPartOfSpeech()), each->GetWordNetOffset()});
  }
  return records;
}

std::vector<std::shared_ptr<ConceptView>> ConceptView::Equivalents(
    const std::optional<std::string>& code) {
  const std::shared_ptr<Session>& session = language_->SharedSession();
  const std::vector<IliInfo> records = IliRecords();
  std::vector<std::shared_ptr<LanguageView>> languages;
  if (code) {
    languages.push_back(LanguageView::ByCode(session, *code));
  } else {
    for (std::shared_ptr<LanguageView>& each : LanguageView::All(session)) {
      if (each->StoreId() != language_->StoreId()) languages.push_back(std::move(each));
    }
  }
  std::vector<std::shared_ptr<ConceptView>> equivalents;
  for (const std::shared_ptr<LanguageView>& other : languages) {
    std::set<std::int32_t> listed{other->StoreId() == language_->StoreId() ? id_ : 0};
    for (const IliInfo& record : records) {
      const auto ili = static_cast<std::uint32_t>(record.id);
      for (Owned<Concept>& each : TakeAll<Concept>(other->WordNet().GetConcepts(ili, 0))) {
        if (listed.insert(each->GetRecordID()).second) {
          equivalents.push_back(other->Wrap(std::move(each)));
        }
      }
    }
  }
  return equivalents;
}

std::string ConceptView::ExportText() {
  BSTR text = nullptr;
  if (language_->WordNet().ExportConcept(&Record(), &text) == 0) {
    throw BindingError(
        ErrorKind::kGeneral,
        "the " + language_->Code() + " wordnet cannot export concept " + std::to_string(id_));
  }
  return TakeText(text);
}

}  // namespace pylex
