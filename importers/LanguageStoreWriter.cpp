#include "LanguageStoreWriter.h"

#include "LexicalSchema.h"
#include "Literal.h"

namespace importers {

using namespace schema;

std::uint16_t ConceptTypeOf(const WordNetSynset& synset) {
  return synset.IsInstance() ? kWordInstance : kWordMeaning;
}

std::uint16_t ConceptPartOfSpeechOf(const WordNetSynset& synset) {
  return synset.IsInstance() ? static_cast<std::uint16_t>(kProperNoun)
                             : PartOfSpeechOf(synset.file);
}

void LanguageStoreWriter::Concept(std::uint32_t id, const WordNetSynset& synset) {
  node* root = builder_.Start(CONCEPT);
  builder_.Number(root, CONCEPT_TYPE, ConceptTypeOf(synset));
  builder_.Number(root, PART_OF_SPEECH, ConceptPartOfSpeechOf(synset));
  builder_.Add(store_, kConcepts, id);
}

node* LanguageStoreWriter::StartVariant(std::uint32_t conceptId, const WordNetSynset& synset,
                                        std::string_view lemma, std::uint16_t sense,
                                        const SplitGloss& gloss) {
  node* root = builder_.Start(VARIANT);
  node* conceptField = builder_.Pointer(root, CONCEPT, conceptId);
  builder_.Number(conceptField, PART_OF_SPEECH, ConceptPartOfSpeechOf(synset));
  node* literal = builder_.Text(root, LITERAL, LiteralOf(lemma));
  builder_.Number(literal, SENSE, sense);
  if (!gloss.definition.empty()) builder_.Text(root, DEFINITION, gloss.definition);
  if (!gloss.examples.empty()) {
    node* examples = builder_.Group(root, EXAMPLES);
    for (const std::string& example : gloss.examples) builder_.Text(examples, EXAMPLE, example);
  }
  return root;
}

void LanguageStoreWriter::AddVariant(std::uint32_t id) {
  builder_.Add(store_, kDefaultContainer, id);
}

void LanguageStoreWriter::Link(std::uint32_t id, std::int16_t relation, std::uint32_t source,
                               std::uint32_t sourceVariant, std::uint32_t target,
                               std::uint32_t targetVariant) {
  node* root = builder_.Start(INTERNAL_LINK);
  builder_.Number(root, RELATION, relation);
  node* from = builder_.Pointer(root, SOURCE_CONCEPT, source);
  if (sourceVariant != 0) builder_.Pointer(from, VARIANT, sourceVariant);
  node* to = builder_.Pointer(root, TARGET_CONCEPT, target);
  if (targetVariant != 0) builder_.Pointer(to, VARIANT, targetVariant);
  builder_.Add(store_, kInternalLinks, id);
}

void LanguageStoreWriter::EqSynonym(std::uint32_t id, std::uint32_t conceptId,
                                    std::uint32_t iliId) {
  node* root = builder_.Start(EQ_LINK);
  builder_.Number(root, EQ_RELATION, kEqSynonym);
  builder_.Pointer(root, CONCEPT, conceptId);
  builder_.Pointer(root, TARGET_ILI, iliId);
  builder_.Add(store_, kEqLinks, id);
}

}  // namespace importers
