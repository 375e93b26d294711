#include "FuzzSupport.h"

#include "store/RecordCodec.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fuzz {

namespace {

void RemoveScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(ScratchDirectory(), ignored);
}

}  // namespace

std::string SealedBody(std::string_view body) {
  std::string sealed(body);
  store::SealRecordBody(&sealed);
  return sealed;
}

const std::string& ScratchDirectory() {
  // Never destroyed: the exit handler that removes the directory runs after static destructors.
  static const std::string* directory = [] {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("lexfuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    auto* made = new std::string(path.string());
    std::atexit(RemoveScratchDirectory);
    return made;
  }();
  return *directory;
}

std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  const std::string path = ScratchDirectory() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) {
    std::fprintf(stderr, "cannot write the scratch file %s\n", path.c_str());
    std::abort();
  }
  return path;
}

std::string RequiredPath(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr || *value == '\0') {
    std::fprintf(stderr, "set %s (scripts/fuzz.sh does)\n", variable);
    std::exit(2);
  }
  return value;
}

}  // namespace fuzz
