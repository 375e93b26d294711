#include "WordNetLoader.h"

#include <filesystem>

#include "BuildFailure.h"
#include "DataFileReader.h"
#include "IndexFileReader.h"
#include "PointerResolver.h"
#include "SenseKeys.h"

namespace importers {

WordNet LoadWordNet(const std::string& directory, Diagnostics* diagnostics) {
  if (!std::filesystem::is_directory(directory)) {
    throw BuildFailure(WhereText(directory, 0, "WordNet folder not found"));
  }
  WordNet wordnet;
  wordnet.directory = directory;
  for (PosFile file : kPosFiles) ReadDataFile(file, &wordnet, diagnostics);
  ResolvePointers(&wordnet, diagnostics);
  wordnet.correction = OffsetCorrection::Detect(wordnet);
  for (WordNetSynset& synset : wordnet.synsets) {
    synset.canonicalOffset = wordnet.correction.Canonical(synset.file, synset.offset);
  }
  for (PosFile file : kPosFiles) ReadIndexFile(file, &wordnet, diagnostics);
  NumberUnindexedWords(&wordnet, diagnostics);
  AssignSenseKeys(&wordnet, diagnostics);
  ReadTagCounts(&wordnet, diagnostics);
  return wordnet;
}

}  // namespace importers
