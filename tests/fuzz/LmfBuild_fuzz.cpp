// WN-LMF files built into databases: the input is read as a WN-LMF file and built into a database
// as `polylex build --lmf` does. A build either fails with its message, leaving no file, or
// succeeds, and then the database must open and read through Polylex without a record refused: a
// database that the builder calls complete but the library cannot read would be data lost.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "DatabaseBuilder.h"
#include "FuzzSupport.h"
#include "hardening/DamagedDatabaseSupport.h"

using namespace importers;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  BuildOptions options;
  options.output = fuzz::ScratchDirectory() + "/built.fdb";
  options.lmf.push_back({fuzz::WriteScratchFile("input.xml", data, size), ""});
  options.force = true;
  std::error_code ignored;
  std::filesystem::remove(options.output, ignored);
  const Progress quiet;
  std::string error;
  if (!BuildDatabase(options, quiet, nullptr, &error)) {
    if (std::filesystem::exists(options.output)) {
      std::fprintf(stderr, "a failed build left its output behind: %s\n", error.c_str());
      std::abort();
    }
    return 0;
  }
  const damage::Verdict verdict = damage::OpenAndRead(options.output);
  if (!verdict.read || verdict.refusedItems != 0) {
    std::fprintf(stderr, "a database built from the input does not read back: %s (%zu refused)\n",
                 verdict.error.c_str(), verdict.refusedItems);
    std::abort();
  }
  return 0;
}
