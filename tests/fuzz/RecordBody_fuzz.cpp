// The decoder of stored record bodies. The input is a body whose checksum the target puts right. A
// body the decoder accepts must encode again, and that encoding must decode to the same encoding: a
// record that can be read but not written back, or that changes on the way, would lose data on its
// next update. Both formats must hold the same record: stored in the old one and read back, it
// must encode as it did.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ArbCodes.h"
#include "FuzzSupport.h"
#include "store/Pool.h"
#include "store/RecordCodec.h"

namespace {

[[noreturn]] void Fail(const char* what, std::uint32_t code) {
  std::fprintf(stderr, "%s (code %u)\n", what, code);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string body = fuzz::SealedBody(fuzz::TextOf(data, size));
  PoolMemoryManager pool;
  store::PoolInit(&pool, 256);
  node* root = nullptr;
  if (store::DecodeRecord(body, &pool, &root) == arbcode::SUCCESS) {
    std::string first;
    std::uint32_t code = store::EncodeRecord(root, &first);
    if (code != arbcode::SUCCESS) Fail("a decoded record does not encode", code);
    node* again = nullptr;
    code = store::DecodeRecord(first, &pool, &again);
    if (code != arbcode::SUCCESS) Fail("an encoded record does not decode", code);
    std::string second;
    code = store::EncodeRecord(again, &second);
    if (code != arbcode::SUCCESS || second != first)
      Fail("a record changes when stored again", code);
    std::string fixed;
    code = store::EncodeRecord(again, &fixed, store::BodyFormat::kFixed);
    node* fromFixed = nullptr;
    if (code == arbcode::SUCCESS) code = store::DecodeRecord(fixed, &pool, &fromFixed);
    if (code != arbcode::SUCCESS) Fail("a record does not round-trip in the fixed format", code);
    code = store::EncodeRecord(fromFixed, &second);
    if (code != arbcode::SUCCESS || second != first)
      Fail("the fixed format changes a record", code);
  }
  store::PoolFree(&pool);
  return 0;
}
