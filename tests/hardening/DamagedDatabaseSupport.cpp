#include "hardening/DamagedDatabaseSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "ArbError.h"
#include "Concept.h"
#include "ConceptLinks.h"
#include "ConceptVariants.h"
#include "Concepts.h"
#include "Dictionary.h"
#include "Examples.h"
#include "ILIRecords.h"
#include "Language.h"
#include "LanguageWordNets.h"
#include "PLXException.h"
#include "Polylex.h"
#include "Relations.h"
#include "Site.h"
#include "String.h"
#include "lexicon/Factory.h"

using lexicon::Owned;

namespace damage {

namespace {

// Far more than the small database holds: a damaged index that loops stops here.
constexpr int kMaxItems = 64;

const char* NameOf(Kind kind) {
  switch (kind) {
    case Kind::kBitFlips:
      return "bit flips";
    case Kind::kTruncation:
      return "truncation";
    case Kind::kRandomBytes:
      return "random bytes";
    case Kind::kZeros:
      return "zeros";
  }
  return "?";
}

// The message of the library error that `action` throws, or empty when it throws none. Errors of
// other kinds pass through.
template <typename Action>
std::string LibraryErrorOf(Action action) {
  try {
    action();
  } catch (const PLXException& error) {
    return static_cast<const char*>(error);
  } catch (const ArbError& error) {
    return static_cast<const char*>(error);
  } catch (std::int32_t code) {
    // The text layer's codes: text that is not UTF-8, or no memory for it.
    return "text error " + std::to_string(code);
  }
  return {};
}

// Reads everything reachable, counting what it is handed.
class Reader {
 public:
  std::size_t Items() const { return items_; }
  std::size_t RefusedItems() const { return refusedItems_; }

  void Database(Polylex& polylex) {
    polylex.GetDataVersion();
    if (Site* site = polylex.GetSite()) {
      const Owned<Site> held(site);
      Text(held->GetName());
      Text(held->GetLanguageCode());
    }
    Walk<Relation>(polylex.GetRelations(),
                   [this](Relation& relation) { Text(relation.GetName()); });
    Walk<ILIRecord>(polylex.GetILIRecords(), [this](ILIRecord& record) { Ili(record); });
    Walk<LanguageWordNet>(polylex.GetLanguageWordNets(),
                          [this](LanguageWordNet& wordNet) { WordNet(wordNet); });
  }

 private:
  // Hands each item of `cursor` (which may be null) to `visit`, then destroys item and cursor. A
  // record the library refuses to read is counted and passed over, as a viewer would show the rest.
  template <typename Item, typename Cursor, typename Visit>
  void Walk(Cursor* cursor, Visit visit) {
    if (cursor == nullptr) return;
    const Owned<Cursor> held(cursor);
    Item* item = nullptr;
    for (int more = held->GetFirst(&item), count = 0; more != 0 && count < kMaxItems;
         more = held->GetNext(&item), ++count) {
      const Owned<Item> owned(item);
      ++items_;
      if (!LibraryErrorOf([&] { visit(*owned); }).empty()) ++refusedItems_;
    }
  }

  void Text(BSTR text) {
    ++items_;
    if (text != nullptr) SysFreeString(text);
  }

  void Ili(ILIRecord& record) {
    Text(record.GetGloss());
    Text(record.GetPartOfSpeech());
    record.GetWordNetOffset();
  }

  void WordNet(LanguageWordNet& wordNet) {
    wordNet.GetStoreID();
    if (Language* language = wordNet.GetLanguage()) {
      const Owned<Language> held(language);
      Text(held->GetCode());
      Text(held->GetName("en"));
    }
    Walk<Concept>(wordNet.GetConcepts(), [this, &wordNet](Concept& meaning) {
      ConceptAndNeighbours(meaning);
      BSTR exported = nullptr;
      if (wordNet.ExportConcept(&meaning, &exported) != 0) Text(exported);
    });
    Walk<DictionaryEntry>(wordNet.GetDictionary(), [this, &wordNet](DictionaryEntry& entry) {
      const BSTR literal = entry.GetLiteral();
      if (literal == nullptr) return;
      const String word(literal);
      Text(literal);
      // The look-up by word goes through the literal index once more.
      Walk<ConceptVariant>(wordNet.GetConceptVariants(word.GetAnsi()),
                           [this](ConceptVariant& variant) { Variant(variant); });
    });
  }

  void ConceptAndNeighbours(Concept& meaning) {
    meaning.GetType();
    meaning.GetPartOfSpeechCode();
    Text(meaning.GetPartOfSpeech());
    meaning.GetConceptVariantCount();
    Walk<ConceptVariant>(meaning.GetConceptVariants(),
                         [this](ConceptVariant& variant) { Variant(variant); });
    Walk<ConceptLink>(meaning.GetConceptLinks(0), [this](ConceptLink& link) { Link(link); });
    Walk<Concept>(meaning.GetHyperonyms(),
                  [this](Concept& other) { Text(other.GetPartOfSpeech()); });
    Walk<Concept>(meaning.GetHyponyms(), [this](Concept& other) { Text(other.GetPartOfSpeech()); });
    ILIRecords* records = nullptr;
    if (meaning.GetILIRecords(0, &records) != 0) {
      Walk<ILIRecord>(records, [this](ILIRecord& record) { Ili(record); });
    }
    ILIRecord* synonym = nullptr;
    if (meaning.GetEqSynonym(&synonym) != 0 && synonym != nullptr) {
      const Owned<ILIRecord> held(synonym);
      Ili(*held);
    }
  }

  void Variant(ConceptVariant& variant) {
    Text(variant.GetLiteral());
    variant.GetSense();
    Text(variant.GetDefinition());
    Text(variant.GetStatus());
    Text(variant.GetPartOfSpeech());
    Text(variant.GetFeatures());
    Text(variant.GetUsageLabels());
    variant.GetBaseConceptID();
    if (Concept* base = variant.GetBaseConcept()) Owned<Concept> {
        base
        } -> GetType();
    if (Examples* examples = variant.GetExamples()) {
      const Owned<Examples> held(examples);
      BSTR text = nullptr;
      for (int more = held->GetFirst(&text), count = 0; more != 0 && count < kMaxItems;
           more = held->GetNext(&text), ++count) {
        Text(text);
      }
    }
  }

  void Link(ConceptLink& link) {
    link.GetRelation();
    link.GetSourceConceptID();
    link.GetTargetConceptID();
    link.GetConjunctive();
    link.GetDisjunctive();
    link.GetFactivity();
    link.GetNegative();
    link.GetReversed();
    if (Concept* target = link.GetTargetConcept()) Owned<Concept> {
        target
        } -> GetType();
    if (ConceptVariant* source = link.GetSourceVariant()) Variant(*Owned<ConceptVariant>{source});
    if (ConceptVariant* target = link.GetTargetVariant()) Variant(*Owned<ConceptVariant>{target});
  }

  std::size_t items_ = 0;
  std::size_t refusedItems_ = 0;
};

}  // namespace

Mutation Choose(std::uint32_t seed, std::size_t size) {
  std::mt19937 random(seed);
  const auto below = [&random](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
  };
  const Kind kind = static_cast<Kind>(below(4));
  switch (kind) {
    case Kind::kBitFlips:
      return {seed, kind, 0, 1 + below(8)};
    case Kind::kTruncation:
      return {seed, kind, below(size), 0};
    case Kind::kRandomBytes:
    case Kind::kZeros:
      break;
  }
  const std::size_t offset = below(size);
  return {seed, kind, offset, std::min(size - offset, 1 + below(256))};
}

std::vector<char> Apply(const Mutation& mutation, std::vector<char> bytes) {
  // A generator of its own, after the one that chose the mutation, so that the damage is the
  // same whatever the file size.
  std::mt19937 random(mutation.seed ^ 0x9E3779B9u);
  switch (mutation.kind) {
    case Kind::kBitFlips:
      for (std::size_t flip = 0; flip < mutation.length; ++flip) {
        const std::size_t bit =
            std::uniform_int_distribution<std::size_t>(0, bytes.size() * 8 - 1)(random);
        bytes[bit / 8] = static_cast<char>(bytes[bit / 8] ^ (1 << (bit % 8)));
      }
      break;
    case Kind::kTruncation:
      bytes.resize(mutation.offset);
      break;
    case Kind::kRandomBytes:
      for (std::size_t i = 0; i < mutation.length; ++i) {
        bytes[mutation.offset + i] = static_cast<char>(random());
      }
      break;
    case Kind::kZeros:
      std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(mutation.offset), mutation.length, 0);
      break;
  }
  return bytes;
}

std::string Describe(const Mutation& mutation) {
  return "seed " + std::to_string(mutation.seed) + ": " + NameOf(mutation.kind) + ", offset " +
         std::to_string(mutation.offset) + ", length " + std::to_string(mutation.length);
}

Verdict OpenAndRead(const std::string& path) {
  Verdict verdict;
  Reader reader;
  verdict.error = LibraryErrorOf([&] {
    Polylex polylex;
    polylex.Open(path.c_str(), nullptr, 1, 0);
    reader.Database(polylex);
  });
  verdict.read = verdict.error.empty();
  verdict.items = reader.Items();
  verdict.refusedItems = reader.RefusedItems();
  return verdict;
}

Watchdog::Watchdog(std::chrono::seconds limit)
    : limit_(limit), started_(std::chrono::steady_clock::now()), thread_([this] { Watch(); }) {}

Watchdog::~Watchdog() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void Watchdog::Start(const std::string& label) {
  {
    const std::lock_guard lock(mutex_);
    label_ = label;
    started_ = std::chrono::steady_clock::now();
  }
  changed_.notify_all();
}

void Watchdog::Watch() {
  std::unique_lock lock(mutex_);
  while (!stopping_) {
    const auto deadline = started_ + limit_;
    if (changed_.wait_until(lock, deadline) == std::cv_status::timeout && !stopping_ &&
        std::chrono::steady_clock::now() >= started_ + limit_) {
      std::fprintf(stderr, "damaged database case hangs: %s\n", label_.c_str());
      std::abort();
    }
  }
}

}  // namespace damage
