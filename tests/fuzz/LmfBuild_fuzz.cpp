// WN-LMF files built into databases: the input is read as a WN-LMF file and built into a database
// as `polylex build --lmf` does. A build either fails with its message, leaving no file, or
// succeeds, and then:
//  - the database must open and read through Polylex without a record refused: a database that
//    the builder calls complete but the library cannot read would be data lost;
//  - each language exported as WN-LMF must build again, and the second export must equal the
//    first: what the export writes, the import must take back unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "DatabaseBuilder.h"
#include "FuzzSupport.h"
#include "LmfExporter.h"
#include "Polylex.h"
#include "hardening/DamagedDatabaseSupport.h"

using namespace importers;

namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::abort();
}

// Builds `options.output` afresh; false when the build fails, which must leave no file.
bool Build(BuildOptions options, BuildReport* report, std::string* error) {
  options.force = true;
  std::error_code ignored;
  std::filesystem::remove(options.output, ignored);
  const Progress quiet;
  if (BuildDatabase(options, quiet, report, error)) return true;
  if (std::filesystem::exists(options.output)) {
    Fail("a failed build left its output behind: " + *error);
  }
  return false;
}

// Each language of a database built with `report`, exported as WN-LMF text, by language code.
std::map<std::string, std::string> Exports(const std::string& path, const BuildReport& report) {
  Polylex database;
  database.Open(path.c_str(), nullptr, 1, 0);
  std::map<std::string, std::string> exports;
  for (std::size_t i = 0; i < report.languages.size(); ++i) {
    const std::string& code = report.languages[i];
    std::ostringstream out;
    ExportLmfLanguage(database.GetDatabase(), static_cast<std::uint32_t>(100 + i), code, code, out);
    exports[code] = out.str();
  }
  return exports;
}

void CheckRoundTrip(const std::string& built, const BuildReport& report) {
  const std::map<std::string, std::string> first = Exports(built, report);
  BuildOptions again;
  again.output = fuzz::ScratchDirectory() + "/again.fdb";
  for (const auto& [code, text] : first) {
    again.lmf.push_back(
        {fuzz::WriteScratchFile("export-" + code + ".xml",
                                reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
         code});
  }
  BuildReport secondReport;
  std::string error;
  if (!Build(again, &secondReport, &error)) Fail("an exported wordnet does not build: " + error);
  const std::map<std::string, std::string> second = Exports(again.output, secondReport);
  for (const auto& [code, text] : first) {
    const auto other = second.find(code);
    if (other == second.end() || other->second != text) {
      Fail("the " + code + " wordnet changes when exported, built and exported again:\n" + text +
           "--- exported again:\n" + (other == second.end() ? "(missing)" : other->second));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  BuildOptions options;
  options.output = fuzz::ScratchDirectory() + "/built.fdb";
  options.lmf.push_back({fuzz::WriteScratchFile("input.xml", data, size), ""});
  BuildReport report;
  std::string error;
  if (!Build(options, &report, &error)) return 0;
  const damage::Verdict verdict = damage::OpenAndRead(options.output);
  if (!verdict.read || verdict.refusedItems != 0) {
    Fail("a database built from the input does not read back: " + verdict.error + " (" +
         std::to_string(verdict.refusedItems) + " refused)");
  }
  CheckRoundTrip(options.output, report);
  return 0;
}
