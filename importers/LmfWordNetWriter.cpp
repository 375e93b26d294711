#include "LmfWordNetWriter.h"

#include <array>

#include "Features.h"
#include "LanguageStoreWriter.h"
#include "LexicalSchema.h"
#include "PhaseProgress.h"
#include "RelationTable.h"

namespace importers {
namespace {

using namespace schema;

// LanguageStoreWriter reads a concept's type and part of speech off a WordNet synset; every LMF
// synset is one of these five kinds.
class ConceptKinds {
 public:
  ConceptKinds() {
    for (PosFile file : kPosFiles) kinds_[static_cast<int>(file)].file = file;
    WordNetPointer instanceOf;
    instanceOf.relation = kBelongsToClass;
    kinds_[kPosFileCount].pointers.push_back(instanceOf);
  }

  const WordNetSynset& Of(const LmfSynset& synset) const {
    return synset.instance ? kinds_[kPosFileCount] : kinds_[synset.partOfSpeech - 1];
  }

 private:
  std::array<WordNetSynset, kPosFileCount + 1> kinds_;
};

// The relations of each source, in file order: positions in LmfLexicon::relations.
class RelationsBySource {
 public:
  RelationsBySource(const LmfLexicon& lexicon, bool fromSense)
      : first_((fromSense ? lexicon.senses.size() : lexicon.synsets.size()) + 1, 0) {
    for (const LmfRelation& relation : lexicon.relations) {
      if (relation.fromSense == fromSense && relation.relation != 0) ++first_[relation.source + 1];
    }
    for (std::size_t i = 1; i < first_.size(); ++i) first_[i] += first_[i - 1];
    order_.resize(first_.back());
    std::vector<std::uint32_t> next(first_.begin(), first_.end() - 1);
    for (std::uint32_t i = 0; i < lexicon.relations.size(); ++i) {
      const LmfRelation& relation = lexicon.relations[i];
      if (relation.fromSense == fromSense && relation.relation != 0) {
        order_[next[relation.source]++] = i;
      }
    }
  }

  template <typename Visit>
  void ForEach(std::uint32_t source, Visit visit) const {
    for (std::uint32_t i = first_[source]; i < first_[source + 1]; ++i) visit(order_[i]);
  }

 private:
  std::vector<std::uint32_t> first_;
  std::vector<std::uint32_t> order_;
};

class LexiconWriter {
 public:
  LexiconWriter(RecordBuilder* builder, std::uint32_t store, const LmfLexicon& lexicon)
      : builder_(*builder),
        out_(builder, store),
        lexicon_(lexicon),
        synsetRelations_(lexicon, false),
        senseRelations_(lexicon, true),
        variantOf_(lexicon.senses.size(), 0) {
    std::uint32_t next = 0;
    for (const LmfSynset& synset : lexicon.synsets) {
      for (std::uint32_t sense : synset.senses) variantOf_[sense] = ++next;
    }
  }

  std::uint32_t Write(const std::vector<std::uint32_t>& iliRecords, PhaseProgress& phase) {
    // Concepts, links, eq links, variants: one container after the other in ascending number.
    const std::uint32_t count = static_cast<std::uint32_t>(lexicon_.synsets.size());
    for (std::uint32_t s = 0; s < count; ++s) out_.Concept(s + 1, kinds_.Of(lexicon_.synsets[s]));
    std::uint32_t linkId = 0;
    for (std::uint32_t s = 0; s < count; ++s) {
      synsetRelations_.ForEach(s, [&](std::uint32_t r) { WriteLink(++linkId, s, 0, r); });
      for (std::uint32_t sense : lexicon_.synsets[s].senses) {
        senseRelations_.ForEach(
            sense, [&](std::uint32_t r) { WriteLink(++linkId, s, variantOf_[sense], r); });
      }
    }
    for (std::uint32_t s = 0; s < count; ++s) out_.EqSynonym(s + 1, s + 1, iliRecords[s]);
    for (std::uint32_t s = 0; s < count; ++s) {
      WriteVariants(s);
      phase.Advance();
    }
    return linkId;
  }

 private:
  void WriteLink(std::uint32_t id, std::uint32_t synset, std::uint32_t variant,
                 std::uint32_t relationIndex) {
    const LmfRelation& relation = lexicon_.relations[relationIndex];
    const std::uint32_t targetSynset =
        relation.toSense ? lexicon_.senses[relation.target].synset : relation.target;
    out_.Link(id, relation.relation, synset + 1, variant, targetSynset + 1,
              relation.toSense ? variantOf_[relation.target] : 0);
  }

  void WriteVariants(std::uint32_t s) {
    const LmfSynset& synset = lexicon_.synsets[s];
    SplitGloss gloss{synset.definition, synset.examples};
    for (std::uint32_t index : synset.senses) {
      const LmfSense& sense = lexicon_.senses[index];
      gloss.examples.resize(synset.examples.size());
      gloss.examples.insert(gloss.examples.end(), sense.examples.begin(), sense.examples.end());
      node* root = out_.StartVariant(s + 1, kinds_.Of(synset), lexicon_.entries[sense.entry].lemma,
                                     sense.number, gloss);
      WriteFeatures(root, sense);
      WriteExternalInfo(root, sense);
      out_.AddVariant(variantOf_[index]);
    }
  }

  void WriteFeatures(node* root, const LmfSense& sense) {
    const char* position = AdjectivePositionText(sense.position);
    if (sense.frames.empty() && position == nullptr) return;
    node* features = builder_.Group(root, FEATURES);
    for (std::uint32_t frame : sense.frames) {
      node* field = builder_.Number(features, FEATURE, kVerbFrameFeature);
      builder_.Text(field, FEATURE_VALUE, lexicon_.frames[frame]);
    }
    if (position != nullptr) {
      node* field = builder_.Number(features, FEATURE, kAdjectivePositionFeature);
      builder_.Text(field, FEATURE_VALUE, position);
    }
  }

  void WriteExternalInfo(node* root, const LmfSense& sense) {
    if (sense.senseKey.empty() && !sense.counted) return;
    node* external = builder_.Group(root, EXTERNAL_INFO);
    if (!sense.senseKey.empty()) {
      node* source = builder_.Number(external, SOURCE_ID, kWordNet30Source);
      builder_.Text(source, TEXT_KEY, sense.senseKey);
    }
    if (sense.counted) {
      node* corpus = builder_.Number(external, CORPUS_ID, static_cast<std::int32_t>(kSemCorCorpus));
      builder_.Number(corpus, FREQUENCY, static_cast<std::int32_t>(sense.count));
    }
  }

  RecordBuilder& builder_;
  LanguageStoreWriter out_;
  const LmfLexicon& lexicon_;
  const ConceptKinds kinds_;
  const RelationsBySource synsetRelations_;
  const RelationsBySource senseRelations_;
  std::vector<std::uint32_t> variantOf_;  // variant record ID by sense index
};

}  // namespace

std::uint32_t WriteLmfWordNet(RecordBuilder* builder, std::uint32_t store, const std::string& code,
                              const LmfLexicon& lexicon,
                              const std::vector<std::uint32_t>& iliRecords,
                              const Progress& progress) {
  PhaseProgress phase(progress, "Writing the " + code + " wordnet (" + lexicon.id + ")",
                      lexicon.synsets.size());
  const std::uint32_t links = LexiconWriter(builder, store, lexicon).Write(iliRecords, phase);
  phase.Finish();
  return links;
}

}  // namespace importers
