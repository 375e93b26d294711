// One concept (synset) of a language wordnet as Python sees it: its words, definitions, relations,
// hyperonym paths, ILI records, equivalents in other languages and export text.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Concept.h"
#include "LanguageView.h"
#include "Owned.h"
#include "Records.h"

namespace pylex {

class ConceptView : public std::enable_shared_from_this<ConceptView> {
 public:
  using Path = std::vector<std::shared_ptr<ConceptView>>;

  // No walk up the hyperonyms goes further, and no concept gives more paths than this.
  static constexpr std::size_t kMaxPathLength = 64;
  static constexpr std::size_t kMaxPaths = 100;

  ConceptView(std::shared_ptr<LanguageView> language, Owned<Concept> meaning);

  const std::shared_ptr<LanguageView>& Language() const { return language_; }
  std::int32_t Id() const { return id_; }
  std::string PartOfSpeech();
  std::vector<VariantInfo> Variants();
  // The first definition among the variants ("" when none has one).
  std::string Definition();

  // The concept's links of one relation (by name), or of all when none is given.
  std::vector<LinkInfo> Links(const std::optional<std::string>& relation);
  // The concepts the links of that relation lead to, each once.
  std::vector<std::shared_ptr<ConceptView>> Related(const std::string& relation);
  std::vector<std::shared_ptr<ConceptView>> Hyperonyms();
  std::vector<std::shared_ptr<ConceptView>> Hyponyms();
  // Every path from a concept without hyperonyms down to this one (this one last). A path that
  // loops or grows past kMaxPathLength ends where it would repeat or overflow.
  std::vector<Path> HyperonymPaths();

  std::vector<IliInfo> IliRecords();
  // The concepts of the other languages (or of the one with `code`) that share an ILI record
  // with this one.
  std::vector<std::shared_ptr<ConceptView>> Equivalents(const std::optional<std::string>& code);
  // The concept's full export text, lines ended by "\r\n".
  std::string ExportText();

 private:
  // The library's record; BindingError (kind kClosed) once the database is closed.
  Concept& Record();
  std::vector<std::shared_ptr<ConceptView>> WrapAll(Concepts* concepts);
  void WalkUp(Path& below, std::vector<Path>& paths);

  std::shared_ptr<LanguageView> language_;
  Owned<Concept> record_;
  std::int32_t id_;
};

}  // namespace pylex
