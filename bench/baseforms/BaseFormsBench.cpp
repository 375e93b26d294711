// Base-form look-up on WordNet 3.0, warm, per word: the 2,000 sample lemmas of the look-up
// benchmark, each inflected by a rule of its part of speech (dog -> dogs, make -> making, large ->
// larger; adverbs have no rules and stand as they are), through BaseForms and through the viewer's
// look-up that falls back on base forms. Beside them, the viewer's look-up of the lemmas as they
// stand (those it finds in their index-file spelling), once through the plain exact look-up and
// once through the look-up with the fallback, so that a slower exact look-up would show.
//
// Usage: baseforms_bench [DB.fdb [WORDNET_DIR [WORDS]]] (defaults: wordnet.fdb,
// /usr/share/wordnet, 2000). The database is the one `make run` builds.
#include <strings.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ArbError.h"
#include "BaseForms.h"
#include "LookupWords.h"
#include "PLXException.h"
#include "QuietPerson.h"
#include "WordTimes.h"
#include "shell/LanguageEntry.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"

namespace {

struct Timing : bench::WordTimes {
  std::size_t hits = 0;  // words for which the measured call found something
};

// One untimed pass to warm caches, then one timed pass; `prepare` runs untimed before each call.
// Microseconds per word.
Timing Measure(const std::vector<std::string>& words, const std::function<void()>& prepare,
               const std::function<bool(const std::string&)>& call) {
  for (const std::string& word : words) {
    prepare();
    call(word);
  }
  Timing timing;
  std::vector<double> micros;
  for (const std::string& word : words) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    if (call(word)) ++timing.hits;
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    micros.push_back(took.count());
  }
  static_cast<bench::WordTimes&>(timing) = bench::SpreadOf(micros);
  return timing;
}

void Report(const char* name, const Timing& timing, std::size_t words) {
  std::printf("%-36s p50 %8.1f us  p99 %8.1f us  mean %8.1f us  found %zu of %zu\n", name,
              timing.p50, timing.p99, timing.mean, timing.hits, words);
}

bool EndsWith(const std::string& word, const char* suffix) {
  const std::string tail(suffix);
  return word.size() > tail.size() &&
         word.compare(word.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsVowel(char letter) {
  return std::string_view("aeiou").find(letter) != std::string_view::npos;
}

// The lemma (blanks for underscores) inflected by the rule a reader would undo with WordNet's
// rules of detachment: nouns and the last word of a noun collocation take a plural, verbs and the
// first word of a verb collocation "-ing", adjectives "-er".
std::string Inflected(const bench::SampleLemma& sample) {
  std::string lemma = sample.lemma;
  std::replace(lemma.begin(), lemma.end(), '_', ' ');
  const std::size_t firstBlank = lemma.find(' ');
  const bool verb = sample.partOfSpeech == 2;
  const std::size_t start = verb ? 0 : lemma.rfind(' ') + 1;  // npos + 1 is 0
  const std::size_t end = verb && firstBlank != std::string::npos ? firstBlank : lemma.size();
  std::string word = lemma.substr(start, end - start);
  switch (sample.partOfSpeech) {
    case 1:
      if (EndsWith(word, "man")) {
        word.replace(word.size() - 3, 3, "men");
      } else if (word.size() > 1 && word.back() == 'y' && !IsVowel(word[word.size() - 2])) {
        word.replace(word.size() - 1, 1, "ies");
      } else if (EndsWith(word, "s") || EndsWith(word, "x") || EndsWith(word, "z") ||
                 EndsWith(word, "ch") || EndsWith(word, "sh")) {
        word += "es";
      } else {
        word += "s";
      }
      break;
    case 2:
      if (EndsWith(word, "e") && !EndsWith(word, "ee")) word.pop_back();
      word += "ing";
      break;
    case 3:
      word += EndsWith(word, "e") ? "r" : "er";
      break;
    default:
      break;
  }
  return lemma.substr(0, start) + word + lemma.substr(end);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "wordnet.fdb";
  const std::string wordnetDir = argc > 2 ? argv[2] : "/usr/share/wordnet";
  const std::size_t count = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 2000;
  const std::vector<bench::SampleLemma> samples =
      bench::SampleLemmasWithPartOfSpeech(wordnetDir, count);
  if (samples.empty()) {
    std::fprintf(stderr, "baseforms_bench: no lemmas in %s\n", wordnetDir.c_str());
    return 1;
  }
  std::vector<std::string> lemmas;
  std::vector<std::string> inflected;
  for (const bench::SampleLemma& sample : samples) {
    lemmas.push_back(sample.lemma);
    std::replace(lemmas.back().begin(), lemmas.back().end(), '_', ' ');
    inflected.push_back(Inflected(sample));
  }

  bench::QuietPerson person;
  ViewerDatabase database(person);
  if (database.Open(path) == 0) {
    std::fprintf(stderr, "baseforms_bench: %s\n", person.said.c_str());
    return 1;
  }
  const LanguageEntry* english = database.FindLanguage("EN");
  if (english == nullptr) {
    std::fprintf(stderr, "baseforms_bench: %s has no English wordnet\n", path.c_str());
    return 1;
  }
  try {
    BaseForms forms(english->WordNet());
    ConceptPane pane(database, person);
    pane.SetLanguage("EN");
    const auto none = [] {};
    const auto clear = [&] { pane.ClearTree(); };
    // Found: the lemma that was inflected is among the base forms (the index files spell every
    // lemma in small letters, the dictionary "Aachen").
    const Timing library = Measure(inflected, none, [&](const std::string& word) {
      const std::vector<std::string> found = forms.Find(word.c_str());
      const std::string& lemma = lemmas[static_cast<std::size_t>(&word - inflected.data())];
      return std::any_of(found.begin(), found.end(), [&](const std::string& base) {
        return strcasecmp(base.c_str(), lemma.c_str()) == 0;
      });
    });
    const Timing fallback = Measure(inflected, clear, [&](const std::string& word) {
      return pane.LookUpOrBaseForms(word) != nullptr;
    });
    // The exact look-up keeps letter case: only the lemmas it finds as they stand compare the two
    // paths; the others would take the fallback.
    std::vector<std::string> exactLemmas;
    for (const std::string& lemma : lemmas) {
      pane.ClearTree();
      if (pane.LookUp(lemma, nullptr, 0) != nullptr) exactLemmas.push_back(lemma);
    }
    const Timing exact = Measure(exactLemmas, clear, [&](const std::string& word) {
      return pane.LookUp(word, nullptr, 0) != nullptr;
    });
    const Timing exactThroughFallback = Measure(exactLemmas, clear, [&](const std::string& word) {
      return pane.LookUpOrBaseForms(word) != nullptr;
    });
    if (!person.said.empty()) {
      std::fprintf(stderr, "baseforms_bench: a run went wrong, no figures: %s\n",
                   person.said.c_str());
      return 1;
    }
    std::printf("%zu lemmas from %s, each inflected by a rule, on %s\n", samples.size(),
                wordnetDir.c_str(), path.c_str());
    Report("BaseForms::Find (inflected)", library, samples.size());
    Report("viewer look-up, base forms (inflected)", fallback, samples.size());
    Report("viewer look-up, exact only (lemmas)", exact, exactLemmas.size());
    Report("viewer look-up, with fallback (lemmas)", exactThroughFallback, exactLemmas.size());
  } catch (const ArbError& error) {
    std::fprintf(stderr, "baseforms_bench: store error %s\n", ArbError::NameOf(error));
    return 1;
  } catch (const PLXException&) {
    std::fprintf(stderr, "baseforms_bench: library error\n");
    return 1;
  }
  return 0;
}
