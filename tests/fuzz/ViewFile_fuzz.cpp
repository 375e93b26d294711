// View files: the input is read as a view (word list) file into a monolingual or multilingual view
// (the kind the file names) over the fuzz database, as the viewer's Open View does. Damaged lines
// become notes, questions or messages; nothing may be thrown. The view is then saved, and what is
// saved must come back unchanged through another open and save.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "FuzzSupport.h"
#include "files/ViewFileKind.h"
#include "files/ViewFileReader.h"
#include "files/ViewFileWriter.h"
#include "shell/ViewKind.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"

namespace {

fuzz::QuietPerson& DatabasePerson() {
  static fuzz::QuietPerson* person = new fuzz::QuietPerson();
  return *person;
}

ViewerDatabase& Database() {
  static ViewerDatabase* database = [] {
    auto* opened = new ViewerDatabase(DatabasePerson());
    if (opened->Open(fuzz::RequiredPath("LEX_FUZZ_DB")) == 0) {
      std::fprintf(stderr, "the fuzz database does not open: %s\n", opened->LastError().c_str());
      std::exit(2);
    }
    return opened;
  }();
  return *database;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Database();
  return 0;
}

// The text a save would write after the file at `path` is opened as a view of `kind`.
std::string SavedTextOf(const std::string& path, int kind) {
  fuzz::QuietPerson person;
  ConceptPane left(Database(), person);
  std::optional<ConceptPane> right;
  if (kind == static_cast<int>(ViewKind::kMultilingual)) right.emplace(Database(), person);
  ViewFileReader(person).Read(path, left, right ? &*right : nullptr);
  return ViewFileWriter::TextOf(left, right ? &*right : nullptr);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::WriteScratchFile("input.wl", data, size);
  fuzz::QuietPerson person;
  const int kind = ViewFileKind::Of(path, person);
  if (kind == ViewFileKind::kUnknown) return 0;
  // What one save keeps, a second open and save must keep unchanged.
  const std::string saved = SavedTextOf(path, kind);
  const std::string again = SavedTextOf(
      fuzz::WriteScratchFile("saved.wl", reinterpret_cast<const std::uint8_t*>(saved.data()),
                             saved.size()),
      kind);
  if (again != saved) {
    std::fprintf(stderr, "a saved view changes when opened and saved again:\n");
    std::fwrite(saved.data(), 1, saved.size(), stderr);
    std::fprintf(stderr, "--- saved again:\n");
    std::fwrite(again.data(), 1, again.size(), stderr);
    std::abort();
  }
  return 0;
}
