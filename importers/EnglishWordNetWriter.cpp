#include "EnglishWordNetWriter.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "Features.h"
#include "LanguageStoreWriter.h"
#include "LexicalSchema.h"
#include "PhaseProgress.h"
#include "RelationTable.h"
#include "TopConcepts.h"
#include "VerbFrames.h"

namespace importers {
namespace {

using namespace schema;

class EnglishWriter {
 public:
  EnglishWriter(RecordBuilder* builder, std::uint32_t store, const WordNet& wordnet,
                const SynsetLinks& links, const UsageLabels& usage)
      : builder_(*builder),
        out_(builder, store),
        wordnet_(wordnet),
        links_(links),
        usage_(usage),
        firstVariant_(wordnet.synsets.size() + 1) {
    std::uint32_t next = 1;
    for (std::size_t i = 0; i < wordnet.synsets.size(); ++i) {
      firstVariant_[i] = next;
      next += static_cast<std::uint32_t>(wordnet.synsets[i].words.size());
    }
    firstVariant_.back() = next;
  }

  std::uint32_t Write(const Progress& progress) {
    PhaseProgress phase(progress, "Writing the English wordnet", wordnet_.synsets.size());
    // Concepts, links, eq links, variants: one container after the other in ascending number.
    for (std::uint32_t i = 0; i < wordnet_.synsets.size(); ++i) {
      out_.Concept(i + 1, wordnet_.synsets[i]);
    }
    std::uint32_t linkId = 0;
    for (std::uint32_t i = 0; i < wordnet_.synsets.size(); ++i) {
      links_.ForEach(i, [&](const WordNetPointer& pointer) {
        out_.Link(++linkId, pointer.relation, i + 1, VariantOf(i, pointer.sourceWord),
                  pointer.target + 1, VariantOf(pointer.target, pointer.targetWord));
      });
    }
    for (std::uint32_t i = 0; i < wordnet_.synsets.size(); ++i) out_.EqSynonym(i + 1, i + 1, i + 1);
    for (std::uint32_t i = 0; i < wordnet_.synsets.size(); ++i) {
      WriteVariants(i);
      phase.Advance();
    }
    WriteTopConceptVariants();
    phase.Finish();
    return linkId;
  }

 private:
  // The variant ID of 1-based word `word` of synset `synset`; 0 for word 0 (the synset itself).
  std::uint32_t VariantOf(std::uint32_t synset, std::uint8_t word) const {
    return word == 0 ? 0 : firstVariant_[synset] + word - 1;
  }

  void WriteVariants(std::uint32_t index) {
    const WordNetSynset& synset = wordnet_.synsets[index];
    const SplitGloss gloss = SplitGlossText(synset.gloss);
    for (std::size_t w = 0; w < synset.words.size(); ++w) {
      const WordNetWord& word = synset.words[w];
      node* root = out_.StartVariant(index + 1, synset, word.lemma, word.sense, gloss);
      WriteUsageLabels(root, synset, static_cast<std::uint8_t>(w + 1));
      WriteFeatures(root, synset, word, static_cast<std::uint8_t>(w + 1));
      node* external = builder_.Group(root, EXTERNAL_INFO);
      node* source = builder_.Number(external, SOURCE_ID, kWordNet30Source);
      builder_.Text(source, TEXT_KEY, word.senseKey);
      if (word.tagged) {
        node* corpus =
            builder_.Number(external, CORPUS_ID, static_cast<std::int32_t>(kSemCorCorpus));
        builder_.Number(corpus, FREQUENCY, static_cast<std::int32_t>(word.tagCount));
      }
      out_.AddVariant(firstVariant_[index] + static_cast<std::uint32_t>(w));
    }
  }

  void WriteUsageLabels(node* root, const WordNetSynset& synset, std::uint8_t wordNumber) {
    std::vector<std::uint16_t> values;
    for (const WordNetPointer& pointer : synset.pointers) {
      if (pointer.relation != kDomainUsage) continue;
      if (pointer.sourceWord != 0 && pointer.sourceWord != wordNumber) continue;
      const std::uint16_t value = usage_.ValueOf(pointer.target);
      if (std::find(values.begin(), values.end(), value) == values.end()) values.push_back(value);
    }
    if (values.empty()) return;
    node* labels = builder_.Group(root, USAGE_LABELS);
    for (std::uint16_t value : values) {
      node* label = builder_.Number(labels, USAGE_LABEL, UsageLabels::kUsageLabel);
      builder_.Number(label, USAGE_LABEL_VALUE, value);
    }
  }

  void WriteFeatures(node* root, const WordNetSynset& synset, const WordNetWord& word,
                     std::uint8_t wordNumber) {
    node* features = nullptr;
    auto add = [&](std::int32_t feature, const char* value) {
      if (features == nullptr) features = builder_.Group(root, FEATURES);
      node* field = builder_.Number(features, FEATURE, feature);
      builder_.Text(field, FEATURE_VALUE, value);
    };
    for (const VerbFrame& frame : synset.frames) {
      if (frame.word == 0 || frame.word == wordNumber) {
        add(kVerbFrameFeature, VerbFrameText(frame.frame));
      }
    }
    if (const char* position = AdjectivePositionText(word.position)) {
      add(kAdjectivePositionFeature, position);
    }
  }

  void WriteTopConceptVariants() {
    std::map<std::string, std::uint16_t> senses;
    std::uint32_t id = firstVariant_.back();
    for (const TopConcept& top : TopConceptList()) {
      node* root = builder_.Start(TOP_CONCEPT_VARIANT);
      builder_.Pointer(root, TOP_CONCEPT, top.id);
      builder_.Text(root, LITERAL, top.word);
      builder_.Number(root, SENSE, ++senses[top.word]);
      builder_.Add(out_.Store(), kDefaultContainer, id++);
    }
  }

  RecordBuilder& builder_;
  LanguageStoreWriter out_;
  const WordNet& wordnet_;
  const SynsetLinks& links_;
  const UsageLabels& usage_;
  // firstVariant_[i]: the ID of synset i's first variant; the last entry is the next free ID.
  std::vector<std::uint32_t> firstVariant_;
};

}  // namespace

std::uint32_t WriteEnglishWordNet(RecordBuilder* builder, std::uint32_t store,
                                  const WordNet& wordnet, const SynsetLinks& links,
                                  const UsageLabels& usage, const Progress& progress) {
  return EnglishWriter(builder, store, wordnet, links, usage).Write(progress);
}

}  // namespace importers
