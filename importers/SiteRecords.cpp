#include "SiteRecords.h"

#include <chrono>
#include <ctime>

#include "LexicalSchema.h"

#ifndef POLYLEX_VERSION
#error "POLYLEX_VERSION must name the version of the build tool"
#endif

namespace importers {

using namespace schema;

void WriteSiteRecords(RecordBuilder* builder, const std::string& siteName,
                      const std::string& buildTime, const std::vector<SourceDescription>& sources) {
  node* version = builder->Start(VERSION);
  builder->Text(version, DATA_VERSION, kDataVersion);
  builder->Add(kSiteStore, kDefaultContainer, kVersionRecord);

  node* build = builder->Start(BUILD);
  builder->Text(build, BUILD_TOOL, std::string("polylex ") + POLYLEX_VERSION);
  builder->Text(build, BUILD_TIME, buildTime);
  for (const SourceDescription& source : sources) {
    node* field = builder->Text(build, BUILD_SOURCE, source.name);
    if (!source.version.empty()) builder->Text(field, SOURCE_VERSION, source.version);
    if (!source.licence.empty()) builder->Text(field, SOURCE_LICENCE, source.licence);
  }
  builder->Add(kSiteStore, kDefaultContainer, kBuildRecord);

  node* site = builder->Start(SITE);
  builder->Text(site, SITE_NAME, siteName);
  builder->Text(site, SITE_LANGUAGE, "EN");
  builder->Add(kSiteStore, kDefaultContainer, kSiteRecord);
}

std::string CurrentTimeText() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

}  // namespace importers
