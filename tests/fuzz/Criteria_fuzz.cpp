// Criteria written as text: the tokenizer, the criteria compiler behind Validate, and the
// evaluation of whatever compiles, against the concepts of the fuzz database's first language.
// Refusals are expected; crashes, hangs and sanitizer reports are not.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ArbCursor.h"
#include "ArbError.h"
#include "ArbRecord.h"
#include "FuzzSupport.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "Polylex.h"

namespace {

// Enough to reach the evaluation of every operator without walking a large result.
constexpr int kMaxReads = 8;

Polylex& Database() {
  static Polylex* polylex = [] {
    auto* opened = new Polylex();
    const std::string path = fuzz::RequiredPath("LEX_FUZZ_DB");
    try {
      opened->Open(path.c_str(), nullptr, 1, 0);
    } catch (const PLXException& error) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), static_cast<const char*>(error));
      std::exit(2);
    }
    return opened;
  }();
  return *polylex;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Database();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The criteria are a C string: what follows a zero byte is never seen.
  const std::string text(fuzz::TextOf(data, size));
  try {
    ArbCursor cursor(Database().GetDatabase(), schema::kConcepts, schema::kFirstLanguageStore);
    if (size > 0) cursor.Wildcards(data[0] % 2);
    if (cursor.SetCriteria(text.c_str()) == 1) {
      ArbRecord record;
      int more = cursor.ReadFirst(record);
      for (int reads = 1; more == 1 && reads < kMaxReads; ++reads) more = cursor.ReadNext(record);
    }
  } catch (const ArbError&) {
    // A cursor the store cannot start is the store's refusal, not a fault of the criteria.
  }
  return 0;
}
