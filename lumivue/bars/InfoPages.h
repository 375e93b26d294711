// What the information bar's pages show for the selected line of the active pane: the gloss and
// definition, the synset and the ILI words, the variant's features and usage labels. Plain data,
// so that the page widgets only lay it out and colour it.
#pragma once

#include <string>
#include <vector>

class ConceptPane;
class TreeItem;
class ViewerDatabase;

class InfoPages {
 public:
  // The tabs of the information bar, in their order. The export tab holds no information page.
  enum Tab { kGloss = 0, kSynset = 1, kVariant = 2, kIli = 3, kExport = 4 };
  static constexpr const char* kPrompt = "Select a word meaning";
  static constexpr const char* kNoDefinition = "<No Definition>";

  enum class Colour {
    kText,      // the window text colour
    kRelation,  // the names of equivalence relations: dark blue
    kMissing,   // "<No Definition>", "<No Gloss>", "<No ILI links>": red
  };
  struct Piece {
    std::string text;
    Colour colour;
  };
  using RichText = std::vector<Piece>;

  struct Content {
    // Every page shows its prompt instead of what follows.
    bool prompt = true;
    // The gloss page of an ILI line: only the ILI text, over the whole page.
    bool iliOnly = false;
    // Gloss page: the name of the pane's language, the current variant's definition and the
    // concept's ILI records (relation name, ":" and gloss; a line feed between records).
    std::string languageName;
    RichText definition;
    RichText ili;
    // Synset page: the concept's variants ("dog :1"), and the words of its ILI records.
    std::vector<std::string> variants;
    std::vector<std::string> iliVariants;
    // Variant page: the current variant's features and usage labels (empty when absent).
    std::string features;
    std::string usageLabels;
  };

  // The content of page `tab` for `line` of `pane` (null: no line selected). A concept line fills
  // the gloss, synset and variant pages; an ILI line the gloss page (iliOnly) and the synset page's
  // ILI words; every other case shows the prompt. What the library throws passes through.
  static Content For(const TreeItem* line, int tab, const ConceptPane& pane,
                     const ViewerDatabase& database);
};
