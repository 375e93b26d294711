// Database files: the input is written as a database file, opened read-only and walked through
// Polylex the way the viewer would (the damaged-database test's reader). Every file must either be
// read or be refused with one of the library's errors; anything else thrown is a fault.
#include <cstdint>

#include "FuzzSupport.h"
#include "hardening/DamagedDatabaseSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  damage::OpenAndRead(fuzz::WriteScratchFile("input.fdb", data, size));
  return 0;
}
