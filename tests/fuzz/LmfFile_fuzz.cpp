// WN-LMF files: the input is read as a WN-LMF XML file. Input that cannot be imported must stop
// the read with BuildFailure naming file and line, or be passed over with a warning; nothing else
// may escape, and no external entity is fetched.
#include <cstdint>

#include "BuildFailure.h"
#include "Diagnostics.h"
#include "FuzzSupport.h"
#include "LmfReader.h"

using namespace importers;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Progress quiet;
  Diagnostics diagnostics(quiet);
  try {
    ReadLmfFile(fuzz::WriteScratchFile("input.xml", data, size), &diagnostics);
  } catch (const BuildFailure&) {
    // The importer's own refusal, naming file and line.
  }
  return 0;
}
