// polylex lookup: the meanings of a word as a reader wants them, grouped by part of speech.
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "ArbError.h"
#include "BaseFormNote.h"
#include "BaseForms.h"
#include "Commands.h"
#include "Concept.h"
#include "ConceptLink.h"
#include "ConceptLinks.h"
#include "ConceptVariant.h"
#include "ConceptVariants.h"
#include "Concepts.h"
#include "ErrorText.h"
#include "ILIRecord.h"
#include "ILIRecords.h"
#include "Language.h"
#include "LanguageChoice.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "Polylex.h"
#include "Relation.h"
#include "Relations.h"
#include "TopConcept.h"
#include "TopConceptVariant.h"
#include "TopConceptVariants.h"
#include "platform/TextConvert.h"

using lexicon::Owned;

namespace polylex {
namespace {

// A walk up the hyperonyms stops here, and no meaning prints more paths than this.
constexpr std::size_t kMaxPathLinks = 50;
constexpr std::size_t kMaxPaths = 10;

const char* const kPartOfSpeechNames[] = {"Unknown",   "Noun",   "Verb",
                                          "Adjective", "Adverb", "Proper noun"};

std::string TextOf(BSTR text) {
  std::string narrow = text == nullptr ? "" : platform::Utf16ToUtf8(text);
  SysFreeString(text);
  return narrow;
}

// Hands each item of a collection to `visit`, which owns it for the call.
template <typename Item, typename Collection, typename Visit>
void ForEach(Collection* collection, Visit visit) {
  if (collection == nullptr) return;
  const Owned<Collection> owned(collection);
  Item* item = nullptr;
  while (owned->GetNext(&item) != 0) {
    Owned<Item> each(item);
    visit(*each);
  }
}

// "literal :sense, literal :sense" of the concept's variants, in member order.
std::string VariantsOf(Concept& meaning) {
  std::string text;
  ForEach<ConceptVariant>(meaning.GetConceptVariants(), [&](ConceptVariant& variant) {
    text += (text.empty() ? "" : ", ") + TextOf(variant.GetLiteral()) + " :" +
            std::to_string(variant.GetSense());
  });
  return text;
}

// The first variant of the concept, for a short label.
std::string LabelOf(Concept& meaning) {
  const std::string all = VariantsOf(meaning);
  return all.substr(0, all.find(", "));
}

struct Meaning {
  Owned<Concept> record;
  std::int16_t sense = 0;  // the looked-up word's sense number in it
  std::string definition;
};

// The word's meanings with its sense number in each (letter case of the word ignored).
std::vector<Meaning> MeaningsOf(LanguageWordNet& language, const std::string& word) {
  std::vector<Meaning> meanings;
  ForEach<Concept>(language.GetConcepts(word.c_str()), [&](Concept& found) {
    Meaning meaning;
    meaning.record.reset(lexicon::Factory::New<Concept>(found));
    ForEach<ConceptVariant>(found.GetConceptVariants(), [&](ConceptVariant& variant) {
      if (meaning.definition.empty()) meaning.definition = TextOf(variant.GetDefinition());
      if (meaning.sense == 0 &&
          strcasecmp(TextOf(variant.GetLiteral()).c_str(), word.c_str()) == 0) {
        meaning.sense = variant.GetSense();
      }
    });
    meanings.push_back(std::move(meaning));
  });
  std::stable_sort(meanings.begin(), meanings.end(), [](const Meaning& a, const Meaning& b) {
    const std::int16_t posA = a.record->GetPartOfSpeechCode();
    const std::int16_t posB = b.record->GetPartOfSpeechCode();
    return posA != posB ? posA < posB : a.sense < b.sense;
  });
  return meanings;
}

class Printer {
 public:
  Printer(Polylex& database, LanguageWordNet& language, const LookupOptions& options)
      : database_(database), language_(language), options_(options) {
    if (options.relations) {
      ForEach<Relation>(database.GetRelations(), [&](Relation& relation) {
        relationNames_[relation.GetRelationID()] = TextOf(relation.GetName());
      });
    }
  }

  void Print(Meaning& meaning) {
    Concept& record = *meaning.record;
    std::printf("  %d. %s\n", meaning.sense, VariantsOf(record).c_str());
    if (!meaning.definition.empty()) std::printf("     %s\n", meaning.definition.c_str());
    std::vector<std::uint32_t> iliIds;
    ILIRecords* records = nullptr;
    if (record.GetILIRecords(0, &records) != 0) {
      ForEach<ILIRecord>(records, [&](ILIRecord& record) {
        iliIds.push_back(static_cast<std::uint32_t>(record.GetRecordID()));
        std::printf("     ILI %08d-%s: %s\n", record.GetWordNetOffset(),
                    TextOf(record.GetPartOfSpeech()).c_str(), TextOf(record.GetGloss()).c_str());
        if (options_.top) PrintOntology(record);
      });
    }
    if (options_.relations) PrintRelations(record);
    if (options_.top) PrintTopPaths(record);
    if (options_.ili) PrintEquivalents(iliIds);
  }

 private:
  void PrintRelations(Concept& record) {
    ForEach<ConceptLink>(record.GetConceptLinks(0), [&](ConceptLink& link) {
      const auto name = relationNames_.find(link.GetRelation());
      const std::string relation = name != relationNames_.end() && !name->second.empty()
                                       ? name->second
                                       : "relation " + std::to_string(link.GetRelation());
      const Owned<Concept> target(link.GetTargetConcept());
      std::printf("     %s: %s\n", relation.c_str(),
                  target ? VariantsOf(*target).c_str() : "(missing target)");
    });
  }

  // Every path up the hyperonyms to a concept that has none.
  void PrintTopPaths(Concept& record) {
    std::vector<std::string> paths;
    Walk(record, LabelOf(record), 0, paths);
    for (const std::string& path : paths) std::printf("     top: %s\n", path.c_str());
  }

  void Walk(Concept& from, const std::string& path, std::size_t links,
            std::vector<std::string>& paths) {
    bool any = false;
    ForEach<Concept>(from.GetHyperonyms(), [&](Concept& up) {
      if (paths.size() >= kMaxPaths) return;
      any = true;
      const std::string longer = path + " > " + LabelOf(up);
      if (links + 1 >= kMaxPathLinks) {
        paths.push_back(longer + " > ...");
      } else {
        Walk(up, longer, links + 1, paths);
      }
    });
    if (!any && links > 0 && paths.size() < kMaxPaths) paths.push_back(path);
  }

  // The top concept that classifies the ILI record, with its super concepts, named in this
  // language where it has words for them.
  void PrintOntology(ILIRecord& record) {
    TopConcept* found = nullptr;
    if (record.GetTopConcept(&found) == 0) return;
    Owned<TopConcept> top(found);
    std::string chain;
    for (std::size_t depth = 0; top && depth < kMaxPathLinks; ++depth) {
      chain += (chain.empty() ? "" : " < ") + NameOf(*top);
      TopConcept* super = nullptr;
      top.reset(top->GetSuper(&super) != 0 ? super : nullptr);
    }
    std::printf("     ontology: %s\n", chain.c_str());
  }

  std::string NameOf(TopConcept& top) {
    std::string name;
    ForEach<TopConceptVariant>(top.GetTopConceptVariants(language_.GetStoreID()),
                               [&](TopConceptVariant& variant) {
                                 if (name.empty()) name = TextOf(variant.GetLiteral());
                               });
    return name.empty() ? TextOf(top.GetGloss()) : name;
  }

  // The concepts of every other language linked to the same ILI records.
  void PrintEquivalents(const std::vector<std::uint32_t>& iliIds) {
    ForEach<LanguageWordNet>(database_.GetLanguageWordNets(), [&](LanguageWordNet& other) {
      if (other.GetStoreID() == language_.GetStoreID()) return;
      const std::string code = TextOf(Owned<Language>(other.GetLanguage())->GetCode());
      for (const std::uint32_t ili : iliIds) {
        ForEach<Concept>(other.GetConcepts(ili, 0), [&](Concept& equivalent) {
          std::printf("     %s: %s\n", code.c_str(), VariantsOf(equivalent).c_str());
        });
      }
    });
  }

  Polylex& database_;
  LanguageWordNet& language_;
  const LookupOptions& options_;
  std::map<std::int16_t, std::string> relationNames_;
};

// One word form's meanings under its heading, grouped by part of speech.
void PrintMeanings(Printer& printer, const std::string& form, const std::string& code,
                   std::vector<Meaning>& meanings) {
  std::int16_t partOfSpeech = -1;
  std::printf("%s (%s)\n", form.c_str(), code.c_str());
  for (Meaning& meaning : meanings) {
    const std::int16_t each = meaning.record->GetPartOfSpeechCode();
    if (each != partOfSpeech) {
      partOfSpeech = each;
      std::printf("%s\n", each >= 0 && each <= 5 ? kPartOfSpeechNames[each] : "Other");
    }
    printer.Print(meaning);
  }
}

}  // namespace

int RunLookup(const std::string& path, const std::string& code, const std::string& word,
              const LookupOptions& options) {
  return WithLibraryErrors(path, [&] {
    Polylex database;
    database.Open(path.c_str(), nullptr, 1, 0);
    const Owned<LanguageWordNet> language = ChooseLanguage(database, path, code);
    if (!language) return 1;
    std::vector<std::string> forms{word};
    std::vector<Meaning> meanings = MeaningsOf(*language, word);
    if (meanings.empty() && !options.exact) {
      forms = BaseForms(*language).Find(word.c_str());
      if (!forms.empty()) {
        std::printf("%s\n", BaseFormNote(word, forms).c_str());
        meanings = MeaningsOf(*language, forms.front());
      }
    }
    if (meanings.empty()) {
      std::fprintf(stderr, "polylex: %s has no word \"%s\"\n", code.c_str(), word.c_str());
      return 1;
    }
    Printer printer(database, *language, options);
    for (std::size_t i = 0; i < forms.size(); ++i) {
      if (i > 0) meanings = MeaningsOf(*language, forms[i]);
      PrintMeanings(printer, forms[i], code, meanings);
    }
    return 0;
  });
}

}  // namespace polylex
