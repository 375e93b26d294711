#include "LmfReader.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <unordered_map>

#include "BuildFailure.h"
#include "LmfIds.h"
#include "LmfLexiconResolver.h"
#include "LmfRelationTypes.h"
#include "LmfText.h"
#include "LmfXmlParser.h"

namespace importers {
namespace {

// Frequencies are stored as signed 32-bit numbers; larger sums stop there.
constexpr std::uint32_t kMaxCount = 0x7FFFFFFF;

enum class Element : std::uint8_t {
  kNone,
  kResource,
  kLexicon,
  kExtension,
  kEntry,
  kLemma,
  kSense,
  kSenseRelation,
  kCount,
  kExample,
  kSynset,
  kDefinition,
  kIliDefinition,
  kSynsetRelation,
  kBehaviour,
  kIgnored,  // WN-LMF elements the database has no place for
  kUnknown,
};

struct ElementName {
  std::string_view name;
  Element element;
};

constexpr ElementName kElements[] = {
    {"LexicalResource", Element::kResource},
    {"Lexicon", Element::kLexicon},
    {"LexiconExtension", Element::kExtension},
    {"LexicalEntry", Element::kEntry},
    {"Lemma", Element::kLemma},
    {"Sense", Element::kSense},
    {"SenseRelation", Element::kSenseRelation},
    {"Count", Element::kCount},
    {"Example", Element::kExample},
    {"Synset", Element::kSynset},
    {"Definition", Element::kDefinition},
    {"ILIDefinition", Element::kIliDefinition},
    {"SynsetRelation", Element::kSynsetRelation},
    {"SyntacticBehaviour", Element::kBehaviour},
    {"Form", Element::kIgnored},
    {"Tag", Element::kIgnored},
    {"Pronunciation", Element::kIgnored},
    {"Requires", Element::kIgnored},
    {"Meta", Element::kIgnored},
};

Element ElementOf(std::string_view name) {
  for (const ElementName& known : kElements) {
    if (known.name == name) return known.element;
  }
  return Element::kUnknown;
}

// Where each element may stand; elements not listed are passed over wherever they are.
bool Allowed(Element element, Element parent) {
  switch (element) {
    case Element::kResource:
      return parent == Element::kNone;
    case Element::kLexicon:
    case Element::kExtension:
      return parent == Element::kResource;
    case Element::kEntry:
    case Element::kSynset:
      return parent == Element::kLexicon;
    case Element::kLemma:
    case Element::kSense:
      return parent == Element::kEntry;
    case Element::kSenseRelation:
    case Element::kCount:
      return parent == Element::kSense;
    case Element::kExample:
      return parent == Element::kSense || parent == Element::kSynset;
    case Element::kDefinition:
    case Element::kIliDefinition:
    case Element::kSynsetRelation:
      return parent == Element::kSynset;
    case Element::kBehaviour:
      return parent == Element::kEntry || parent == Element::kLexicon;
    default:
      return parent != Element::kNone;
  }
}

bool IsTextElement(Element element) {
  return element == Element::kCount || element == Element::kExample ||
         element == Element::kDefinition || element == Element::kIliDefinition;
}

class DocumentReader final : public LmfXmlHandler {
 public:
  DocumentReader(LmfXmlParser& parser, Diagnostics& diagnostics)
      : parser_(parser), diagnostics_(diagnostics) {}

  std::vector<LmfLexicon> TakeLexicons() { return std::move(lexicons_); }

  void Start(std::string_view name, const LmfAttributes& attributes) override {
    if (skipDepth_ > 0) {
      ++skipDepth_;
      return;
    }
    const Element parent = stack_.empty() ? Element::kNone : stack_.back();
    const Element element = ElementOf(name);
    if (element == Element::kUnknown && parent != Element::kNone) {
      if (unknownNames_.insert(std::string(name)).second) {
        Warn("unknown element <" + std::string(name) + "> left out");
      }
      skipDepth_ = 1;
      return;
    }
    if (!Allowed(element, parent)) {
      if (parent == Element::kNone) {
        Fail("not a WN-LMF document: the root element is <" + std::string(name) +
             ">, not <LexicalResource>");
      }
      Fail("<" + std::string(name) + "> cannot stand inside <" + NameOf(parent) + ">");
    }
    if (element == Element::kExtension) {
      Warn("lexicon extension \"" + Optional(attributes, "id") +
           "\" left out: extensions of other lexicons are not imported");
    }
    if (element == Element::kIgnored || element == Element::kExtension) {
      skipDepth_ = 1;
      return;
    }
    const char* space = attributes.Find("xml:space");
    preserve_.push_back(space != nullptr ? std::string_view(space) == "preserve"
                                         : !preserve_.empty() && preserve_.back());
    stack_.push_back(element);
    text_.clear();
    textLine_ = parser_.Line();
    StartElement(element, name, attributes);
  }

  void End(std::string_view) override {
    if (skipDepth_ > 0) {
      --skipDepth_;
      return;
    }
    const Element element = stack_.back();
    EndElement(element);
    stack_.pop_back();
    preserve_.pop_back();
  }

  void Text(std::string_view text) override {
    if (skipDepth_ == 0 && !stack_.empty() && IsTextElement(stack_.back())) text_ += text;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw BuildFailure(WhereText(parser_.Path(), parser_.Line(), what));
  }

  void Warn(const std::string& what) const {
    diagnostics_.Warn(parser_.Path(), parser_.Line(), what);
  }

  static std::string NameOf(Element element) {
    for (const ElementName& known : kElements) {
      if (known.element == element) return std::string(known.name);
    }
    return "?";
  }

  std::string Required(const LmfAttributes& attributes, std::string_view element,
                       const char* name) const {
    const char* value = attributes.Find(name);
    if (value == nullptr) {
      Fail("<" + std::string(element) + "> lacks the required attribute " + name);
    }
    return value;
  }

  std::string Optional(const LmfAttributes& attributes, const char* name) const {
    const char* value = attributes.Find(name);
    return value != nullptr ? value : "";
  }

  void Register(const std::string& id, LmfIdTarget::Kind kind, std::uint32_t index) {
    if (const LmfIdTarget* first =
            ids_.Add(id, LmfIdTarget{kind, LexiconOrdinal(), index, parser_.Line()})) {
      Fail("duplicate ID \"" + id + "\" (first given at line " + std::to_string(first->line) + ")");
    }
  }

  std::uint32_t LexiconOrdinal() const { return static_cast<std::uint32_t>(lexicons_.size()); }

  std::uint16_t PartOfSpeech(std::string_view letter) const {
    if (letter == "n") return 1;
    if (letter == "v") return 2;
    if (letter == "a" || letter == "s") return 3;
    if (letter == "r") return 4;
    if (letter == "c" || letter == "p" || letter == "x" || letter == "u") {
      Fail("part of speech \"" + std::string(letter) +
           "\" has no counterpart in the database (it takes n, v, a, s and r)");
    }
    Fail("unknown part of speech \"" + std::string(letter) + "\"");
  }

  template <typename Number>
  Number ParseNumber(std::string_view text, Number low, Number high, const std::string& what) {
    Number value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high) {
      Fail(what + " \"" + std::string(text) + "\" is not a number from " + std::to_string(low) +
           " to " + std::to_string(high));
    }
    return value;
  }

  void StartElement(Element element, std::string_view name, const LmfAttributes& attributes) {
    switch (element) {
      case Element::kLexicon:
        StartLexicon(name, attributes);
        break;
      case Element::kEntry:
        StartEntry(name, attributes);
        break;
      case Element::kLemma:
        StartLemma(name, attributes);
        break;
      case Element::kSense:
        StartSense(name, attributes);
        break;
      case Element::kSenseRelation:
        AddRelation(name, attributes, true, static_cast<std::uint32_t>(lexicon_.senses.size() - 1));
        break;
      case Element::kSynset:
        StartSynset(name, attributes);
        break;
      case Element::kSynsetRelation:
        AddRelation(name, attributes, false,
                    static_cast<std::uint32_t>(lexicon_.synsets.size() - 1));
        break;
      case Element::kBehaviour:
        StartBehaviour(name, attributes);
        break;
      default:
        break;
    }
  }

  void EndElement(Element element) {
    switch (element) {
      case Element::kLexicon:
        lexicons_.push_back(
            ResolveLmfLexicon(std::move(lexicon_), ids_, LexiconOrdinal(), frameUses_));
        break;
      case Element::kEntry:
        EndEntry();
        break;
      case Element::kCount: {
        LmfSense& sense = lexicon_.senses.back();
        const std::uint32_t count =
            ParseNumber<std::uint32_t>(CollapseWhitespace(text_), 0, kMaxCount, "count");
        sense.count = std::min(kMaxCount, sense.count + count);
        sense.counted = true;
        break;
      }
      case Element::kExample:
        if (std::string text = TextContent("example"); !text.empty()) {
          (stack_[stack_.size() - 2] == Element::kSense ? lexicon_.senses.back().examples
                                                        : lexicon_.synsets.back().examples)
              .push_back(std::move(text));
        }
        break;
      case Element::kDefinition:
        if (std::string text =
                TextContent("definition of synset \"" + lexicon_.synsets.back().id + "\"");
            !text.empty()) {
          std::string& definition = lexicon_.synsets.back().definition;
          if (!definition.empty()) definition += "; ";
          definition += text;
        }
        break;
      case Element::kIliDefinition:
        lexicon_.synsets.back().iliDefinition = TextContent("ILI definition");
        break;
      default:
        break;
    }
  }

  // The element's text as the database keeps it; empty, with a warning, when it is blank.
  std::string TextContent(const std::string& what) {
    if (IsBlank(text_)) {
      diagnostics_.Warn(parser_.Path(), textLine_, "blank " + what + " left out");
      return "";
    }
    return preserve_.back() ? text_ : CollapseWhitespace(text_);
  }

  void StartLexicon(std::string_view name, const LmfAttributes& attributes) {
    lexicon_ = LmfLexicon();
    frameUses_.clear();
    frameOf_.clear();
    lexicon_.file = parser_.Path();
    lexicon_.line = parser_.Line();
    lexicon_.id = Required(attributes, name, "id");
    lexicon_.label = Required(attributes, name, "label");
    lexicon_.language = Required(attributes, name, "language");
    Required(attributes, name, "email");
    lexicon_.license = Required(attributes, name, "license");
    lexicon_.version = Required(attributes, name, "version");
    Register(lexicon_.id, LmfIdTarget::kLexicon, 0);
  }

  void StartEntry(std::string_view name, const LmfAttributes& attributes) {
    LmfEntry entry;
    entry.line = parser_.Line();
    entry.firstSense = static_cast<std::uint32_t>(lexicon_.senses.size());
    Register(Required(attributes, name, "id"), LmfIdTarget::kEntry,
             static_cast<std::uint32_t>(lexicon_.entries.size()));
    lexicon_.entries.push_back(std::move(entry));
  }

  void StartLemma(std::string_view name, const LmfAttributes& attributes) {
    LmfEntry& entry = lexicon_.entries.back();
    if (entry.partOfSpeech != 0) Fail("a second <Lemma> in one <LexicalEntry>");
    entry.lemma = Required(attributes, name, "writtenForm");
    if (IsBlank(entry.lemma)) Fail("<Lemma> has a blank writtenForm");
    entry.partOfSpeech = PartOfSpeech(Required(attributes, name, "partOfSpeech"));
  }

  void EndEntry() {
    LmfEntry& entry = lexicon_.entries.back();
    if (entry.partOfSpeech == 0) {
      throw BuildFailure(WhereText(parser_.Path(), entry.line, "<LexicalEntry> without a <Lemma>"));
    }
    entry.senseCount = static_cast<std::uint32_t>(lexicon_.senses.size()) - entry.firstSense;
  }

  void StartSense(std::string_view name, const LmfAttributes& attributes) {
    if (lexicon_.entries.back().partOfSpeech == 0) Fail("<Sense> before the entry's <Lemma>");
    LmfSense sense;
    sense.entry = static_cast<std::uint32_t>(lexicon_.entries.size() - 1);
    sense.line = parser_.Line();
    sense.synsetId = Required(attributes, name, "synset");
    if (const char* n = attributes.Find("n")) {
      sense.n = ParseNumber<std::int16_t>(n, 1, 32767, "sense number");
    }
    sense.senseKey = Optional(attributes, "dc:identifier");
    sense.subcat = Optional(attributes, "subcat");
    if (const char* position = attributes.Find("adjposition")) {
      sense.position = AdjectivePositionOf(position);
    }
    Register(Required(attributes, name, "id"), LmfIdTarget::kSense,
             static_cast<std::uint32_t>(lexicon_.senses.size()));
    lexicon_.senses.push_back(std::move(sense));
  }

  AdjectivePosition AdjectivePositionOf(std::string_view text) const {
    if (text == "a") return AdjectivePosition::kAttributive;
    if (text == "p") return AdjectivePosition::kPredicative;
    if (text == "ip") return AdjectivePosition::kPostnominal;
    Fail("unknown adjposition \"" + std::string(text) + "\" (a, p or ip)");
  }

  void StartSynset(std::string_view name, const LmfAttributes& attributes) {
    LmfSynset synset;
    synset.id = Required(attributes, name, "id");
    synset.line = parser_.Line();
    synset.ili = Optional(attributes, "ili");
    if (const char* pos = attributes.Find("partOfSpeech")) synset.partOfSpeech = PartOfSpeech(pos);
    synset.members = Optional(attributes, "members");
    Register(synset.id, LmfIdTarget::kSynset, static_cast<std::uint32_t>(lexicon_.synsets.size()));
    lexicon_.synsets.push_back(std::move(synset));
  }

  void AddRelation(std::string_view name, const LmfAttributes& attributes, bool fromSense,
                   std::uint32_t source) {
    LmfRelation relation;
    relation.fromSense = fromSense;
    relation.source = source;
    relation.line = parser_.Line();
    relation.targetId = Required(attributes, name, "target");
    const std::string type = Required(attributes, name, "relType");
    const std::string dcType = Optional(attributes, "dc:type");
    relation.relation = RelationOfLmfType(type, dcType);
    if (relation.relation == 0) {
      ++lexicon_.skippedRelations[type == "other" && !dcType.empty() ? type + " (" + dcType + ")"
                                                                     : type];
    }
    lexicon_.relations.push_back(std::move(relation));
  }

  void StartBehaviour(std::string_view name, const LmfAttributes& attributes) {
    const std::string frame = Required(attributes, name, "subcategorizationFrame");
    const auto [at, added] =
        frameOf_.try_emplace(frame, static_cast<std::uint32_t>(lexicon_.frames.size()));
    if (added) lexicon_.frames.push_back(frame);
    const std::uint32_t index = at->second;
    if (const char* id = attributes.Find("id")) Register(id, LmfIdTarget::kFrame, index);
    if (const char* senses = attributes.Find("senses")) {
      frameUses_.push_back({senses, index, parser_.Line()});
    } else if (stack_[stack_.size() - 2] == Element::kEntry) {
      // A frame of the entry without a sense list holds for all of the entry's senses.
      const LmfEntry& entry = lexicon_.entries.back();
      for (auto i = entry.firstSense; i < lexicon_.senses.size(); ++i) {
        lexicon_.senses[i].frames.push_back(index);
      }
    }
  }

  LmfXmlParser& parser_;
  Diagnostics& diagnostics_;
  std::vector<LmfLexicon> lexicons_;
  LmfLexicon lexicon_;
  LmfIds ids_;
  std::vector<LmfFrameUse> frameUses_;
  std::unordered_map<std::string, std::uint32_t> frameOf_;
  std::vector<Element> stack_;
  std::vector<bool> preserve_;
  std::string text_;
  std::uint32_t textLine_ = 0;  // where the element whose text is collected started
  std::uint32_t skipDepth_ = 0;
  std::set<std::string> unknownNames_;
};

}  // namespace

std::vector<LmfLexicon> ReadLmfFile(const std::string& path, Diagnostics* diagnostics) {
  LmfXmlParser parser(path);
  DocumentReader reader(parser, *diagnostics);
  parser.Parse(&reader);
  return reader.TakeLexicons();
}

}  // namespace importers
