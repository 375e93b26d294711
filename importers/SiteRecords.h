// The records of store 0 that make a file a lexical database: the data version (record 12), the
// site (record 61) and the build record (28), which says which tool built the file, when, and from
// which sources.
#pragma once

#include <string>
#include <vector>

#include "RecordBuilder.h"

namespace importers {

struct SourceDescription {
  std::string name;
  std::string version;  // may be empty
  std::string licence;  // may be empty
};

void WriteSiteRecords(RecordBuilder* builder, const std::string& siteName,
                      const std::string& buildTime, const std::vector<SourceDescription>& sources);

// The present time as "YYYY-MM-DDTHH:MM:SSZ".
std::string CurrentTimeText();

}  // namespace importers
