#include "LmfExporter.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "Languages.h"
#include "LmfIdentifiers.h"
#include "LmfRelationTypes.h"
#include "LmfText.h"
#include "LmfXmlWriter.h"
#include "RelationTable.h"

namespace importers {
namespace {

constexpr const char* kDoctype =
    "<!DOCTYPE LexicalResource SYSTEM \"http://globalwordnet.github.io/schemas/WN-LMF-1.4.dtd\">";
constexpr const char* kDublinCore = "https://globalwordnet.github.io/schemas/dc/";
constexpr std::uint32_t kNone = LmfLanguageSnapshot::kNone;

// WN-LMF has no proper nouns: they are nouns, and their instance hypernym makes them proper nouns
// again on import.
const char* PartOfSpeechLetter(std::uint16_t code) {
  switch (code) {
    case 2:
      return "v";
    case 3:
      return "a";
    case 4:
      return "r";
    default:
      return "n";
  }
}

const char* AdjectivePositionCode(const std::string& value) {
  if (value == "attributive") return "a";
  if (value == "predicative") return "p";
  if (value == "postnominal") return "ip";
  return nullptr;
}

class DocumentWriter {
 public:
  DocumentWriter(const LmfLanguageSnapshot& snapshot, const std::string& code, std::ostream& out)
      : snapshot_(snapshot),
        xml_(out),
        lexicon_("polylex-" + LanguageTag(code)),
        senseIds_(snapshot.variants.size()),
        senseLinks_(snapshot.variants.size()),
        synsetLinks_(snapshot.concepts.size()),
        common_(snapshot.concepts.size()) {
    NameSynsets();
    OrderAndNameSenses();
    GroupLinks();
    FindCommonExamples();
  }

  LmfExportReport Write(const std::string& code, const std::string& name) {
    xml_.Prolog(kDoctype);
    xml_.Open("LexicalResource");
    xml_.Attribute("xmlns:dc", kDublinCore);
    xml_.Open("Lexicon");
    xml_.Attribute("id", lexicon_);
    xml_.Attribute("label", name);
    xml_.Attribute("language", LanguageTag(code));
    xml_.Attribute("email", "");
    xml_.Attribute("license", "");
    xml_.Attribute("version", "1");
    WriteEntries();
    for (std::uint32_t c = 0; c < snapshot_.concepts.size(); ++c) WriteSynset(c);
    for (const auto& [text, id] : frames_) {
      xml_.Open("SyntacticBehaviour");
      xml_.Attribute("id", id);
      xml_.Attribute("subcategorizationFrame", text);
      xml_.Close();
    }
    xml_.Close();
    xml_.Close();
    report_.losses = snapshot_.losses;
    return report_;
  }

 private:
  void NameSynsets() {
    for (const SnapshotConcept& meaning : snapshot_.concepts) {
      const char* letter = PartOfSpeechLetter(meaning.partOfSpeech);
      const SnapshotIli* ili = meaning.ili >= 0 ? &snapshot_.ili[meaning.ili] : nullptr;
      std::string id;
      if (ili != nullptr && ili->offset > 0 && ili->addOn == 0) {
        char offset[16];
        std::snprintf(offset, sizeof offset, "%08d", ili->offset);
        id = lexicon_ + "-" + offset + "-" + letter;
      }
      // A second concept of one WordNet meaning cannot have its ID; it gets one of its own.
      if (id.empty() || !ids_.Claim(id)) {
        id = ids_.Unique(lexicon_ + "-c" + std::to_string(meaning.id) + "-" + letter);
      }
      synsetIds_.push_back(std::move(id));
    }
  }

  // Entries gather a literal's variants of one part of speech, ordered by sense number.
  void OrderAndNameSenses() {
    order_.resize(snapshot_.variants.size());
    for (std::uint32_t i = 0; i < order_.size(); ++i) order_[i] = i;
    std::sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) {
      const SnapshotVariant& x = snapshot_.variants[a];
      const SnapshotVariant& y = snapshot_.variants[b];
      if (x.literal != y.literal) return x.literal < y.literal;
      if (PartOfSpeechOf(x) != PartOfSpeechOf(y)) return PartOfSpeechOf(x) < PartOfSpeechOf(y);
      if (x.sense != y.sense) return x.sense < y.sense;
      return x.id < y.id;
    });
    for (std::size_t first = 0; first < order_.size();) {
      const std::size_t end = EntryEnd(first);
      const SnapshotVariant& lead = snapshot_.variants[order_[first]];
      const std::string entry = ids_.Unique(lexicon_ + "-" + LmfIdentifiers::Slug(lead.literal) +
                                            "-" + PartOfSpeechLetter(PartOfSpeechOf(lead)));
      entryIds_.push_back(entry);
      for (std::size_t i = first; i < end; ++i) {
        const SnapshotVariant& variant = snapshot_.variants[order_[i]];
        senseIds_[order_[i]] = ids_.Unique(entry + "-" + std::to_string(variant.sense));
        for (const std::string& frame : variant.frames) {
          if (frameIds_.try_emplace(frame, "").second) {
            frameIds_[frame] = ids_.Unique(lexicon_ + "-frame-" + std::to_string(frameIds_.size()));
            frames_.emplace_back(frame, frameIds_[frame]);
          }
        }
      }
      first = end;
    }
  }

  std::uint16_t PartOfSpeechOf(const SnapshotVariant& variant) const {
    return snapshot_.concepts[variant.meaning].partOfSpeech;
  }

  // One past the last position in order_ of the entry that starts at `first`.
  std::size_t EntryEnd(std::size_t first) const {
    const SnapshotVariant& lead = snapshot_.variants[order_[first]];
    std::size_t end = first + 1;
    while (end < order_.size()) {
      const SnapshotVariant& next = snapshot_.variants[order_[end]];
      if (next.literal != lead.literal || PartOfSpeechOf(next) != PartOfSpeechOf(lead)) break;
      ++end;
    }
    return end;
  }

  void GroupLinks() {
    for (std::uint32_t i = 0; i < snapshot_.links.size(); ++i) {
      const SnapshotLink& link = snapshot_.links[i];
      if (LmfTypeOfRelation(link.relation) == nullptr) {
        ++report_.unknownRelations;
      } else if (link.sourceVariant != kNone) {
        senseLinks_[link.sourceVariant].push_back(i);
      } else {
        synsetLinks_[link.sourceConcept].push_back(i);
        if (link.targetVariant != kNone) ++report_.narrowedLinks;
      }
    }
  }

  // A concept's examples that every one of its variants has; the others stay with their variant.
  void FindCommonExamples() {
    for (std::uint32_t c = 0; c < snapshot_.concepts.size(); ++c) {
      const std::vector<std::uint32_t>& members = snapshot_.concepts[c].variants;
      if (members.empty()) continue;
      for (const std::string& example : snapshot_.variants[members[0]].examples) {
        const bool everywhere = std::all_of(members.begin(), members.end(), [&](std::uint32_t v) {
          const std::vector<std::string>& own = snapshot_.variants[v].examples;
          return std::find(own.begin(), own.end(), example) != own.end();
        });
        if (everywhere) common_[c].push_back(example);
      }
    }
  }

  void WriteEntries() {
    std::size_t entry = 0;
    for (std::size_t first = 0; first < order_.size(); ++entry) {
      const std::size_t end = EntryEnd(first);
      const SnapshotVariant& lead = snapshot_.variants[order_[first]];
      xml_.Open("LexicalEntry");
      xml_.Attribute("id", entryIds_[entry]);
      xml_.Open("Lemma");
      xml_.Attribute("writtenForm", lead.literal);
      xml_.Attribute("partOfSpeech", PartOfSpeechLetter(PartOfSpeechOf(lead)));
      xml_.Close();
      for (std::size_t i = first; i < end; ++i) WriteSense(order_[i]);
      xml_.Close();
      ++report_.entries;
      first = end;
    }
  }

  void WriteSense(std::uint32_t v) {
    const SnapshotVariant& variant = snapshot_.variants[v];
    xml_.Open("Sense");
    xml_.Attribute("id", senseIds_[v]);
    xml_.Attribute("synset", synsetIds_[variant.meaning]);
    if (variant.sense > 0) xml_.Attribute("n", std::to_string(variant.sense));
    if (!variant.senseKey.empty()) xml_.Attribute("dc:identifier", variant.senseKey);
    if (const char* position = AdjectivePositionCode(variant.adjectivePosition)) {
      xml_.Attribute("adjposition", position);
    }
    if (!variant.frames.empty()) {
      std::string subcat;
      for (const std::string& frame : variant.frames) {
        subcat += (subcat.empty() ? "" : " ") + frameIds_.at(frame);
      }
      xml_.Attribute("subcat", subcat);
    }
    for (std::uint32_t link : senseLinks_[v]) WriteRelation("SenseRelation", link);
    std::vector<std::string> shared = common_[variant.meaning];
    for (const std::string& example : variant.examples) {
      const auto found = std::find(shared.begin(), shared.end(), example);
      if (found != shared.end()) {
        shared.erase(found);
      } else {
        WriteText("Example", example);
      }
    }
    for (std::uint32_t count : variant.counts) {
      xml_.Open("Count");
      xml_.Text(std::to_string(count));
      xml_.Close();
    }
    xml_.Close();
    ++report_.senses;
  }

  void WriteSynset(std::uint32_t c) {
    const SnapshotConcept& meaning = snapshot_.concepts[c];
    const SnapshotIli* ili = meaning.ili >= 0 ? &snapshot_.ili[meaning.ili] : nullptr;
    const bool newMeaning = ili != nullptr && ili->identifier.empty() && ili->addOn != 0;
    xml_.Open("Synset");
    xml_.Attribute("id", synsetIds_[c]);
    xml_.Attribute("ili", ili == nullptr ? "" : newMeaning ? "in" : ili->identifier);
    xml_.Attribute("partOfSpeech", PartOfSpeechLetter(meaning.partOfSpeech));
    if (!meaning.variants.empty()) {
      std::string members;
      for (std::uint32_t v : meaning.variants)
        members += (members.empty() ? "" : " ") + senseIds_[v];
      xml_.Attribute("members", members);
    }
    if (!IsBlank(meaning.definition)) WriteText("Definition", meaning.definition);
    if (newMeaning && !IsBlank(ili->gloss)) WriteText("ILIDefinition", ili->gloss);
    for (std::uint32_t link : synsetLinks_[c]) WriteRelation("SynsetRelation", link);
    for (const std::string& example : common_[c]) WriteText("Example", example);
    xml_.Close();
    ++report_.synsets;
  }

  void WriteRelation(const char* element, std::uint32_t index) {
    const SnapshotLink& link = snapshot_.links[index];
    const char* type = LmfTypeOfRelation(link.relation);
    xml_.Open(element);
    xml_.Attribute("relType", type);
    const bool toSense = link.targetVariant != kNone && link.sourceVariant != kNone;
    xml_.Attribute("target",
                   toSense ? senseIds_[link.targetVariant] : synsetIds_[link.targetConcept]);
    if (std::string_view(type) == "other") xml_.Attribute("dc:type", RelationCode(link.relation));
    xml_.Close();
    ++report_.relations;
  }

  // Text that the import would change (runs of blanks, line breaks) goes out marked preserved.
  void WriteText(const char* element, const std::string& text) {
    if (IsBlank(text)) return;
    xml_.Open(element);
    if (CollapseWhitespace(text) != text) xml_.Attribute("xml:space", "preserve");
    xml_.Text(text);
    xml_.Close();
  }

  const LmfLanguageSnapshot& snapshot_;
  LmfXmlWriter xml_;
  const std::string lexicon_;
  LmfIdentifiers ids_;
  std::vector<std::string> synsetIds_;                   // by concept index
  std::vector<std::string> senseIds_;                    // by variant index
  std::vector<std::string> entryIds_;                    // by entry, in order_
  std::vector<std::uint32_t> order_;                     // variant indexes, entry by entry
  std::vector<std::vector<std::uint32_t>> senseLinks_;   // link indexes by source variant
  std::vector<std::vector<std::uint32_t>> synsetLinks_;  // link indexes by source concept
  std::vector<std::vector<std::string>> common_;         // synset examples by concept
  std::unordered_map<std::string, std::string> frameIds_;
  std::vector<std::pair<std::string, std::string>> frames_;  // (text, id) in first use order
  LmfExportReport report_;
};

}  // namespace

LmfExportReport ExportLmfLanguage(void* database, std::uint32_t store, const std::string& code,
                                  const std::string& name, std::ostream& out) {
  const LmfLanguageSnapshot snapshot(database, store);
  return DocumentWriter(snapshot, code, out).Write(code, name);
}

}  // namespace importers
