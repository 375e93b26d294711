#include "LmfLexiconResolver.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "BuildFailure.h"
#include "RelationTable.h"

namespace importers {
namespace {

// Calls visit(token) for each blank-separated token of an IDREFS value.
template <typename Visit>
void ForEachToken(std::string_view text, Visit visit) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(" \t\r\n", at);
    if (start == std::string_view::npos) return;
    const std::size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
    visit(std::string(text.substr(start, end - start)));
    at = end;
  }
}

void AddFrame(LmfSense& sense, std::uint32_t frame) {
  if (std::find(sense.frames.begin(), sense.frames.end(), frame) == sense.frames.end()) {
    sense.frames.push_back(frame);
  }
}

class Resolver {
 public:
  Resolver(LmfLexicon& lexicon, const LmfIds& ids, std::uint32_t ordinal)
      : lexicon_(lexicon), ids_(ids), ordinal_(ordinal) {}

  void Run(const std::vector<LmfFrameUse>& frameUses) {
    ResolveSenses();
    ResolveFrames(frameUses);
    ResolveMembers();
    ResolveRelations();
    SettlePartsOfSpeech();
    NumberSenses();
  }

 private:
  [[noreturn]] void Fail(std::uint32_t line, const std::string& what) const {
    throw BuildFailure(WhereText(lexicon_.file, line, what));
  }

  // What `id` names in this lexicon, or null.
  const LmfIdTarget* Find(const std::string& id, LmfIdTarget::Kind kind) const {
    const LmfIdTarget* found = ids_.Find(id, kind);
    return found != nullptr && found->lexicon == ordinal_ ? found : nullptr;
  }

  void ResolveSenses() {
    for (LmfSense& sense : lexicon_.senses) {
      const LmfIdTarget* synset = Find(sense.synsetId, LmfIdTarget::kSynset);
      if (synset == nullptr) {
        Fail(sense.line, "sense of synset \"" + sense.synsetId + "\", which the lexicon lacks");
      }
      sense.synset = synset->index;
      std::string().swap(sense.synsetId);
    }
  }

  void ResolveFrames(const std::vector<LmfFrameUse>& frameUses) {
    for (LmfSense& sense : lexicon_.senses) {
      ForEachToken(sense.subcat, [&](const std::string& id) {
        const LmfIdTarget* frame = Find(id, LmfIdTarget::kFrame);
        if (frame == nullptr) Fail(sense.line, "subcat names no SyntacticBehaviour \"" + id + "\"");
        AddFrame(sense, frame->index);
      });
      std::string().swap(sense.subcat);
    }
    for (const LmfFrameUse& use : frameUses) {
      ForEachToken(use.senses, [&](const std::string& id) {
        const LmfIdTarget* sense = Find(id, LmfIdTarget::kSense);
        if (sense == nullptr) Fail(use.line, "SyntacticBehaviour names no sense \"" + id + "\"");
        AddFrame(lexicon_.senses[sense->index], use.frame);
      });
    }
  }

  // A synset's senses in the order its "members" give, then those it does not list in file order.
  void ResolveMembers() {
    std::vector<std::vector<std::uint32_t>> bySynset(lexicon_.synsets.size());
    for (std::uint32_t i = 0; i < lexicon_.senses.size(); ++i) {
      bySynset[lexicon_.senses[i].synset].push_back(i);
    }
    for (std::uint32_t s = 0; s < lexicon_.synsets.size(); ++s) {
      LmfSynset& synset = lexicon_.synsets[s];
      std::vector<std::uint32_t>& order = synset.senses;
      auto place = [&](std::uint32_t sense) {
        if (std::find(order.begin(), order.end(), sense) == order.end()) order.push_back(sense);
      };
      ForEachToken(synset.members, [&](const std::string& id) {
        // WN-LMF names senses here; some files name their entries instead.
        bool found = false;
        if (const LmfIdTarget* sense = Find(id, LmfIdTarget::kSense)) {
          found = lexicon_.senses[sense->index].synset == s;
          if (found) place(sense->index);
        } else if (const LmfIdTarget* entry = Find(id, LmfIdTarget::kEntry)) {
          for (std::uint32_t sense : bySynset[s]) {
            if (lexicon_.senses[sense].entry == entry->index) {
              place(sense);
              found = true;
            }
          }
        }
        if (!found) {
          Fail(synset.line, "members of synset \"" + synset.id + "\" name \"" + id +
                                "\", which is no sense of it");
        }
      });
      std::string().swap(synset.members);
      for (std::uint32_t sense : bySynset[s]) place(sense);
    }
  }

  void ResolveRelations() {
    for (LmfRelation& relation : lexicon_.relations) {
      // A sense relation names a sense, or in some files a synset.
      const LmfIdTarget* target =
          relation.fromSense ? Find(relation.targetId, LmfIdTarget::kSense) : nullptr;
      if (target == nullptr) target = Find(relation.targetId, LmfIdTarget::kSynset);
      if (target == nullptr) {
        Fail(relation.line, std::string(relation.fromSense ? "sense" : "synset") +
                                " relation to \"" + relation.targetId +
                                "\", which the lexicon has no " +
                                (relation.fromSense ? "sense or synset" : "synset") + " for");
      }
      relation.toSense = target->kind == LmfIdTarget::kSense;
      relation.target = target->index;
      std::string().swap(relation.targetId);
      if (!relation.fromSense && relation.relation == kBelongsToClass) {
        lexicon_.synsets[relation.source].instance = true;
      }
    }
  }

  void SettlePartsOfSpeech() {
    for (LmfSynset& synset : lexicon_.synsets) {
      if (synset.partOfSpeech != 0) continue;
      if (synset.senses.empty()) {
        Fail(synset.line, "synset \"" + synset.id + "\" gives no part of speech and has no senses");
      }
      synset.partOfSpeech = lexicon_.entries[lexicon_.senses[synset.senses[0]].entry].partOfSpeech;
    }
  }

  void NumberSenses() {
    std::unordered_map<std::string, std::uint16_t> positions;
    for (const LmfEntry& entry : lexicon_.entries) {
      std::uint16_t& position =
          positions[entry.lemma + '\x1f' + static_cast<char>('0' + entry.partOfSpeech)];
      for (std::uint32_t i = 0; i < entry.senseCount; ++i) {
        if (position < 32767) ++position;
        LmfSense& sense = lexicon_.senses[entry.firstSense + i];
        sense.number = sense.n != 0 ? static_cast<std::uint16_t>(sense.n) : position;
      }
    }
  }

  LmfLexicon& lexicon_;
  const LmfIds& ids_;
  std::uint32_t ordinal_;
};

}  // namespace

LmfLexicon ResolveLmfLexicon(LmfLexicon lexicon, const LmfIds& ids, std::uint32_t ordinal,
                             const std::vector<LmfFrameUse>& frameUses) {
  Resolver(lexicon, ids, ordinal).Run(frameUses);
  return lexicon;
}

}  // namespace importers
