// The program-wide relation and part-of-speech filter behind the filter bar's check tree. Items,
// in the tree's order: the root "Link Filters" (index 0), one item per relation of the open
// database, the root "Part-of-speech", then "Noun", "Verb", "Adjective", "Adverb", "Proper Noun".
// Each item is on or off; a rebuild turns every item on. The state is not saved anywhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/MessageTexts.h"

class FilterState {
 public:
  // The entries of the preset combo, in its order; kNone changes nothing.
  enum class Preset {
    kNone,
    kSelectAll,
    kSelectAllLinks,
    kSelectAllPartsOfSpeech,
    kDeselectAll,
    kDeselectAllLinks,
    kDeselectAllPartsOfSpeech,
    kInvertAll,
    kInvertAllLinks,
    kInvertAllPartsOfSpeech,
  };
  static constexpr int kPresetCount = 10;
  // The combo text of a preset ("None", "Select All", ...).
  static const char* PresetName(Preset preset);

  // One relation item: the relation it stands for and the name the tree shows.
  struct LinkChoice {
    std::int16_t relationId;
    std::string name;
  };

  // Replaces every item by those of `relations` (in their order) and the parts of speech; all on.
  void Rebuild(const std::vector<LinkChoice>& relations);

  // 0 before the first rebuild.
  std::size_t Count() const { return items_.size(); }
  // Item access; `index` must be below Count().
  const std::string& Name(std::size_t index) const { return items_.at(index).name; }
  bool IsOn(std::size_t index) const { return items_.at(index).on; }
  bool IsRoot(std::size_t index) const { return index == 0 || index == partOfSpeechRoot_; }
  std::size_t PartOfSpeechRoot() const { return partOfSpeechRoot_; }

  // A click on an item's check box: flips it. An index outside the items changes nothing.
  void Toggle(std::size_t index);
  // The links are the items before the "Part-of-speech" root ("Link Filters" included), the parts
  // of speech that root and the items after it.
  void Apply(Preset preset);

  // True when links of this relation are shown: always while "Link Filters" is off, else the state
  // of the relation's own item. A relation without an item (not in the database's list) passes.
  bool PassesRelation(std::int16_t relationId) const;
  // True when concepts of this part of speech are shown, by the first letter of the library's
  // part-of-speech text: always while "Part-of-speech" is off, else the state of that part of
  // speech's item; a letter without a name fails then. Everything passes before the first rebuild.
  bool PassesPartOfSpeech(char code) const;

  // True while some root is on and one of its children off: then the filter hides something.
  bool IsFiltering() const;
  // "Filter On" or "Filter Off" for the status bar, after IsFiltering().
  const ViewerMessage& StatusText() const;

 private:
  struct Item {
    std::string name;
    std::int16_t relationId;
    bool on;
  };

  void Change(std::size_t begin, std::size_t end, Preset preset);
  bool RootHidesChild(std::size_t root, std::size_t end) const;

  std::vector<Item> items_;
  std::size_t partOfSpeechRoot_ = 0;
};
