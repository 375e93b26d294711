// Builds a lexical database file from real wordnet data: Princeton WordNet 3.0 database files as
// the English wordnet and the inter-lingual index, Open Multilingual Wordnet tab files and the
// lexicons of WN-LMF XML files as further languages. The whole build is one bulk transaction in a
// new temporary file beside the output, renamed into place when complete: a failed build leaves no
// file behind.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace importers {

struct TabSource {
  std::string path;  // an OMW tab file ("offset-pos<TAB>lang:type<TAB>text" lines)
  // Its language ("NL", "nld", "pt-BR"; see LanguageOf); empty: the lang column of its header.
  std::string code;
};

struct LmfSource {
  std::string path;  // a WN-LMF XML file (versions 1.0 to 1.4)
  std::string code;  // the language code for a file of one lexicon; empty: the lexicon's own
};

struct BuildOptions {
  std::string output;      // the .fdb file to create
  std::string wordnetDir;  // folder with WordNet 3.0's data.* and index.* files; empty: none
  std::vector<TabSource> tabs;
  std::vector<LmfSource> lmf;
  bool force = false;  // replace an existing output file
  std::string siteName = "Polylex";
};

// What the builder tells the person waiting: a phase name, and progress through it.
struct Progress {
  std::function<void(const std::string& phase)> phase;
  std::function<void(std::uint64_t done, std::uint64_t total)> step;
  // A warning about input the builder skipped (file, line, what); the build goes on.
  std::function<void(const std::string& warning)> warn;
};

struct BuildReport {
  // Concepts and concept variants of every language, as `polylex info` counts them.
  std::uint32_t synsets = 0;
  std::uint32_t senses = 0;
  std::uint32_t links = 0;             // internal links of every language
  std::vector<std::string> languages;  // codes, in store order
  std::uint32_t warnings = 0;          // input skipped (each also went to Progress::warn)
  // WN-LMF relations whose type has no counterpart among the database's relations (each lexicon's
  // also went to Progress::warn, by type).
  std::uint32_t skippedRelations = 0;
  // How the WN-LMF synsets reached the inter-lingual index: by WordNet offset in their ID, by an
  // ILI identifier an earlier synset brought, or through a record of their own.
  std::uint32_t iliByOffset = 0;
  std::uint32_t iliByIdentifier = 0;
  std::uint32_t iliCreated = 0;
};

// What the builder does with faulty input; text for `polylex build --help`.
inline constexpr const char* kBuildInputRules = R"(Input rules
  WordNet folder (data.noun/verb/adj/adv, index.noun/verb/adj/adv, cntlist.rev):
    The build stops, naming file and line, for: a missing folder, data file or index file; a data
    line that is not a well-formed synset (bad or misplaced offset - each line must start at the
    byte its offset names -, bad counts, words, pointers or frames, no gloss); a data file whose
    last line is cut off (truncated file); text that is not valid UTF-8.
    Skipped with a warning: a pointer with an unknown symbol, to a synset that does not exist or
    to a word the synset lacks; an unknown verb frame; an index line that cannot be read or that
    names a synset or word the data files lack (words left without a sense number are numbered
    after the others); unreadable cntlist.rev lines. Without cntlist.rev variants get no corpus
    frequency.
    The exception lists (noun.exc, verb.exc, adj.exc, adv.exc) are optional; a line of one without
    a base form is skipped with a warning.
    Debian's edition of WordNet 3.0 is recognised by content and its offsets are mapped to
    Princeton's, which tab files and WORDNET_OFFSET use. Words of one synset that differ only in
    letter case ("A" and "a") are two variants with the sense number the index gives them both.
  Tab files (offset-pos<TAB>lang:type<TAB>text; def and exe lines may give a sentence number
  before the text):
    The language is the --code given after the file, else the lang column of the header line
    ("# name<TAB>lang<TAB>url<TAB>licence"): an ISO 639-1 or 639-3 code or a BCP 47 tag ("nl",
    "nld", "arb", "pt-BR"). It is stored under its ISO 639-1 code in capitals where it has one
    ("AR" for arb), else its three-letter code; Greek is GR. EN is WordNet itself.
    The build stops for a missing or unreadable file, a language code that names no language, a
    header without one and no --code, a language given twice.
    Skipped with a warning naming file and line: a line without those fields, a type other than
    lemma, def and exe (such as lemma:root or lemma:brokenplural), a malformed key or one that is
    no WordNet 3.0 synset, an empty lemma or text, a lemma given twice for one synset, text that
    is not valid UTF-8 or longer than 65,535 bytes. Definitions and examples of synsets without
    lemmas are ignored.
  WN-LMF files (every Lexicon of versions 1.0 to 1.4; --code XX only for a file of one lexicon):
    The build stops, naming file and line, for: a file that is not well-formed XML or not
    WN-LMF, an element out of place, a missing required attribute, a duplicate ID, a sense,
    member, relation or frame that names an ID its lexicon lacks, a part of speech other than
    n v a s r, a malformed sense number (n) or count, a language code that names no language.
    Skipped with a warning: lexicon extensions, blank definitions and examples, unknown elements;
    relations whose type has no counterpart in the database are left out and counted by type.
    A synset links to the WordNet 3.0 meaning whose offset its ID encodes ("...-02084071-n")
    when WordNet is part of the build, else to the ILI record its "ili" identifier names, else
    to a new ILI record. Without --wordnet (and --omw) the build holds the LMF lexicons only.
  Output:
    An existing output file is refused unless forced; a forced build replaces it only when the new
    database is complete. The database is built in a temporary file beside the output and renamed
    into place at the end; a failed build leaves nothing behind.
  Only the first 20 warnings of each file are shown; the rest are counted.
)";

// A file beside `output` ("OUT.building-NNNNNN") that is removed again unless MoveTo hands it
// over: whatever writes it leaves nothing half-written behind.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& output);
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile();

  const std::string& Path() const { return path_; }
  // Renames the file to `output`, replacing what is there; throws BuildFailure when it cannot.
  void MoveTo(const std::string& output);

 private:
  std::string path_;
  bool moved_ = false;
};

// Builds the database; on failure returns false with a one-line message in *error naming the file
// and line where the input went wrong (or the store's code), and leaves no file behind: neither a
// half-built database nor a change to an existing output. `report` and `error` may be null.
// Languages are those LanguageOf (Languages.h) takes. Stores from 100 hold, in this order: English
// from WordNet (when built from it), the tabs in the given order, then the LMF lexicons in file
// order.
bool BuildDatabase(const BuildOptions& options, const Progress& progress, BuildReport* report,
                   std::string* error);

}  // namespace importers
