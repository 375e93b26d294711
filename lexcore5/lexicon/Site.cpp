#include "Site.h"

#include "LexicalSchema.h"

// A record keeps its source on its root, so the bound empty record is a bare SITE root.
Site::Site(void* database) : ArbRecord(schema::SITE) {
  SetSource(database, schema::kDefaultContainer, schema::kSiteStore, 0);
}

Site::~Site() = default;

Site& Site::operator=(const ArbRecord& other) {
  ArbRecord::operator=(other);
  return *this;
}

BSTR Site::GetName() {
  return FindGetBSTR(schema::SITE_NAME);
}

BSTR Site::GetLanguageCode() {
  return FindGetBSTR(schema::SITE_LANGUAGE);
}
