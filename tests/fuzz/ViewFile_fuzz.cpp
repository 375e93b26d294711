// View files: the input is read as a view (word list) file into a monolingual or multilingual view
// (the kind the file names) over the fuzz database, as the viewer's Open View does. Damaged lines
// become notes, questions or messages; nothing may be thrown.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "FuzzSupport.h"
#include "files/ViewFileKind.h"
#include "files/ViewFileReader.h"
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::WriteScratchFile("input.wl", data, size);
  fuzz::QuietPerson person;
  const int kind = ViewFileKind::Of(path, person);
  if (kind == ViewFileKind::kUnknown) return 0;
  ConceptPane left(Database(), person);
  std::optional<ConceptPane> right;
  if (kind == static_cast<int>(ViewKind::kMultilingual)) right.emplace(Database(), person);
  ViewFileReader(person).Read(path, left, right ? &*right : nullptr);
  return 0;
}
