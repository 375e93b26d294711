// Every synset of the installed WordNet 3.0 against the shared database, read here with a small
// reader of the test's own (`man 5 wndb`): members in order with the sense numbers the index files
// give, definition and examples, part of speech, and every pointer by relation, target and word.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "ImporterTestSupport.h"
#include "LexicalSchema.h"
#include "SharedWordNet.h"

namespace {

using namespace schema;

constexpr std::uint32_t kEnglish = 100;
constexpr const char* kFiles[] = {"noun", "verb", "adj", "adv"};

struct Pointer {
  std::string symbol;
  int file = 0;
  std::uint32_t offset = 0;
  int sourceWord = 0;
  int targetWord = 0;
};

struct Synset {
  int file = 0;
  char type = 'n';
  std::uint32_t offset = 0;
  std::vector<std::string> words;
  std::vector<Pointer> pointers;
  std::string gloss;
};

int FileOfLetter(char letter) {
  switch (letter) {
    case 'n':
      return 0;
    case 'v':
      return 1;
    case 'r':
      return 3;
    default:
      return 2;
  }
}

std::string Lowercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::vector<Synset> ReadDataFile(int file) {
  std::vector<Synset> synsets;
  std::ifstream in(std::string(WORDNET_DIR) + "/data." + kFiles[file]);
  std::string line;
  while (std::getline(in, line)) {
    if (line.starts_with("  ")) continue;
    const std::size_t bar = line.find(" | ");
    std::istringstream fields(line.substr(0, bar));
    Synset synset;
    synset.file = file;
    std::string lexFile;
    std::string count;
    fields >> synset.offset >> lexFile >> synset.type >> count;
    for (int i = std::stoi(count, nullptr, 16); i > 0; --i) {
      std::string word;
      std::string lexId;
      fields >> word >> lexId;
      if (file == 2 && word.ends_with(")")) word.erase(word.rfind('('));
      synset.words.push_back(word);
    }
    int pointers = 0;
    fields >> pointers;
    for (; pointers > 0; --pointers) {
      Pointer pointer;
      std::string pos;
      std::string words;
      fields >> pointer.symbol >> pointer.offset >> pos >> words;
      pointer.file = FileOfLetter(pos[0]);
      pointer.sourceWord = std::stoi(words.substr(0, 2), nullptr, 16);
      pointer.targetWord = std::stoi(words.substr(2), nullptr, 16);
      synset.pointers.push_back(pointer);
    }
    synset.gloss = line.substr(bar + 3);
    synset.gloss.erase(synset.gloss.find_last_not_of(' ') + 1);
    synsets.push_back(synset);
  }
  return synsets;
}

// (file, lowercase lemma, offset) -> the lemma's sense number in its index file.
std::map<std::tuple<int, std::string, std::uint32_t>, int> ReadIndexSenses() {
  std::map<std::tuple<int, std::string, std::uint32_t>, int> senses;
  for (int file = 0; file < 4; ++file) {
    std::ifstream in(std::string(WORDNET_DIR) + "/index." + kFiles[file]);
    std::string line;
    while (std::getline(in, line)) {
      if (line.starts_with("  ")) continue;
      std::istringstream fields(line);
      std::string lemma;
      std::string pos;
      std::string skipped;
      int synsetCount = 0;
      int pointerCount = 0;
      fields >> lemma >> pos >> synsetCount >> pointerCount;
      for (int i = 0; i < pointerCount + 2; ++i) fields >> skipped;
      for (int sense = 1; sense <= synsetCount; ++sense) {
        std::uint32_t offset = 0;
        fields >> offset;
        senses[{file, lemma, offset}] = sense;
      }
    }
  }
  return senses;
}

// WordNet's convention: the gloss's parts are separated by "; " (never inside quotes); a part that
// opens with a quote is an example, the others make up the definition.
void SplitAsWordNetDoes(const std::string& gloss, std::string* definition,
                        std::vector<std::string>* examples) {
  std::vector<std::string> parts(1);
  bool quoted = false;
  for (std::size_t i = 0; i < gloss.size(); ++i) {
    if (gloss[i] == '"') quoted = !quoted;
    if (!quoted && gloss.compare(i, 2, "; ") == 0) {
      parts.emplace_back();
      ++i;
    } else {
      parts.back() += gloss[i];
    }
  }
  definition->clear();
  examples->clear();
  for (std::string part : parts) {
    if (part.find_first_not_of(" ;") == std::string::npos) continue;
    if (part[part.find_first_not_of(' ')] != '"') {
      if (!definition->empty()) *definition += "; ";
      *definition += part;
      continue;
    }
    part.erase(0, part.find('"'));
    part.erase(part.find_last_not_of(" ;") + 1);
    const std::size_t close = part.rfind('"');
    std::string example = part;
    if (close == 0) {
      example = part.substr(1);
    } else if (close + 1 == part.size()) {
      example = part.substr(1, close - 1);
    }
    example.erase(0, example.find_first_not_of(' '));
    example.erase(example.find_last_not_of(' ') + 1);
    if (!example.empty()) examples->push_back(example);
  }
  definition->erase(0, definition->find_first_not_of(" ;"));
  definition->erase(definition->find_last_not_of(" ;") + 1);
}

std::int16_t RelationOf(const std::string& symbol) {
  static const std::map<std::string, std::int16_t> kRelations = {
      {"&", 1},   {"$", 1},   {"+", 2},   {"!", 3},   {"@", 8},   {"~", 10}, {"#p", 14},
      {"%p", 15}, {"#m", 16}, {"%m", 17}, {"#s", 20}, {"%s", 21}, {">", 42}, {"*", 44},
      {"@i", 47}, {"~i", 48}, {"=", 49},  {"^", 50},  {"\\", 51}, {"<", 52}, {";c", 53},
      {"-c", 54}, {";r", 55}, {"-r", 56}, {";u", 57}, {"-u", 58}};
  const auto found = kRelations.find(symbol);
  return found == kRelations.end() ? 0 : found->second;
}

// A link as the database holds it: relation, source and target concept, and the variants of a
// word-level link (source first).
using Link = std::tuple<std::int16_t, std::uint32_t, std::uint32_t, std::vector<std::uint32_t>>;

class WordNetFidelityTest : public SharedWordNetTest {
 protected:
  void SetUp() override {
    SharedWordNetTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    for (int file = 0; file < 4; ++file) {
      for (Synset& synset : ReadDataFile(file)) {
        conceptOf_[{file, synset.offset}] = static_cast<std::uint32_t>(synsets_.size() + 1);
        firstVariant_.push_back(variantCount_ + 1);
        variantCount_ += static_cast<std::uint32_t>(synset.words.size());
        synsets_.push_back(std::move(synset));
      }
    }
  }

  // Counts a difference and describes the first few.
  void Differs(std::uint32_t synset, const std::string& what) {
    if (++differences_ <= 20) {
      ADD_FAILURE() << kFiles[synsets_[synset].file] << " " << synsets_[synset].offset << ": "
                    << what;
    }
  }

  Link Expected(std::uint32_t synset, std::int16_t relation, const Pointer& pointer) {
    const std::uint32_t target = conceptOf_.at({pointer.file, pointer.offset});
    std::vector<std::uint32_t> variants;
    if (pointer.sourceWord != 0) variants.push_back(firstVariant_[synset] + pointer.sourceWord - 1);
    if (pointer.targetWord != 0) {
      variants.push_back(firstVariant_[target - 1] + pointer.targetWord - 1);
    }
    return {relation, synset + 1, target, variants};
  }

  Link Stored(std::uint32_t id) {
    ArbRecord link = db_->Get(kEnglish, kInternalLinks, id);
    std::vector<std::uint32_t> variants;
    for (std::int16_t i = 1; i <= link.GetFieldCount(VARIANT); ++i) {
      variants.push_back(PointerOf(link, VARIANT, i));
    }
    return {static_cast<std::int16_t>(NumberOf(link, RELATION)), PointerOf(link, SOURCE_CONCEPT),
            PointerOf(link, TARGET_CONCEPT), variants};
  }

  std::vector<Synset> synsets_;
  std::map<std::pair<int, std::uint32_t>, std::uint32_t> conceptOf_;
  std::vector<std::uint32_t> firstVariant_;
  std::uint32_t variantCount_ = 0;
  int differences_ = 0;
};

TEST_F(WordNetFidelityTest, EveryMemberWithItsSenseDefinitionAndExamples) {
  const auto senses = ReadIndexSenses();
  ASSERT_EQ(synsets_.size(), 117659u);
  EXPECT_EQ(db_->Count(kEnglish, kConcepts), synsets_.size());
  std::string definition;
  std::vector<std::string> examples;
  for (std::uint32_t s = 0; s < synsets_.size(); ++s) {
    const Synset& synset = synsets_[s];
    ArbRecord conceptRecord = db_->Get(kEnglish, kConcepts, s + 1);
    const bool instance = std::any_of(synset.pointers.begin(), synset.pointers.end(),
                                      [](const Pointer& p) { return p.symbol == "@i"; });
    const int pos = synset.file == 0 && instance ? kProperNoun : synset.file + 1;
    if (NumberOf(conceptRecord, PART_OF_SPEECH) != pos) Differs(s, "part of speech");
    SplitAsWordNetDoes(synset.gloss, &definition, &examples);
    for (std::uint32_t w = 0; w < synset.words.size(); ++w) {
      ArbRecord variant = db_->Get(kEnglish, kDefaultContainer, firstVariant_[s] + w);
      std::string literal = synset.words[w];
      std::replace(literal.begin(), literal.end(), '_', ' ');
      const auto sense = senses.find({synset.file, Lowercase(synset.words[w]), synset.offset});
      if (PointerOf(variant, CONCEPT) != s + 1 || TextOf(variant, LITERAL) != literal) {
        Differs(s, "member " + std::to_string(w + 1) + " is not '" + literal + "'");
      } else if (sense == senses.end() || NumberOf(variant, SENSE) != sense->second) {
        Differs(s, literal + ": sense " + std::to_string(NumberOf(variant, SENSE)));
      } else if (TextOf(variant, DEFINITION) != (definition.empty() ? "<none>" : definition)) {
        Differs(s, literal + ": definition '" + TextOf(variant, DEFINITION) + "', expected '" +
                       definition + "'");
      } else if (TextsOf(variant, EXAMPLE) != examples) {
        Differs(s, literal + ": examples differ from the gloss " + synset.gloss);
      }
    }
  }
  // The next record would be a member no synset has.
  ArbRecord extra = db_->Get(kEnglish, kDefaultContainer, variantCount_ + 1);
  if (PointerOf(extra, CONCEPT) != 0) ADD_FAILURE() << "more variants than members";
  EXPECT_EQ(differences_, 0);
}

// Each synset's pointers in file order; then the inverses the importer adds for causes (">") and
// entailment ("*"), which WordNet leaves implicit.
TEST_F(WordNetFidelityTest, EveryPointerByRelationTargetAndWords) {
  std::map<std::uint32_t, std::vector<Link>> inverses;
  for (std::uint32_t s = 0; s < synsets_.size(); ++s) {
    for (const Pointer& pointer : synsets_[s].pointers) {
      const std::int16_t inverse = pointer.symbol == ">" ? 43 : pointer.symbol == "*" ? 45 : 0;
      if (inverse == 0) continue;
      const std::uint32_t target = conceptOf_.at({pointer.file, pointer.offset}) - 1;
      Pointer back{pointer.symbol, synsets_[s].file, synsets_[s].offset, pointer.targetWord,
                   pointer.sourceWord};
      inverses[target].push_back(Expected(target, inverse, back));
    }
  }
  std::uint32_t id = 0;
  for (std::uint32_t s = 0; s < synsets_.size(); ++s) {
    for (const Pointer& pointer : synsets_[s].pointers) {
      const std::int16_t relation = RelationOf(pointer.symbol);
      if (relation == 0) {
        Differs(s, "pointer symbol '" + pointer.symbol + "' has no relation");
      } else if (Stored(++id) != Expected(s, relation, pointer)) {
        Differs(s, "link " + std::to_string(id) + " is not its pointer '" + pointer.symbol + "' " +
                       std::to_string(pointer.offset));
      }
    }
    std::vector<Link>& expected = inverses[s];
    std::vector<Link> stored;
    for (std::size_t i = 0; i < expected.size(); ++i) stored.push_back(Stored(++id));
    std::sort(expected.begin(), expected.end());
    std::sort(stored.begin(), stored.end());
    if (stored != expected) Differs(s, "the added inverse links differ");
  }
  EXPECT_EQ(db_->Count(kEnglish, kInternalLinks), id);
  EXPECT_EQ(differences_, 0);
}

}  // namespace
