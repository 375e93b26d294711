#include "IliWriter.h"

#include <array>
#include <vector>

#include "LexicalSchema.h"
#include "LexicographerFiles.h"
#include "Literal.h"
#include "PhaseProgress.h"
#include "TopConcepts.h"

namespace importers {
namespace {

using namespace schema;

void WriteIliRecords(RecordBuilder& builder, const WordNet& wordnet, const Progress& progress) {
  PhaseProgress phase(progress, "Writing the inter-lingual index", wordnet.synsets.size());
  for (std::uint32_t i = 0; i < wordnet.synsets.size(); ++i) {
    const WordNetSynset& synset = wordnet.synsets[i];
    node* root = builder.Start(ILI_RECORD);
    builder.Number(root, PART_OF_SPEECH, PartOfSpeechOf(synset.file));
    builder.Number(root, WORDNET_OFFSET, static_cast<std::int32_t>(synset.canonicalOffset));
    builder.Text(root, GLOSS, synset.gloss);
    builder.Add(kIliStore, kDefaultContainer, i + 1);
    phase.Advance();
  }
  phase.Finish();
}

void WriteIliVariants(RecordBuilder& builder, const WordNet& wordnet) {
  std::uint32_t id = 0;
  for (std::uint32_t i = 0; i < wordnet.synsets.size(); ++i) {
    for (const WordNetWord& word : wordnet.synsets[i].words) {
      node* root = builder.Start(ILI_VARIANT);
      builder.Pointer(root, TARGET_ILI, i + 1);
      builder.Text(root, LITERAL, LiteralOf(word.lemma));
      builder.Number(root, SENSE, word.sense);
      builder.Add(kIliVariantStore, kDefaultContainer, ++id);
    }
  }
}

void WriteTopConcepts(RecordBuilder& builder, const WordNet& wordnet) {
  std::array<std::vector<std::uint32_t>, kLexicographerFileCount> members;
  for (std::uint32_t i = 0; i < wordnet.synsets.size(); ++i) {
    members[wordnet.synsets[i].lexFile].push_back(i + 1);
  }
  const std::vector<TopConcept>& concepts = TopConceptList();
  for (const TopConcept& top : concepts) {
    node* root = builder.Start(TOP_CONCEPT_RECORD);
    builder.Text(root, GLOSS, top.gloss);
    node* links = builder.Group(root, ONTOLOGY_LINKS);
    if (top.super != 0) builder.Pointer(links, SUPER, top.super);
    for (const TopConcept& sub : concepts) {
      if (sub.super == top.id) builder.Pointer(links, SUB, sub.id);
    }
    for (int file = 0; file < kLexicographerFileCount; ++file) {
      if (TopConceptOfFile(file) != top.id) continue;
      for (std::uint32_t ili : members[file]) builder.Pointer(root, TARGET_ILI, ili);
    }
    builder.Add(kIliStore, kTopConcepts, top.id);
  }
}

}  // namespace

void WriteIli(RecordBuilder* builder, const WordNet& wordnet, const Progress& progress) {
  WriteTopConcepts(*builder, wordnet);
  WriteIliRecords(*builder, wordnet, progress);
  WriteIliVariants(*builder, wordnet);
}

}  // namespace importers
