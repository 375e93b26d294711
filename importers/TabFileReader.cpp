#include "TabFileReader.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <unordered_map>

#include "FieldReader.h"
#include "TextFile.h"

namespace importers {
namespace {

constexpr std::size_t kMaxText = 65535;

std::vector<std::string_view> SplitTabs(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = text.find('\t', start);
    fields.push_back(text.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \r") - first + 1);
}

enum class LineType { kLemma, kDefinition, kExample, kUnknown };

LineType TypeOf(std::string_view field) {
  const std::size_t colon = field.rfind(':');
  const std::string_view type = colon == std::string_view::npos ? field : field.substr(colon + 1);
  if (type == "lemma") return LineType::kLemma;
  if (type == "def") return LineType::kDefinition;
  if (type == "exe") return LineType::kExample;
  return LineType::kUnknown;
}

class TabLineReader {
 public:
  TabLineReader(const std::string& path, const WordNet& wordnet, Diagnostics* diagnostics,
                TabWordNet* tab)
      : path_(path), wordnet_(wordnet), diagnostics_(*diagnostics), tab_(*tab) {}

  void Read(const TextLine& line) {
    line_ = line.number;
    if (!IsValidUtf8(line.text)) return Skip("text is not valid UTF-8");
    const std::vector<std::string_view> fields = SplitTabs(line.text);
    if (fields.size() < 3 || fields.size() > 4) return Skip("not offset-pos, type and text");
    const LineType type = TypeOf(fields[1]);
    if (type == LineType::kUnknown) {
      return Skip("unknown type '" + std::string(fields[1]) + "'");
    }
    std::uint32_t number = 0;
    if (fields.size() == 4 && (type == LineType::kLemma || !ParseDecimal(fields[2], &number))) {
      return Skip("not offset-pos, type and text");
    }
    const std::uint32_t synset = SynsetOf(fields[0]);
    if (synset == kNoSynset) return;
    const std::string_view text = Trimmed(fields.back());
    if (text.empty()) return Skip(type == LineType::kLemma ? "empty lemma" : "empty text");
    if (text.size() > kMaxText) return Skip("text longer than 65,535 bytes");
    TabSynset& entry = tab_.synsets[synset];
    if (type == LineType::kLemma) {
      AddLemma(&entry, text);
    } else {
      auto& sentences = type == LineType::kDefinition ? entry.definitions : entry.examples;
      sentences.push_back({number, std::string(text)});
    }
  }

 private:
  void Skip(const std::string& why) { diagnostics_.Warn(path_, line_, why + "; line skipped"); }

  // The synset a key "02084071-n" names, or kNoSynset after a warning.
  std::uint32_t SynsetOf(std::string_view key) {
    const std::size_t dash = key.find('-');
    std::uint32_t offset = 0;
    PosFile file;
    if (dash == std::string_view::npos || dash + 2 != key.size() ||
        !ParseDecimal(key.substr(0, dash), &offset) || !PosFileOfLetter(key[dash + 1], &file)) {
      Skip("malformed synset key '" + std::string(key) + "'");
      return kNoSynset;
    }
    const std::uint32_t synset = wordnet_.FindCanonical(file, offset);
    if (synset == kNoSynset) Skip("no WordNet 3.0 synset " + std::string(key));
    return synset;
  }

  void AddLemma(TabSynset* entry, std::string_view text) {
    const bool known = std::any_of(entry->lemmas.begin(), entry->lemmas.end(),
                                   [&](const TabLemma& lemma) { return lemma.text == text; });
    if (known) return Skip("lemma '" + std::string(text) + "' given twice for this synset");
    entry->lemmas.push_back({std::string(text), 0});
  }

  const std::string& path_;
  const WordNet& wordnet_;
  Diagnostics& diagnostics_;
  TabWordNet& tab_;
  std::uint32_t line_ = 0;
};

void ReadHeader(std::string_view text, TabWordNet* tab) {
  const std::vector<std::string_view> fields = SplitTabs(text.substr(1));
  tab->name = std::string(Trimmed(fields[0]));
  if (fields.size() >= 2) tab->language = std::string(Trimmed(fields[1]));
  if (fields.size() >= 4) tab->licence = std::string(Trimmed(fields[3]));
}

bool BySentenceNumber(const TabSentence& a, const TabSentence& b) {
  return a.number < b.number;
}

std::string FoldedCase(const std::string& text) {
  std::string folded;
  icu::UnicodeString::fromUTF8(text).foldCase().toUTF8String(folded);
  return folded;
}

}  // namespace

TabWordNet ReadTabFile(const std::string& path, const WordNet& wordnet, Diagnostics* diagnostics) {
  TextFile file = TextFile::Read(path);
  TabWordNet tab;
  tab.path = path;
  tab.name = std::filesystem::path(path).filename().string();
  TabLineReader reader(path, wordnet, diagnostics, &tab);
  TextLine line;
  while (file.Next(&line)) {
    if (line.text.starts_with('#')) {
      if (line.number == 1 && IsValidUtf8(line.text)) ReadHeader(line.text, &tab);
      continue;
    }
    if (Trimmed(line.text).empty()) continue;
    reader.Read(line);
  }
  // Sentences only make sense with words to show them with.
  std::erase_if(tab.synsets, [](const auto& entry) { return entry.second.lemmas.empty(); });
  for (auto& [index, synset] : tab.synsets) {
    std::stable_sort(synset.definitions.begin(), synset.definitions.end(), BySentenceNumber);
    std::stable_sort(synset.examples.begin(), synset.examples.end(), BySentenceNumber);
  }
  return tab;
}

void NumberTabSenses(TabWordNet* tab, const WordNet& wordnet) {
  struct Use {
    std::uint32_t tagCount;
    std::uint32_t synset;
    TabLemma* lemma;
  };
  std::unordered_map<std::string, std::vector<Use>> uses;
  for (auto& [index, synset] : tab->synsets) {
    const WordNetSynset& english = wordnet.synsets[index];
    const std::string part(1, static_cast<char>('0' + static_cast<int>(english.file)));
    for (TabLemma& lemma : synset.lemmas) {
      uses[part + FoldedCase(lemma.text)].push_back({english.TagCount(), index, &lemma});
    }
  }
  for (auto& [key, list] : uses) {
    std::stable_sort(list.begin(), list.end(), [](const Use& a, const Use& b) {
      return std::tie(b.tagCount, a.synset) < std::tie(a.tagCount, b.synset);
    });
    std::uint16_t sense = 0;
    for (const Use& use : list) use.lemma->sense = ++sense;
  }
}

}  // namespace importers
