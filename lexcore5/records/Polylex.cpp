#include "Polylex.h"

#include <cstring>
#include <string_view>

#include "ArbCodes.h"
#include "ArbRecord.h"
#include "CursorTopConcepts.h"
#include "ILIRecords.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "LexcoreEngine.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "Relations.h"
#include "Site.h"
#include "lexicon/Factory.h"
#include "platform/TextConvert.h"
#include "store/RecordStore.h"

Polylex::~Polylex() {
  try {
    Close();
  } catch (const PLXException&) {
    // Nothing can be done about a failed close while the object goes away.
  }
}

void Polylex::Open(const char* path, const char* secondPath, int readOnly, int exclusive) {
  LexcoreEngine* engine = LexcoreEngine::GetInstance();
  if (engine == nullptr) throw PLXException(ePLXOutOfMemory);
  const std::size_t length = path == nullptr ? 0 : std::strlen(path);
  if (length >= kPathSize) {
    error_ = arbcode::IO_PATH_TOO_LONG;
    throw PLXException(arbcode::IO_PATH_TOO_LONG, nullptr, 0);
  }
  std::memcpy(path_, path == nullptr ? "" : path, length + 1);
  flags_ = static_cast<std::uint8_t>((exclusive ? store::kOpenExclusive : 0) |
                                     (readOnly ? store::kOpenReadOnly : 0));
  error_ = engine->OpenDatabase(path_, secondPath, flags_, &database_, &options_);
  if (error_ != 0) throw PLXException(static_cast<std::uint32_t>(error_), nullptr, 0);
  engine->Track(this);

  ArbRecord record;
  char version[20] = {};
  const bool compatible = record.Retrieve(database_, schema::kSiteStore, schema::kDefaultContainer,
                                          schema::kVersionRecord) &&
                          record.FindGetString(version, sizeof version, schema::DATA_VERSION, 1,
                                               ArbRecord::eFromRoot, ArbRecord::eInTree) > 0 &&
                          std::strncmp(version, schema::kDataVersion, 3) >= 0 &&
                          record.Retrieve(database_, schema::kSiteStore, schema::kDefaultContainer,
                                          schema::kSiteRecord) &&
                          record.Retrieve(database_, schema::kSiteStore, schema::kDefaultContainer,
                                          schema::kBuildRecord);
  if (!compatible) throw PLXException(ePLXIncompatibleDatabase);
}

void Polylex::Close() {
  if (database_ == nullptr) {
    error_ = 0;
    return;
  }
  store::Database* database = static_cast<store::Database*>(database_);
  database_ = nullptr;
  if (LexcoreEngine::m_pTheEngine != nullptr) LexcoreEngine::m_pTheEngine->Untrack(this);
  error_ = store::CloseDatabase(&database);
  if (error_ != 0) throw PLXException(static_cast<std::uint32_t>(error_), nullptr, 0);
}

std::uint16_t Polylex::GetDataVersion() {
  ArbRecord record;
  char version[10] = {};
  if (!record.Retrieve(database_, schema::kSiteStore, schema::kDefaultContainer,
                       schema::kVersionRecord) ||
      record.FindGetString(version, sizeof version, schema::DATA_VERSION, 1, ArbRecord::eFromRoot,
                           ArbRecord::eInTree) == 0) {
    throw PLXException(static_cast<std::uint32_t>(error_), nullptr, 0);
  }
  return static_cast<std::uint16_t>(static_cast<unsigned char>(version[0]) << 8 |
                                    static_cast<unsigned char>(version[2]));
}

BSTR Polylex::GetPath() const {
  std::u16string wide;
  if (!platform::Utf8ToUtf16(path_, &wide)) {
    // A file name need not be valid UTF-8; its bytes then stand for themselves.
    for (const char c : std::string_view(path_)) wide.push_back(static_cast<unsigned char>(c));
  }
  return SysAllocStringLen(wide.data(), static_cast<std::uint32_t>(wide.size()));
}

Relations* Polylex::GetRelations() {
  lexicon::Owned<Relations> relations(
      lexicon::Factory::New<Relations>(database_, schema::kDefaultContainer, schema::kSharedStore));
  if (!relations) throw PLXException(ePLXOutOfMemory);
  relations->SetMasterIndex(schema::kRelationIndex, 1);
  return relations.release();
}

ILIRecords* Polylex::GetILIRecords() {
  ILIRecords* records = lexicon::Factory::New<ILIRecords>(database_);
  if (records == nullptr) throw PLXException(ePLXOutOfMemory);
  return records;
}

LanguageWordNets* Polylex::GetLanguageWordNets() {
  LanguageWordNets* wordNets = lexicon::Factory::New<LanguageWordNets>(database_);
  if (wordNets == nullptr) throw PLXException(ePLXOutOfMemory);
  return wordNets;
}

TopConcepts* Polylex::GetTopConcepts() {
  CursorTopConcepts* topConcepts = lexicon::Factory::New<CursorTopConcepts>(database_);
  if (topConcepts == nullptr) throw PLXException(ePLXOutOfMemory);
  return topConcepts;
}

LanguageWordNet* Polylex::GetILILanguageWordNet() {
  ArbRecord record(schema::LANGUAGE);
  record.AssignField(schema::LANGUAGE_CODE, "xx", 1, ArbRecord::kFirst);
  record.AssignField(schema::STORE_ID, static_cast<std::int32_t>(schema::kIliVariantStore), 1,
                     ArbRecord::kFirst);
  record.AssignField(schema::NAME, "ili_v", 1, ArbRecord::kFirst);
  record.SetSource(database_, 0, schema::kIliVariantStore, 0);
  lexicon::Owned<LanguageWordNet> wordNet(lexicon::Factory::New<LanguageWordNet>());
  if (!wordNet) throw PLXException(ePLXOutOfMemory);
  *wordNet = record;
  return wordNet.release();
}

Site* Polylex::GetSite() {
  lexicon::Owned<Site> site(lexicon::Factory::New<Site>(database_));
  if (!site) throw PLXException(ePLXOutOfMemory);
  if (site->Retrieve(database_, schema::kSiteStore, schema::kDefaultContainer,
                     schema::kSiteRecord) == 0) {
    throw PLXException(ePLXNoSiteRecord);
  }
  return site.release();
}
