#include "ResidentMemory.h"

#include <cstdio>
#include <cstring>

namespace bench {

ResidentMemory MeasureResidentMemory() {
  ResidentMemory memory;
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return memory;
  const struct {
    const char* name;
    double* value;
  } fields[] = {{"VmHWM:", &memory.peakMiB},
                {"RssAnon:", &memory.anonymousMiB},
                {"RssFile:", &memory.fileMiB}};
  char line[256];
  while (std::fgets(line, sizeof line, status) != nullptr) {
    for (const auto& field : fields) {
      long kibibytes = 0;
      const std::size_t length = std::strlen(field.name);
      if (std::strncmp(line, field.name, length) == 0 &&
          std::sscanf(line + length, "%ld", &kibibytes) == 1) {
        *field.value = static_cast<double>(kibibytes) / 1024.0;
      }
    }
  }
  std::fclose(status);
  return memory;
}

}  // namespace bench
