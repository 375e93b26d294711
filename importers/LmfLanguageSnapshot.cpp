#include "LmfLanguageSnapshot.h"

#include "ArbCodes.h"
#include "ArbCursor.h"
#include "ArbRecord.h"
#include "Features.h"
#include "LexicalSchema.h"

namespace importers {
namespace {

using namespace schema;

// Text fields come out through one buffer of the largest size a field can hold.
class TextReader {
 public:
  std::string Read(ArbRecord& record, std::uint16_t tag, std::int16_t occurrence = 1,
                   ArbRecord::eFindStart start = ArbRecord::eFromRoot,
                   ArbRecord::eFindArea area = ArbRecord::eInTree) {
    const int length = record.FindGetString(buffer_.data(), static_cast<std::uint16_t>(kSize), tag,
                                            occurrence, start, area);
    return std::string(buffer_.data(), static_cast<std::size_t>(length));
  }

 private:
  static constexpr std::size_t kSize = 65535;
  std::vector<char> buffer_ = std::vector<char>(kSize);
};

// Calls visit(record) for every record of (store, container) in record ID order.
template <typename Visit>
void ForEachRecord(void* database, std::uint32_t store, std::uint16_t container, Visit visit) {
  ArbCursor cursor(database, container, store);
  ArbRecord record;
  for (int more = cursor.ReadFirst(record); more != 0; more = cursor.ReadNext(record)) {
    visit(record);
  }
  if (cursor.GetErrorCode() != arbcode::EOF_HIT && cursor.GetErrorCode() != arbcode::SUCCESS) {
    throw ArbError(cursor.GetErrorCode());
  }
}

// The record ID a pointer under the current field holds (its child or a later descendant), or 0.
std::uint32_t PointerBelow(ArbRecord& record, std::uint16_t parent, std::uint16_t tag) {
  if (record.FindField(parent) == 0) return 0;
  const std::uint32_t id =
      record.FindGetRecPtr(tag, 1, ArbRecord::eFromChild, ArbRecord::eInForest);
  return id == 0xFFFFFFFF ? 0 : id;
}

}  // namespace

LmfLanguageSnapshot::LmfLanguageSnapshot(void* database, std::uint32_t store) {
  ReadConcepts(database, store);
  ReadVariants(database, store);
  ReadLinks(database, store);
  ReadEqLinks(database, store);
}

void LmfLanguageSnapshot::ReadConcepts(void* database, std::uint32_t store) {
  ForEachRecord(database, store, kConcepts, [&](ArbRecord& record) {
    if (record.GetRootTag() != CONCEPT) return;
    SnapshotConcept meaning;
    meaning.id = record.GetID();
    meaning.type = record.FindGetWUWORD(CONCEPT_TYPE);
    meaning.partOfSpeech = record.FindGetWUWORD(PART_OF_SPEECH);
    conceptIndex_[meaning.id] = static_cast<std::uint32_t>(concepts.size());
    concepts.push_back(std::move(meaning));
  });
}

void LmfLanguageSnapshot::ReadVariants(void* database, std::uint32_t store) {
  TextReader text;
  ForEachRecord(database, store, kDefaultContainer, [&](ArbRecord& record) {
    if (record.GetRootTag() != VARIANT) return;
    const auto meaning = conceptIndex_.find(record.FindGetRecPtr(CONCEPT));
    SnapshotVariant variant;
    variant.literal = text.Read(record, LITERAL);
    if (meaning == conceptIndex_.end() || variant.literal.empty()) {
      ++losses.blankVariants;
      return;
    }
    variant.id = record.GetID();
    variant.meaning = meaning->second;
    variant.sense = record.FindGetWSWORD(SENSE);
    for (std::int16_t i = 1; i <= record.GetFieldCount(EXAMPLE); ++i) {
      variant.examples.push_back(text.Read(record, EXAMPLE, i));
    }
    for (std::int16_t i = 1; record.FindField(SOURCE_ID, i) != 0; ++i) {
      std::int32_t source = 0;
      if (record.Get(&source) != 0 && source == kWordNet30Source) {
        variant.senseKey = text.Read(record, TEXT_KEY, 1, ArbRecord::eFromChild);
      }
    }
    for (std::int16_t i = 1; record.FindField(CORPUS_ID, i) != 0; ++i) {
      variant.counts.push_back(
          record.FindGetWUDWORD(FREQUENCY, 1, ArbRecord::eFromChild, ArbRecord::eInTree));
    }
    bool unkept = record.FindField(USAGE_LABEL) != 0;
    for (std::int16_t i = 1; record.FindField(FEATURE, i) != 0; ++i) {
      std::int32_t feature = 0;
      record.Get(&feature);
      const std::string value = text.Read(record, FEATURE_VALUE, 1, ArbRecord::eFromChild);
      if (feature == kVerbFrameFeature) {
        variant.frames.push_back(value);
      } else if (feature == kAdjectivePositionFeature) {
        variant.adjectivePosition = value;
      } else {
        unkept = true;
      }
    }
    if (unkept) ++losses.labelledVariants;
    SnapshotConcept& owner = concepts[variant.meaning];
    if (owner.variants.empty()) owner.definition = text.Read(record, DEFINITION);
    owner.variants.push_back(static_cast<std::uint32_t>(variants.size()));
    variantIndex_[variant.id] = static_cast<std::uint32_t>(variants.size());
    variants.push_back(std::move(variant));
  });
}

void LmfLanguageSnapshot::ReadLinks(void* database, std::uint32_t store) {
  auto indexOf = [](const std::unordered_map<std::uint32_t, std::uint32_t>& index,
                    std::uint32_t id) {
    const auto found = index.find(id);
    return found == index.end() ? kNone : found->second;
  };
  ForEachRecord(database, store, kInternalLinks, [&](ArbRecord& record) {
    if (record.GetRootTag() != INTERNAL_LINK) return;
    SnapshotLink link;
    link.relation = record.FindGetWSWORD(RELATION);
    link.sourceConcept = indexOf(conceptIndex_, record.FindGetRecPtr(SOURCE_CONCEPT));
    link.targetConcept = indexOf(conceptIndex_, record.FindGetRecPtr(TARGET_CONCEPT));
    const std::uint32_t sourceVariant = PointerBelow(record, SOURCE_CONCEPT, VARIANT);
    const std::uint32_t targetVariant = PointerBelow(record, TARGET_CONCEPT, VARIANT);
    link.sourceVariant = sourceVariant == 0 ? kNone : indexOf(variantIndex_, sourceVariant);
    link.targetVariant = targetVariant == 0 ? kNone : indexOf(variantIndex_, targetVariant);
    if (link.sourceConcept == kNone || link.targetConcept == kNone ||
        (sourceVariant != 0 && link.sourceVariant == kNone) ||
        (targetVariant != 0 && link.targetVariant == kNone)) {
      ++losses.linksWithoutTarget;
      return;
    }
    links.push_back(link);
  });
}

void LmfLanguageSnapshot::ReadEqLinks(void* database, std::uint32_t store) {
  std::unordered_map<std::uint32_t, std::int32_t> iliIndex;
  TextReader text;
  ArbRecord iliRecord;
  ForEachRecord(database, store, kEqLinks, [&](ArbRecord& record) {
    if (record.GetRootTag() != EQ_LINK) return;
    const auto meaning = conceptIndex_.find(record.FindGetRecPtr(CONCEPT));
    if (record.FindGetWUWORD(EQ_RELATION) != kEqSynonym || meaning == conceptIndex_.end() ||
        concepts[meaning->second].ili >= 0) {
      ++losses.otherEqLinks;
      return;
    }
    const std::uint32_t iliId = record.FindGetRecPtr(TARGET_ILI);
    auto [known, added] = iliIndex.try_emplace(iliId, static_cast<std::int32_t>(ili.size()));
    if (added) {
      if (iliRecord.Retrieve(database, kIliStore, kDefaultContainer, iliId) == 0) {
        iliIndex.erase(known);
        ++losses.otherEqLinks;
        return;
      }
      SnapshotIli kept;
      kept.partOfSpeech = iliRecord.FindGetWUWORD(PART_OF_SPEECH);
      kept.offset = iliRecord.FindGetWSDWORD(WORDNET_OFFSET);
      kept.addOn = iliRecord.FindGetWSDWORD(ADD_ON_ID);
      kept.gloss = text.Read(iliRecord, GLOSS);
      kept.identifier = text.Read(iliRecord, ILI_IDENTIFIER);
      ili.push_back(std::move(kept));
    }
    concepts[meaning->second].ili = known->second;
  });
}

}  // namespace importers
