#include "shell/ViewerDatabase.h"

#include "ArbCodes.h"
#include "LanguageWordNets.h"
#include "PLXException.h"
#include "Relations.h"
#include "shell/ErrorText.h"
#include "shell/LanguageCode.h"
#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "shell/WaitCursor.h"

using lexicon::Owned;

ViewerDatabase::ViewerDatabase(PersonInterface& person) : person_(person) {}

int ViewerDatabase::Open(const std::string& path) {
  const WaitCursor wait(person_);
  // Closing first whatever the path: the library's Open would otherwise leave an open database
  // behind unreachable.
  Close();
  try {
    Polylex::Open(path.c_str(), nullptr, 1, 0);
    BuildLanguages();
    BuildRelations();
    std::vector<FilterState::LinkChoice> choices;
    for (const RelationEntry& relation : relations_) {
      choices.push_back({relation.Id(), relation.Name()});
    }
    filter_.Rebuild(choices);
    open_ = 1;
  } catch (const PLXException& error) {
    ReleaseAll();
    if (error.GetARBORError() == (arbcode::IO_PATH_NOT_FOUND & 0xFFFF)) {
      ShowError(FormatMessage(message::kDatabaseOpenFailed.text, path.c_str()));
    } else if (error.GetARBORError() == (arbcode::OLD_DB & 0xFFFF)) {
      ShowError("The Polylex database [" + path +
                "] was made by an older version, whose files carry no page checksums; build it "
                "again");
    } else if (error.GetARBORError() == (arbcode::BLOCK_CHECKSUM & 0xFFFF)) {
      ShowError("The Polylex database [" + path +
                "] is damaged; File > Check Database tells which parts");
    } else {
      ShowError(ErrorText::Of(error));
    }
  } catch (...) {
    const std::string text = ErrorText::OfCurrentException();
    ReleaseAll();
    ShowError(text);
  }
  path_ = path;
  return open_;
}

void ViewerDatabase::Close() {
  ReleaseAll();
  path_.clear();
}

void ViewerDatabase::ReleaseAll() {
  languages_.clear();
  ili_.reset();
  relations_.clear();
  open_ = 0;
  try {
    Polylex::Close();
  } catch (...) {
    ShowCurrentError();
  }
}

void ViewerDatabase::BuildLanguages() {
  try {
    const Owned<LanguageWordNets> all(GetLanguageWordNets());
    LanguageWordNet* item = nullptr;
    for (int more = all->GetFirst(&item); more != 0; more = all->GetNext(&item)) {
      languages_.emplace_back(Owned<LanguageWordNet>(item));
    }
  } catch (const ArbError&) {
    ShowCurrentError();
  }
  ili_.emplace(LanguageEntry::ForIli(Owned<LanguageWordNet>(GetILILanguageWordNet())));
}

void ViewerDatabase::BuildRelations() {
  try {
    // Walked rather than fetched by position 1..count: relation numbers may have gaps, and a
    // fetch by number would then miss the relations numbered above the count.
    const Owned<Relations> all(GetRelations());
    Relation* item = nullptr;
    while (all->GetNext(&item) != 0) relations_.emplace_back(Owned<Relation>(item));
  } catch (...) {
    ShowCurrentError();
  }
}

const LanguageEntry* ViewerDatabase::IliLanguage() const {
  return ili_ ? &*ili_ : nullptr;
}

const LanguageEntry* ViewerDatabase::FindLanguage(std::string_view code) const {
  if (code.empty()) return IliLanguage();
  for (const LanguageEntry& language : languages_) {
    if (SameLanguageCode(language.Code(), code)) return &language;
  }
  return nullptr;
}

const RelationEntry* ViewerDatabase::FindRelation(std::int16_t id) const {
  for (const RelationEntry& relation : relations_) {
    if (relation.Id() == id) return &relation;
  }
  return nullptr;
}

void ViewerDatabase::ShowError(const std::string& text) {
  lastError_ = text;
  person_.ShowMessage(text);
}

void ViewerDatabase::ShowCurrentError() {
  ShowError(ErrorText::OfCurrentException());
}
