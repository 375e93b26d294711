#include "TabWordNetWriter.h"

#include <string>
#include <unordered_map>

#include "LanguageStoreWriter.h"
#include "PhaseProgress.h"

namespace importers {
namespace {

// Several definition lines of one synset read as one definition.
SplitGloss GlossOf(const TabSynset& synset) {
  SplitGloss gloss;
  for (const TabSentence& definition : synset.definitions) {
    if (!gloss.definition.empty()) gloss.definition += "; ";
    gloss.definition += definition.text;
  }
  for (const TabSentence& example : synset.examples) gloss.examples.push_back(example.text);
  return gloss;
}

}  // namespace

std::uint32_t WriteTabWordNet(RecordBuilder* builder, std::uint32_t store, const std::string& code,
                              const TabWordNet& tab, const WordNet& wordnet,
                              const SynsetLinks& links, const Progress& progress) {
  LanguageStoreWriter out(builder, store);
  PhaseProgress phase(progress, "Writing the " + code + " wordnet (" + tab.name + ")",
                      tab.synsets.size());
  // Concepts, links, eq links, variants: one container after the other in ascending number.
  std::unordered_map<std::uint32_t, std::uint32_t> conceptOf;
  for (const auto& [index, synset] : tab.synsets) {
    const std::uint32_t conceptId = static_cast<std::uint32_t>(conceptOf.size()) + 1;
    out.Concept(conceptId, wordnet.synsets[index]);
    conceptOf[index] = conceptId;
  }
  std::uint32_t linkId = 0;
  for (const auto& entry : tab.synsets) {
    const std::uint32_t source = conceptOf[entry.first];
    links.ForEach(entry.first, [&](const WordNetPointer& pointer) {
      if (pointer.IsWordLevel()) return;
      const auto target = conceptOf.find(pointer.target);
      if (target == conceptOf.end()) return;
      out.Link(++linkId, pointer.relation, source, 0, target->second, 0);
    });
  }
  for (const auto& [index, synset] : tab.synsets) {
    out.EqSynonym(conceptOf[index], conceptOf[index], index + 1);
  }
  std::uint32_t variantId = 0;
  for (const auto& [index, synset] : tab.synsets) {
    const SplitGloss gloss = GlossOf(synset);
    for (const TabLemma& lemma : synset.lemmas) {
      out.StartVariant(conceptOf[index], wordnet.synsets[index], lemma.text, lemma.sense, gloss);
      out.AddVariant(++variantId);
    }
    phase.Advance();
  }
  phase.Finish();
  return linkId;
}

}  // namespace importers
