// WordNet data lines: the input is written as a data file (data.noun, data.verb, data.adj or
// data.adv by the part of speech its first line names) and read by the importer. A malformed line
// must stop the read with BuildFailure or be passed over with a warning; nothing else may escape.
#include <cstdint>
#include <string>
#include <string_view>

#include "BuildFailure.h"
#include "DataFileReader.h"
#include "Diagnostics.h"
#include "FuzzSupport.h"

using namespace importers;

namespace {

// The file whose lines the input's first line claims to be: the part-of-speech letter is the third
// field ("00001740 03 n 01 entity 0 ..."). Nouns when it names none.
PosFile FileOf(std::string_view text) {
  std::size_t field = 0;
  std::size_t at = 0;
  while (at < text.size() && text[at] != '\n') {
    const std::size_t end = text.find_first_of(" \n", at);
    const std::string_view word = text.substr(at, end - at);
    if (++field == 3) {
      PosFile file = PosFile::kNoun;
      return word.size() == 1 && PosFileOfLetter(word[0], &file) ? file : PosFile::kNoun;
    }
    if (end == std::string_view::npos || text[end] == '\n') break;
    at = end + 1;
  }
  return PosFile::kNoun;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const PosFile file = FileOf(fuzz::TextOf(data, size));
  WordNet wordnet;
  wordnet.directory = fuzz::ScratchDirectory();
  fuzz::WriteScratchFile(std::string("data.") + PosFileSuffix(file), data, size);
  const Progress quiet;
  Diagnostics diagnostics(quiet);
  try {
    ReadDataFile(file, &wordnet, &diagnostics);
  } catch (const BuildFailure&) {
    // The importer's own refusal, naming file and line.
  }
  return 0;
}
